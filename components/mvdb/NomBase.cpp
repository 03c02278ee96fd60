#include "NomBase.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "MotDePasse.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

// The keywords of the client library's connection strings.
constexpr std::array<std::string_view, 41> MotsCles{
    "host",
    "hostaddr",
    "port",
    "dbname",
    "user",
    "password",
    "passfile",
    "require_auth",
    "channel_binding",
    "connect_timeout",
    "client_encoding",
    "options",
    "application_name",
    "fallback_application_name",
    "keepalives",
    "keepalives_idle",
    "keepalives_interval",
    "keepalives_count",
    "tcp_user_timeout",
    "replication",
    "gssencmode",
    "sslmode",
    "requiressl",
    "sslcompression",
    "sslcert",
    "sslkey",
    "sslpassword",
    "sslcertmode",
    "sslrootcert",
    "sslcrl",
    "sslcrldir",
    "sslsni",
    "requirepeer",
    "ssl_min_protocol_version",
    "ssl_max_protocol_version",
    "krbsrvname",
    "gsslib",
    "gssdelegation",
    "service",
    "target_session_attrs",
    "load_balance_hosts",
};

bool espace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool lettreDeMotCle(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool estMotCle(std::string_view mot) {
    return std::any_of(MotsCles.begin(), MotsCles.end(), [&](std::string_view motCle) {
        return motCle.size() == mot.size() &&
               std::equal(mot.begin(), mot.end(), motCle.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == b;
               });
    });
}

// Whether a word of the name, at its start or after a space, is a keyword followed by '='
// (spaces allowed between, in any case: the library refuses a capital, and says so).
bool donneUnMotCle(std::string_view nom) {
    for (std::size_t debut = 0; debut < nom.size(); ++debut) {
        if (debut > 0 && !espace(nom[debut - 1])) {
            continue;
        }
        std::size_t fin = debut;
        while (fin < nom.size() && lettreDeMotCle(nom[fin])) {
            ++fin;
        }
        std::size_t egal = fin;
        while (egal < nom.size() && espace(nom[egal])) {
            ++egal;
        }
        if (egal < nom.size() && nom[egal] == '=' && estMotCle(nom.substr(debut, fin - debut))) {
            return true;
        }
    }
    return false;
}

}  // namespace

GenreNom genreNom(std::string_view nom) {
    if (estUriServeur(nom)) {
        return GenreNom::Serveur;
    }
    if (ressembleAUneUri(nom)) {
        return GenreNom::AdresseMalEcrite;
    }
    return donneUnMotCle(nom) ? GenreNom::Serveur : GenreNom::Fichier;
}

bool designeServeur(std::string_view nom) {
    const GenreNom genre = genreNom(nom);
    if (genre == GenreNom::AdresseMalEcrite) {
        throw dba::Erreur(dba::ErrNomBase,
                          "La base « " + nomAffichable(nom) +
                              " » n'est ni un fichier ni un serveur : l'adresse d'un serveur "
                              "commence par « postgresql:// » ou « postgres:// », en "
                              "minuscules ; un fichier se désigne par son chemin.");
    }
    return genre == GenreNom::Serveur;
}

std::string nomAffichable(std::string_view nom) {
    std::string affichable;
    std::size_t lu = 0;
    for (const Plage& plage : plagesMotDePasse(nom)) {
        affichable.append(nom.substr(lu, plage.debut - lu)).append(MasqueAffiche);
        lu = plage.fin;
    }
    return affichable.append(nom.substr(lu));
}

}  // namespace mvdb
