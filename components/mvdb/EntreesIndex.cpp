#include "EntreesIndex.h"

#include <algorithm>
#include <vector>

#include "Contexte.h"
#include "Nombre.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

std::vector<std::string_view> valeursDistinctes(std::string_view cle, std::string_view donnees,
                                                int attribut) {
    const std::string_view texte = valeurAttribut({cle, donnees}, attribut);
    std::vector<std::string_view> valeurs = dba::decouper(texte, dba::MarqueValeur);
    if (valeurs.empty()) {
        valeurs.emplace_back();
    }
    std::sort(valeurs.begin(), valeurs.end());
    valeurs.erase(std::unique(valeurs.begin(), valeurs.end()), valeurs.end());
    return valeurs;
}

}  // namespace

void EntreesIndex::ajouter(IdFichier fichier, int attribut, std::string_view cle,
                           std::string_view donnees) {
    const std::vector<std::string_view> valeurs = valeursDistinctes(cle, donnees, attribut);
    const bool multiple = valeurs.size() > 1;
    for (const std::string_view valeur : valeurs) {
        stockage_.ajouterEntree({fichier, attribut, cle, valeur, valeurSiNombre(valeur), multiple});
    }
}

void EntreesIndex::retirer(IdFichier fichier, int attribut, std::string_view cle,
                           std::string_view donnees) {
    for (const std::string_view valeur : valeursDistinctes(cle, donnees, attribut)) {
        stockage_.retirerEntree(fichier, attribut, cle, valeur);
    }
}

void EntreesIndex::vider(IdFichier fichier, int attribut) {
    stockage_.viderEntrees(fichier, attribut);
}

}  // namespace mvdb
