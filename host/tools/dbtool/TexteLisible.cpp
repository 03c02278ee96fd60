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
    return remplacer(texte, dba::MarqueSousValeur, ']');
}

}  // namespace dbtool
