#pragma once

#include <string>

namespace demogen {

// A number written with left zeros to a fixed width ("001").
std::string codeNumerique(int numero, int largeur);
// The 5-character code of aided person n (from 1): "00001" to "99999", then a capital letter
// and four digits ("A0000"), so codes stay in numeric order byte-wise.
std::string codeAide(int numero);

}  // namespace demogen
