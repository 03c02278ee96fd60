#pragma once

#include <optional>
#include <string_view>

#include "dba/ExportBase.h"

namespace mvdb {

// Numbers as the database compares them: an optional sign, digits and an optional decimal
// part ("9", "09", "-3", "9.0"). Nothing else is a number, not even the empty text.
ARDOINE_BASE_EXPORT bool estNombre(std::string_view texte);

// Exact comparison of two numbers, so that "9", "09" and "9.0" are equal: <0, 0 or >0.
int comparerNombres(std::string_view a, std::string_view b);

// The nearest double. Equal numbers give equal doubles and the order is kept (never
// reversed), which is all a numeric index needs to find a superset of the matches.
double valeurApprochee(std::string_view nombre);
// The nearest double of a number; nothing for any other text.
std::optional<double> valeurSiNombre(std::string_view texte);

}  // namespace mvdb
