#include "Ecrivain.h"

#include "Index.h"
#include "Nombre.h"

namespace mvdb {

Ecrivain::Ecrivain(Depot& depot)
    : depot_(depot),
      ecriture_(depot.connexion().preparer(
          "INSERT OR REPLACE INTO enreg(fichier, cle, donnees, num) VALUES (?1, ?2, ?3, ?4)")),
      entrees_(depot.connexion()) {
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
    Remise remise(ecriture_);
    ecriture_.lier(1, fichier).lierOctets(2, cle).lierOctets(3, donnees);
    if (estNombre(cle)) {
        ecriture_.lier(4, valeurApprochee(cle));
    } else {
        ecriture_.lierNul(4);
    }
    ecriture_.avancer();
}

const std::set<int>& Ecrivain::indexes(IdFichier fichier) {
    auto trouve = indexes_.find(fichier);
    if (trouve == indexes_.end()) {
        trouve = indexes_.emplace(fichier, attributsIndexes(depot_, fichier)).first;
    }
    return trouve->second;
}

}  // namespace mvdb
