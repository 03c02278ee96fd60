#pragma once

#include <string>

#include "Referentiel.h"

namespace demogen {

// ASSOCIATION, ACTIVITES, ORGPRISECHARGE (with the DELAIORG lead times set), RESPONSABLE and
// SECTEUR records, as JSON Lines.
void ecrireReferentiel(const Referentiel& referentiel, std::string& lignes);

}  // namespace demogen
