#pragma once

#include <vector>

#include "Referentiel.h"

namespace demogen {

// Twelve managers, each working in the département of one entity, with postal addresses of
// every shape the report prints: several parts, a complement, parts left empty, none at all.
std::vector<Responsable> responsablesDesEntites(const std::vector<Entite>& entites,
                                                const DonneesReference& donnees, Hasard& hasard);

}  // namespace demogen
