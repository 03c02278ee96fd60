#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dba/ExportBase.h"

namespace mvdb {

// Position, counted in characters from 1, of the character that starts at byte `octet`.
std::size_t positionCaractere(std::string_view texte, std::size_t octet);

// `longueur` characters from character `debut` (from 1); a start before 1 counts as 1.
ARDOINE_BASE_EXPORT std::string sousChaine(std::string_view texte, long debut, long longueur);

}  // namespace mvdb
