#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace hote {

// A number of a command line written with decimal digits only: no sign, no space before or
// after, no line end (Qt's toInt() would take " 3\n" for 3). Empty when the text is anything
// else or too large.
std::optional<std::uint64_t> Entier_Decimal(std::string_view texte);

}  // namespace hote
