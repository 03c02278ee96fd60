#include "Comparaison.h"

#include <algorithm>
#include <string>

#include "Nombre.h"

namespace mvdb {

namespace {

int comparerOctets(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

std::string completerAGauche(std::string_view texte, std::size_t largeur) {
    std::string aligne(largeur - texte.size(), ' ');
    aligne += texte;
    return aligne;
}

int comparerAlignesADroite(std::string_view a, std::string_view b) {
    const std::size_t largeur = std::max(a.size(), b.size());
    return comparerOctets(completerAGauche(a, largeur), completerAGauche(b, largeur));
}

std::string_view zeroSiVide(std::string_view valeur) {
    return valeur.empty() ? std::string_view("0") : valeur;
}

}  // namespace

int comparerValeurs(std::string_view stockee, std::string_view donnee) {
    if (estNombre(stockee) && estNombre(donnee)) {
        return comparerNombres(stockee, donnee);
    }
    return comparerOctets(stockee, donnee);
}

int comparerPourTri(std::string_view a, std::string_view b, bool alignerADroite) {
    if (!alignerADroite) {
        return comparerOctets(a, b);
    }
    const std::string_view na = zeroSiVide(a);
    const std::string_view nb = zeroSiVide(b);
    if (estNombre(na) && estNombre(nb)) {
        return comparerNombres(na, nb);
    }
    return comparerAlignesADroite(a, b);
}

}  // namespace mvdb
