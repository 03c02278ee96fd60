#include "ServeurDeBench.h"

#include <cstdlib>
#include <iostream>

#include "BasesDeBench.h"
#include "mvdb/Base.h"
#include "mvdb/postgres/Postgres.h"

namespace {

// "bench-10ans" gives ardoine_bench_10ans: server database names are best kept to
// lower-case letters, digits and underscores.
std::string nomServeur(const std::string& taille) {
    std::string nom = "ardoine_" + taille;
    for (char& c : nom) {
        if (c == '-') {
            c = '_';
        }
    }
    return nom;
}

bool baseExiste(mvdb::ConnexionPg& connexion, const std::string& base) {
    return connexion
               .executer("SELECT 1 FROM pg_database WHERE datname = convert_from($1, 'UTF8')",
                         {mvdb::ParametrePg::octetsBruts(base)})
               .lignes() > 0;
}

}  // namespace

std::optional<std::string> serveurDeBench() {
    const char* serveur = std::getenv("ARDOINE_BENCH_SERVEUR");
    if (serveur == nullptr || *serveur == '\0') {
        return std::nullopt;
    }
    return std::string(serveur);
}

std::string baseDuServeur(const std::string& serveur, const std::string& base) {
    return serveur + " dbname=" + base;
}

void recreerBaseServeur(const std::string& serveur, const std::string& base) {
    mvdb::ConnexionPg connexion(serveur, "serveur de mesure");
    connexion.commander("DROP DATABASE IF EXISTS " + base);
    connexion.commander("CREATE DATABASE " + base);
}

std::int64_t enregistrementsServeur(const std::string& nom) {
    mvdb::ConnexionPg connexion(nom, "serveur de mesure");
    return connexion.executer("SELECT count(*) FROM mvdb.enreg").entier(0, 0);
}

std::string baseServeurDeBench(const std::string& serveur, const std::string& taille) {
    const std::string base = nomServeur(taille);
    const std::string nom = baseDuServeur(serveur, base);
    mvdb::ConnexionPg connexion(serveur, "serveur de mesure");
    if (!baseExiste(connexion, base)) {
        const std::string fichier = baseDeBench(taille);
        std::cerr << "copie de " << fichier << " sur le serveur (" << base << ")...\n";
        try {
            connexion.commander("CREATE DATABASE " + base);
            auto destination = mvdb::Base::creer(nom);
            mvdb::Base::ouvrir(fichier, mvdb::Mode::LectureSeule).copierDans(destination);
        } catch (...) {
            connexion.commander("DROP DATABASE IF EXISTS " + base);
            throw;
        }
    }
    return nom;
}

std::optional<std::string> baseDeMesure(const std::string& taille, bool surServeur) {
    if (!surServeur) {
        return baseDeBench(taille);
    }
    const auto serveur = serveurDeBench();
    if (!serveur) {
        return std::nullopt;
    }
    return baseServeurDeBench(*serveur, taille);
}
