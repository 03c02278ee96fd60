#pragma once

#include <vector>

#include "Referentiel.h"

namespace demogen {

// The funding bodies of one legal entity, numbered on from `premierNumero`: bodies that fund
// care, others of another type, some that stopped funding and some closed.
std::vector<Organisme> organismesDeLEntite(const Entite& entite, const std::string& article,
                                           int premierNumero, bool avecRegimeFerme);

}  // namespace demogen
