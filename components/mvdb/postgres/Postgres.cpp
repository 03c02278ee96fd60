#include "Postgres.h"

#include <endian.h>
#include <libpq-fe.h>
#include <poll.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "EchecConnexion.h"
#include "mvdb/EchecStockage.h"

namespace mvdb {

namespace {

// Type oids of the server's catalogue, fixed since its first releases.
constexpr Oid OidBooleen = 16;
constexpr Oid OidOctets = 17;
constexpr Oid OidEntier = 20;
constexpr Oid OidReel = 701;
constexpr Oid OidEntier32 = 23;
constexpr Oid OidTableauBooleens = 1000;
constexpr Oid OidTableauOctets = 1001;
constexpr Oid OidTableauEntiers32 = 1007;
constexpr Oid OidTableauEntiers = 1016;
constexpr Oid OidTableauReels = 1022;

template <typename T>
std::string grosBoutiste(T valeur) {
    std::string octets(sizeof(T), '\0');
    std::memcpy(octets.data(), &valeur, sizeof(T));
    return octets;
}

void ajouterEntier32(std::string& octets, std::uint32_t valeur) {
    octets += grosBoutiste(htobe32(valeur));
}

// What went wrong, in the user's words. The server's own text is English: a cause not known
// here is given by its code, which an administrator looks up, never by that text. The server
// names the index a value was too long for: its key, or an entry.
std::string cause(const std::string& code, const std::string& contrainte, const std::string& detail,
                  const char* role) {
    if (code == "42501") {
        return std::string("le rôle « ") + (role != nullptr ? role : "") +
               " » n'a pas sur les tables de la base les droits que demande cette opération";
    }
    if (code == "25006") {
        return "la base n'accepte que des lectures sur ce serveur";
    }
    if (code == "53100") {
        return "le disque du serveur est plein";
    }
    if (code == "54000" && contrainte == "enreg_pkey") {
        return "la clé d'un enregistrement dépasse la taille que le serveur admet pour une clé "
               "(environ 2 700 octets après compression ; un fichier n'a pas cette limite)";
    }
    if (code == "54000") {
        return "une valeur indexée dépasse la taille que le serveur admet dans un index (environ "
               "2 700 octets avec la clé, après compression)";
    }
    if (code == "40001" || code == "40P01") {
        return "conflit avec une autre écriture simultanée, à recommencer";
    }
    if (code.starts_with("57P") || code.starts_with("08")) {
        return "la connexion au serveur a été perdue";
    }
    if (!code.empty()) {
        return "le serveur a refusé l'opération (code " + code + ")";
    }
    return detail;
}

std::string premiereLigne(const char* texte) {
    std::string ligne = texte != nullptr ? texte : "";
    ligne = ligne.substr(0, ligne.find('\n'));
    if (ligne.starts_with("ERROR:  ") || ligne.starts_with("FATAL:  ")) {
        ligne = ligne.substr(8);
    }
    return ligne;
}

std::string champ(pg_result* resultat, int code) {
    const char* valeur = resultat != nullptr ? PQresultErrorField(resultat, code) : nullptr;
    return valeur != nullptr ? valeur : "";
}

[[noreturn]] void echec(pg_conn* connexion, pg_result* resultat, const std::string& affichable,
                        const MasqueMotDePasse& masque) {
    // The fields live in the result: copied before the result is freed.
    std::string etat = champ(resultat, PG_DIAG_SQLSTATE);
    const std::string contrainte = champ(resultat, PG_DIAG_CONSTRAINT_NAME);
    const std::string detail = masque.appliquer(premiereLigne(
        resultat != nullptr ? PQresultErrorMessage(resultat) : PQerrorMessage(connexion)));
    if (PQstatus(connexion) == CONNECTION_BAD) {
        etat = "08006";
    }
    PQclear(resultat);
    throw erreurStockage(CauseEchec::AccesImpossible, affichable,
                         cause(etat, contrainte, detail, PQuser(connexion)));
}

void exigerSucces(pg_conn* connexion, pg_result* resultat, const std::string& affichable,
                  const MasqueMotDePasse& masque) {
    const ExecStatusType etat = PQresultStatus(resultat);
    if (etat != PGRES_TUPLES_OK && etat != PGRES_COMMAND_OK) {
        echec(connexion, resultat, affichable, masque);
    }
}

// connect_timeout of the connection string or the environment, 0 when it waits for ever.
// The library counts it for each server of a list; here it bounds the whole connection.
int delaiDeConnexion(pg_conn* connexion) {
    int secondes = 0;
    PQconninfoOption* options = PQconninfo(connexion);
    for (const PQconninfoOption* option = options; option != nullptr && option->keyword != nullptr;
         ++option) {
        if (std::strcmp(option->keyword, "connect_timeout") == 0 && option->val != nullptr) {
            secondes = std::atoi(option->val);
        }
    }
    PQconninfoFree(options);
    // As the library does: a second would be too short for a server answering at once.
    return secondes <= 0 ? 0 : std::max(secondes, 2);
}

enum class Etablissement { Etablie, Refusee, DelaiDepasse };

// Completes a connection begun by PQconnectStart, waiting on its socket. The server's
// refusals come with their state code, for the cause to be told in French.
Etablissement etablir(pg_conn* connexion) {
    using Horloge = std::chrono::steady_clock;
    PQsetErrorVerbosity(connexion, PQERRORS_VERBOSE);
    const int delai = delaiDeConnexion(connexion);
    const Horloge::time_point limite = Horloge::now() + std::chrono::seconds(delai);
    PostgresPollingStatusType etat = PGRES_POLLING_WRITING;
    while (PQstatus(connexion) != CONNECTION_BAD && etat != PGRES_POLLING_FAILED) {
        if (etat == PGRES_POLLING_OK) {
            return Etablissement::Etablie;
        }
        const short evenement = etat == PGRES_POLLING_READING ? POLLIN : POLLOUT;
        pollfd attente{PQsocket(connexion), evenement, 0};
        const auto reste =
            std::chrono::duration_cast<std::chrono::milliseconds>(limite - Horloge::now());
        const int pret =
            poll(&attente, 1, delai == 0 ? -1 : static_cast<int>(std::max<long>(reste.count(), 0)));
        if (pret == 0) {
            return Etablissement::DelaiDepasse;
        }
        if (pret > 0 || errno != EINTR) {
            etat = PQconnectPoll(connexion);
        }
    }
    return Etablissement::Refusee;
}

// Parameters as libpq takes them: pointers into the ParametrePg, which must outlive them.
struct ParametresLibpq {
    explicit ParametresLibpq(const std::vector<ParametrePg>& parametres)
        : formats(parametres.size(), 1) {
        for (const ParametrePg& parametre : parametres) {
            valeurs.push_back(parametre.nul ? nullptr : parametre.octets.data());
            longueurs.push_back(static_cast<int>(parametre.octets.size()));
            types.push_back(parametre.type);
        }
    }
    int nombre() const { return static_cast<int>(valeurs.size()); }

    std::vector<const char*> valeurs;
    std::vector<int> longueurs;
    std::vector<Oid> types;
    std::vector<int> formats;
};

}  // namespace

ParametrePg ParametrePg::entier32(std::int32_t valeur) {
    return {OidEntier32, grosBoutiste(htobe32(static_cast<std::uint32_t>(valeur))), false};
}

ParametrePg ParametrePg::entier(std::int64_t valeur) {
    return {OidEntier, grosBoutiste(htobe64(static_cast<std::uint64_t>(valeur))), false};
}

ParametrePg ParametrePg::reel(double valeur) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &valeur, sizeof bits);
    return {OidReel, grosBoutiste(htobe64(bits)), false};
}

ParametrePg ParametrePg::reelOuNul(std::optional<double> valeur) {
    return valeur ? reel(*valeur) : ParametrePg{OidReel, {}, true};
}

ParametrePg ParametrePg::booleen(bool valeur) {
    return {OidBooleen, std::string(1, valeur ? '\1' : '\0'), false};
}

ParametrePg ParametrePg::octetsBruts(std::string_view valeur) {
    return {OidOctets, std::string(valeur), false};
}

ParametrePg ParametrePg::tableauOctets(const std::vector<std::string>& valeurs) {
    TableauPg tableau = TableauPg::octets();
    for (const std::string& valeur : valeurs) {
        tableau.ajouter(octetsBruts(valeur));
    }
    return tableau.parametre();
}

TableauPg TableauPg::entiers() {
    return {OidEntier, OidTableauEntiers};
}

TableauPg TableauPg::entiers32() {
    return {OidEntier32, OidTableauEntiers32};
}

TableauPg TableauPg::reels() {
    return {OidReel, OidTableauReels};
}

TableauPg TableauPg::booleens() {
    return {OidBooleen, OidTableauBooleens};
}

TableauPg TableauPg::octets() {
    return {OidOctets, OidTableauOctets};
}

void TableauPg::ajouter(const ParametrePg& element) {
    ++taille_;
    if (element.nul) {
        nuls_ = true;
        ajouterEntier32(elements_, static_cast<std::uint32_t>(-1));
        return;
    }
    ajouterEntier32(elements_, static_cast<std::uint32_t>(element.octets.size()));
    elements_ += element.octets;
}

ParametrePg TableauPg::parametre() const {
    // The array's binary form: dimensions, null flag, element type, length and lower bound,
    // then the length and bytes of each element (-1 for a null).
    std::string octets;
    ajouterEntier32(octets, 1);
    ajouterEntier32(octets, nuls_ ? 1 : 0);
    ajouterEntier32(octets, typeElement_);
    ajouterEntier32(octets, static_cast<std::uint32_t>(taille_));
    ajouterEntier32(octets, 1);
    octets += elements_;
    return {typeTableau_, std::move(octets), false};
}

ResultatPg::~ResultatPg() {
    PQclear(resultat_);
}

int ResultatPg::lignes() const {
    return PQntuples(resultat_);
}

std::string_view ResultatPg::octets(int ligne, int colonne) const {
    return {PQgetvalue(resultat_, ligne, colonne),
            static_cast<std::size_t>(PQgetlength(resultat_, ligne, colonne))};
}

std::int64_t ResultatPg::entier(int ligne, int colonne) const {
    std::uint64_t valeur = 0;
    std::memcpy(&valeur, PQgetvalue(resultat_, ligne, colonne), sizeof valeur);
    return static_cast<std::int64_t>(be64toh(valeur));
}

std::int32_t ResultatPg::entier32(int ligne, int colonne) const {
    std::uint32_t valeur = 0;
    std::memcpy(&valeur, PQgetvalue(resultat_, ligne, colonne), sizeof valeur);
    return static_cast<std::int32_t>(be32toh(valeur));
}

ConnexionPg::ConnexionPg(const std::string& parametres, std::string affichable)
    : connexion_(nullptr), affichable_(std::move(affichable)), masque_(parametres) {
    const auto refuser = [this](const std::string& cause) {
        throw erreurStockage(CauseEchec::ConnexionImpossible, affichable_, cause);
    };
    if (const std::string illisible = causeNomIllisible(parametres, masque_); !illisible.empty()) {
        refuser(illisible);
    }
    connexion_ = PQconnectStart(parametres.c_str());
    // The server's notices would reach the terminal raw and in English, the library printing
    // them as they come: a notice during the connection, or the farewell of a session ended
    // as it opens ("FATAL: 57P01 terminating connection", when the server stops or restarts),
    // which arrives with the session's first answer and is read as a notice. The failure it
    // causes is told in French by the statement that meets it.
    PQsetNoticeProcessor(
        connexion_, [](void*, const char*) {}, nullptr);
    const Etablissement etablissement = etablir(connexion_);
    if (etablissement != Etablissement::Etablie) {
        const std::string pourquoi =
            causeEchecConnexion(connexion_, etablissement == Etablissement::DelaiDepasse, masque_);
        PQfinish(connexion_);
        refuser(pourquoi);
    }
    // Messages of the server stay out of the user's sight; keep them short.
    PQsetErrorVerbosity(connexion_, PQERRORS_TERSE);
}

ConnexionPg::~ConnexionPg() {
    PQfinish(connexion_);
}

ResultatPg ConnexionPg::executer(const std::string& sql, const std::vector<ParametrePg>& parametres,
                                 const char* nom) {
    recevoirEnVol();
    const ParametresLibpq libpq(parametres);
    PGresult* resultat = nullptr;
    if (nom == nullptr) {
        resultat =
            PQexecParams(connexion_, sql.c_str(), libpq.nombre(), libpq.types.data(),
                         libpq.valeurs.data(), libpq.longueurs.data(), libpq.formats.data(), 1);
    } else {
        preparer(nom, sql, parametres);
        resultat = PQexecPrepared(connexion_, nom, libpq.nombre(), libpq.valeurs.data(),
                                  libpq.longueurs.data(), libpq.formats.data(), 1);
    }
    exigerSucces(connexion_, resultat, affichable_, masque_);
    return ResultatPg(resultat);
}

void ConnexionPg::commander(const std::string& sql) {
    enchainer(sql);
}

ResultatPg ConnexionPg::enchainer(const std::string& sql) {
    recevoirEnVol();
    PGresult* resultat = PQexec(connexion_, sql.c_str());
    exigerSucces(connexion_, resultat, affichable_, masque_);
    return ResultatPg(resultat);
}

void ConnexionPg::preparer(const char* nom, const std::string& sql,
                           const std::vector<ParametrePg>& types) {
    if (preparees_.contains(nom)) {
        return;
    }
    const ParametresLibpq libpq(types);
    PGresult* preparation =
        PQprepare(connexion_, nom, sql.c_str(), libpq.nombre(), libpq.types.data());
    if (PQresultStatus(preparation) != PGRES_COMMAND_OK) {
        echec(connexion_, preparation, affichable_, masque_);
    }
    PQclear(preparation);
    preparees_.insert(nom);
}

void ConnexionPg::envoyer(const char* nom, const std::string& sql,
                          const std::vector<ParametrePg>& parametres) {
    recevoirEnVol();
    preparer(nom, sql, parametres);
    const ParametresLibpq libpq(parametres);
    if (PQsendQueryPrepared(connexion_, nom, libpq.nombre(), libpq.valeurs.data(),
                            libpq.longueurs.data(), libpq.formats.data(), 1) == 0) {
        echec(connexion_, nullptr, affichable_, masque_);
    }
    enVol_ = true;
}

ResultatPg ConnexionPg::reponseEnvoyee() {
    if (reponses_.empty()) {
        recevoirEnVol();
    }
    ResultatPg reponse = std::move(reponses_.front());
    reponses_.pop_front();
    return reponse;
}

void ConnexionPg::recevoirEnVol() {
    if (!enVol_) {
        return;
    }
    enVol_ = false;
    PGresult* resultat = PQgetResult(connexion_);
    // The end of the answer: libpq takes the next statement only once it is read.
    for (PGresult* suite = PQgetResult(connexion_); suite != nullptr;
         suite = PQgetResult(connexion_)) {
        PQclear(suite);
    }
    exigerSucces(connexion_, resultat, affichable_, masque_);
    reponses_.emplace_back(resultat);
}

void ConnexionPg::oublierEnvois() noexcept {
    reponses_.clear();
    if (enVol_) {
        enVol_ = false;
        while (PGresult* resultat = PQgetResult(connexion_)) {
            PQclear(resultat);
        }
    }
}

bool ConnexionPg::enTransaction() const {
    const PGTransactionStatusType etat = PQtransactionStatus(connexion_);
    return etat == PQTRANS_INTRANS || etat == PQTRANS_INERROR || etat == PQTRANS_ACTIVE;
}

bool ConnexionPg::perdue() const {
    return PQstatus(connexion_) == CONNECTION_BAD;
}

void ConnexionPg::retablir() {
    if (perdue()) {
        oublierEnvois();
        preparees_.clear();
        PQreset(connexion_);
        if (PQstatus(connexion_) != CONNECTION_OK) {
            echec(connexion_, nullptr, affichable_, masque_);
        }
    }
}

std::string ConnexionPg::role() const {
    const char* nom = PQuser(connexion_);
    return nom != nullptr ? nom : "";
}

}  // namespace mvdb
