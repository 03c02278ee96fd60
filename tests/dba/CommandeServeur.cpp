#include "CommandeServeur.h"

#include <stdexcept>

#ifdef ARDOINE_AVEC_SERVEUR
#include "mvdb/postgres/Postgres.h"
#endif

void commanderSurServeur(const std::string& connexion, const std::string& sql) {
#ifdef ARDOINE_AVEC_SERVEUR
    mvdb::ConnexionPg(connexion, "essai").commander(sql);
#else
    throw std::logic_error("no server store in this build for " + connexion + ": " + sql);
#endif
}
