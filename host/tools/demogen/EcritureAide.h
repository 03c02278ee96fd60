#pragma once

#include <string>

#include "Aide.h"

namespace demogen {

// The person's CIVILAIDE record, its ACCORD records and its DEMANDACC record, as JSON Lines.
void ecrireAide(const Aide& aide, std::string& lignes);

}  // namespace demogen
