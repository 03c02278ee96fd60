#include "Codes.h"

#include "dba/Erreur.h"

namespace demogen {

std::string codeNumerique(int numero, int largeur) {
    std::string texte = std::to_string(numero);
    if (static_cast<int>(texte.size()) < largeur) {
        texte.insert(0, static_cast<std::size_t>(largeur) - texte.size(), '0');
    }
    return texte;
}

std::string codeAide(int numero) {
    constexpr int ParLettre = 10000;
    constexpr int Numerique = 100000;
    if (numero < Numerique) {
        return codeNumerique(numero, 5);
    }
    const int rang = (numero - Numerique) / ParLettre;
    if (rang >= 26) {
        throw dba::Erreur(dba::ErrArgument, "trop d'aidés pour des codes de 5 caractères");
    }
    return static_cast<char>('A' + rang) + codeNumerique((numero - Numerique) % ParLettre, 4);
}

}  // namespace demogen
