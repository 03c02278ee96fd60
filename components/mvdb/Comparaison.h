#pragma once

#include <string_view>

namespace mvdb {

// A stored value against a sentence's value: as numbers when both are numbers, otherwise
// byte-wise on the UTF-8 text (the empty text first). <0, 0 or >0.
int comparerValeurs(std::string_view stockee, std::string_view donnee);

// Two sort values of one item. Right-justified items compare as numbers when both are
// numbers (the empty text counting as 0), otherwise as texts padded on the left; every
// other item compares byte-wise.
int comparerPourTri(std::string_view a, std::string_view b, bool alignerADroite);

}  // namespace mvdb
