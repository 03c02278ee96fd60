#pragma once

#include <string>
#include <string_view>

namespace demogen {

// The database's form of a searchable name: upper case, without diacritics, ligatures spelt
// out ("Évry-Courcouronnes" -> "EVRY-COURCOURONNES", "Œuilly" -> "OEUILLY"), typographic
// apostrophes made plain. Works on characters, never on UTF-8 bytes.
std::string majusculesSansAccents(std::string_view texteUtf8);

}  // namespace demogen
