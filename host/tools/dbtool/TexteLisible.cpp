#include "TexteLisible.h"

#include "dba/TableauDynamique.h"

namespace dbtool {

namespace {

std::string remplacer(std::string_view texte, char marque, char par) {
    std::string resultat(texte);
    for (char& c : resultat) {
        if (c == marque) {
            c = par;
        }
    }
    return resultat;
}

// One byte of a column. What would end a row, split a column or drive the terminal is written
// with a backslash: its usual letter, else "\x" and two hexadecimal digits (NUL is "\x00").
void ajouterLisible(char c, std::string& resultat) {
    static constexpr char Chiffres[] = "0123456789abcdef";
    switch (c) {
        case '\\':
            resultat += "\\\\";
            return;
        case '\t':
            resultat += "\\t";
            return;
        case '\n':
            resultat += "\\n";
            return;
        case '\r':
            resultat += "\\r";
            return;
        default:
            break;
    }
    const auto octet = static_cast<unsigned char>(c);
    if (octet < 0x20 || octet == 0x7f) {
        resultat += {'\\', 'x', Chiffres[octet >> 4], Chiffres[octet & 0xf]};
        return;
    }
    resultat += c;
}

}  // namespace

std::string texteLisible(std::string_view texte) {
    return remplacer(remplacer(texte, dba::MarqueValeur, ']'), dba::MarqueSousValeur, '\\');
}

std::string colonneLisible(std::string_view texte) {
    std::string resultat;
    resultat.reserve(texte.size());
    for (const char c : remplacer(texte, dba::MarqueSousValeur, ']')) {
        ajouterLisible(c, resultat);
    }
    return resultat;
}

}  // namespace dbtool
