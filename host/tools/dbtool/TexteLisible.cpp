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

}  // namespace

std::string texteLisible(std::string_view texte) {
    return remplacer(remplacer(texte, dba::MarqueValeur, ']'), dba::MarqueSousValeur, '\\');
}

std::string colonneLisible(std::string_view texte) {
    std::string resultat;
    resultat.reserve(texte.size());
    for (const char c : remplacer(texte, dba::MarqueSousValeur, ']')) {
        switch (c) {
            case '\\':
                resultat += "\\\\";
                break;
            case '\t':
                resultat += "\\t";
                break;
            case '\n':
                resultat += "\\n";
                break;
            case '\r':
                resultat += "\\r";
                break;
            default:
                resultat += c;
        }
    }
    return resultat;
}

}  // namespace dbtool
