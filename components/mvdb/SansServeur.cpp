// The server store of a program built without PostgreSQL: every server name is refused, by
// name (its passwords masked), so that the user knows to give a file instead.
#include "NomBase.h"
#include "StockageServeur.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

[[noreturn]] void refuser(const std::string& nom) {
    throw dba::Erreur(dba::ErrSansServeur,
                      "Base de données sur serveur impossible : " + nomAffichable(nom) +
                          " (ce programme a été construit sans le serveur PostgreSQL ; "
                          "donnez le chemin d'un fichier de base de données).");
}

}  // namespace

std::unique_ptr<Stockage> creerSurServeur(const std::string& nom, Creation) {
    refuser(nom);
}

std::unique_ptr<Stockage> ouvrirSurServeur(const std::string& nom, Mode) {
    refuser(nom);
}

void effacerSurServeur(const std::string& nom) {
    refuser(nom);
}

bool serveurDisponible() {
    return false;
}

}  // namespace mvdb
