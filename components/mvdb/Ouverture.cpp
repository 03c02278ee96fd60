#include "Ouverture.h"

#include "NomBase.h"
#include "postgres/StockagePostgres.h"
#include "sqlite/StockageSqlite.h"

namespace mvdb {

std::unique_ptr<Stockage> creerStockage(const std::string& nom) {
    if (designeServeur(nom)) {
        return StockagePostgres::creer(nom, nomAffichable(nom));
    }
    return StockageSqlite::creer(nom);
}

std::unique_ptr<Stockage> ouvrirStockage(const std::string& nom, Mode mode) {
    if (designeServeur(nom)) {
        return StockagePostgres::ouvrir(nom, nomAffichable(nom), mode);
    }
    return StockageSqlite::ouvrir(nom, mode);
}

void effacerBaseCreee(const std::string& nom) {
    if (designeServeur(nom)) {
        StockagePostgres::effacer(nom, nomAffichable(nom));
    }
}

}  // namespace mvdb
