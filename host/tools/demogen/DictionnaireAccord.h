#pragma once

#include <string>

namespace demogen {

// The items of "DICT ACCORD" that the agreement selection names, as JSON Lines.
void ecrireDictionnaireAccord(std::string& lignes);

// The item the end-date index is declared on.
inline constexpr const char* ItemDateFinAccord = "DateFinAccord";

}  // namespace demogen
