#include "Utf8.h"

namespace mvdb {

namespace {

bool estSuite(char octet) {
    return (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
}

// Byte offset of character n (from 0), or the size when the text is shorter.
std::size_t octetDuCaractere(std::string_view texte, long n) {
    std::size_t octet = 0;
    for (long i = 0; i < n && octet < texte.size(); ++i) {
        ++octet;
        while (octet < texte.size() && estSuite(texte[octet])) {
            ++octet;
        }
    }
    return octet;
}

}  // namespace

std::size_t positionCaractere(std::string_view texte, std::size_t octet) {
    std::size_t position = 1;
    for (std::size_t i = 0; i < octet && i < texte.size(); ++i) {
        if (!estSuite(texte[i])) {
            ++position;
        }
    }
    return position;
}

std::string sousChaine(std::string_view texte, long debut, long longueur) {
    if (debut < 1) {
        debut = 1;
    }
    if (longueur <= 0) {
        return {};
    }
    const std::size_t premier = octetDuCaractere(texte, debut - 1);
    const std::string_view reste = texte.substr(premier);
    return std::string(reste.substr(0, octetDuCaractere(reste, longueur)));
}

}  // namespace mvdb
