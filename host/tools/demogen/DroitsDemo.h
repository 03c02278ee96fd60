#pragma once

#include <string>

#include "Referentiel.h"

namespace demogen {

// The users of the demo, as DROITS records: "admin" (full rights, every sector), "secteurs"
// (full rights on some sectors only) and "lecteur" (may look, not print).
void ecrireDroits(const Referentiel& referentiel, std::string& lignes);

// The module code the control asks rights for.
inline constexpr const char* ModuleArdoine = "ARDOINE";

}  // namespace demogen
