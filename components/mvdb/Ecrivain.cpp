#include "Ecrivain.h"

#include "Index.h"
#include "Nombre.h"

namespace mvdb {

Ecrivain::Ecrivain(Depot& depot) : depot_(depot), entrees_(depot) {
    depot_.exigerEcriture();
}

void Ecrivain::ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees) {
    const std::set<int>& attributs = indexes(fichier);
    if (!attributs.empty()) {
        if (const auto ancien = depot_.lire(fichier, cle)) {
            for (const int attribut : attributs) {
                entrees_.retirer(fichier, attribut, cle, *ancien);
            }
        }
        for (const int attribut : attributs) {
            entrees_.ajouter(fichier, attribut, cle, donnees);
        }
    }
    depot_.ecrire(fichier, cle, donnees, valeurSiNombre(cle));
}

void Ecrivain::terminer() {
    entrees_.envoyer();
}

const std::set<int>& Ecrivain::indexes(IdFichier fichier) {
    auto trouve = indexes_.find(fichier);
    if (trouve == indexes_.end()) {
        trouve = indexes_.emplace(fichier, attributsIndexes(depot_, fichier)).first;
    }
    return trouve->second;
}

}  // namespace mvdb
