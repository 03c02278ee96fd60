#include "Ouverture.h"

#include "NomBase.h"
#include "StockageServeur.h"
#include "sqlite/StockageSqlite.h"

namespace mvdb {

std::unique_ptr<Stockage> creerStockage(const std::string& nom, Creation creation) {
    if (designeServeur(nom)) {
        return creerSurServeur(nom, creation);
    }
    return StockageSqlite::creer(nom, creation);
}

std::unique_ptr<Stockage> ouvrirStockage(const std::string& nom, Mode mode) {
    if (designeServeur(nom)) {
        return ouvrirSurServeur(nom, mode);
    }
    return StockageSqlite::ouvrir(nom, mode);
}

void effacerBaseCreee(const std::string& nom) {
    if (designeServeur(nom)) {
        effacerSurServeur(nom);
    }
}

}  // namespace mvdb
