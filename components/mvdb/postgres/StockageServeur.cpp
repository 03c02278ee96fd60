#include "mvdb/StockageServeur.h"

#include "StockagePostgres.h"
#include "mvdb/NomBase.h"

namespace mvdb {

std::unique_ptr<Stockage> creerSurServeur(const std::string& nom, Creation creation) {
    return StockagePostgres::creer(nom, nomAffichable(nom), creation);
}

std::unique_ptr<Stockage> ouvrirSurServeur(const std::string& nom, Mode mode) {
    return StockagePostgres::ouvrir(nom, nomAffichable(nom), mode);
}

void effacerSurServeur(const std::string& nom) {
    StockagePostgres::effacer(nom, nomAffichable(nom));
}

bool serveurDisponible() {
    return true;
}

}  // namespace mvdb
