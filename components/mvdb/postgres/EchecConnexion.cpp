#include "EchecConnexion.h"

#include <libpq-fe.h>

#include <array>
#include <regex>
#include <string_view>
#include <utility>

#include "mvdb/MotDePasse.h"

namespace mvdb {

namespace {

std::string premiereLigne(std::string texte) {
    return texte.substr(0, texte.find('\n'));
}

// The state code of the server's refusal: its errors read "FATAL:  28P01: ...".
std::string etatDuRefus(const std::string& texte) {
    static const std::regex etat(R"(\S+:  ([0-9A-Z]{5}): )");
    std::smatch trouve;
    return std::regex_search(texte, trouve, etat) ? trouve[1].str() : "";
}

using Causes = std::array<std::pair<std::string_view, const char*>, 7>;

// The cause of the first entry `convient` accepts; null when none does.
template <typename Critere>
const char* premiereCause(const Causes& causes, Critere convient) {
    for (const auto& [cle, cause] : causes) {
        if (convient(cle)) {
            return cause;
        }
    }
    return nullptr;
}

const char* causeDuServeur(const std::string& etat) {
    static const Causes causes{{
        {"28P01", "le mot de passe est refusé pour ce rôle"},
        {"28000",
         "le serveur refuse ce rôle : il n'existe pas, ou le serveur ne l'admet pas depuis ce "
         "poste ou sans connexion chiffrée (SSL)"},
        {"3D000", "cette base n'existe pas sur le serveur"},
        {"42501", "le rôle n'a pas le droit de se connecter à cette base"},
        {"53300", "le serveur a déjà autant de connexions qu'il en admet"},
        {"57P03", "le serveur démarre ou s'arrête : il n'accepte pas de connexion pour l'instant"},
        {"08004", "le serveur refuse la connexion"},
    }};
    return premiereCause(causes, [&](std::string_view code) { return etat == code; });
}

// The causes the client library names in its own words, as its untranslated texts say them.
const char* causeDuClient(const std::string& texte) {
    static const Causes causes{{
        {"could not translate host name", "le nom du serveur est inconnu"},
        {"Connection refused",
         "aucun serveur n'accepte de connexion à cette adresse et sur ce port (serveur arrêté, "
         "ou autre hôte ou port)"},
        {"No such file or directory",
         "aucun serveur n'accepte de connexion sur ce socket et ce port (serveur arrêté, ou "
         "autre dossier ou port)"},
        {"timeout expired", "le serveur n'a pas répondu dans le délai de connexion"},
        {"SSL was required", "la connexion exige SSL (sslmode) et le serveur ne le propose pas"},
        {"No route to host", "le réseau ne mène pas au serveur"},
        {"closed the connection unexpectedly", "le serveur a fermé la connexion sans répondre"},
    }};
    return premiereCause(
        causes, [&](std::string_view motif) { return texte.find(motif) != std::string::npos; });
}

std::string causeGenerale(const std::string& texte, const MasqueMotDePasse& masque) {
    return "le serveur est injoignable ou refuse la connexion [" +
           masque.appliquer(premiereLigne(texte)) + "]";
}

}  // namespace

std::string causeEchecConnexion(pg_conn* connexion, bool delaiDepasse,
                                const MasqueMotDePasse& masque) {
    if (delaiDepasse) {
        return "le serveur n'a pas répondu dans le délai de connexion (connect_timeout)";
    }
    const std::string texte = PQerrorMessage(connexion);
    if (const char* cause = causeDuServeur(etatDuRefus(texte))) {
        return cause;
    }
    if (PQconnectionNeedsPassword(connexion) != 0) {
        return "le serveur demande un mot de passe et aucun n'est donné (voir ~/.pgpass, "
               "PGPASSFILE ou un fichier de service)";
    }
    if (const char* cause = causeDuClient(texte)) {
        return cause;
    }
    return causeGenerale(texte, masque);
}

std::string causeNomIllisible(const std::string& parametres, const MasqueMotDePasse& masque) {
    char* erreur = nullptr;
    PQconninfoOption* options = PQconninfoParse(parametres.c_str(), &erreur);
    PQconninfoFree(options);
    if (options != nullptr) {
        return "";
    }
    const std::string texte = erreur != nullptr ? erreur : "";
    PQfreemem(erreur);
    return "la désignation de la base de serveur est mal formée [" +
           masque.appliquer(premiereLigne(texte)) + "]";
}

}  // namespace mvdb
