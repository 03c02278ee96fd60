#include "StockagePostgres.h"

#include <unordered_map>

#include "dba/Erreur.h"
#include "mvdb/EchecStockage.h"
#include "mvdb/sql/OperateurSql.h"

namespace mvdb {

namespace {

constexpr int VersionSchema = 1;
// Every write transaction takes this lock first: imports on one database run one after
// the other instead of interleaving their index updates.
constexpr const char* VerrouEcriture = "SELECT pg_advisory_xact_lock(1297499202)";
// Rows a scan brings per round trip.
constexpr int TailleLot = 1000;

const char* const Schema = R"sql(
CREATE SCHEMA mvdb;
CREATE TABLE mvdb.version(numero integer NOT NULL);
CREATE TABLE mvdb.fichier(id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
                          nom bytea NOT NULL UNIQUE);
CREATE TABLE mvdb.enreg(fichier bigint NOT NULL, cle bytea NOT NULL, donnees bytea NOT NULL,
                        num double precision, PRIMARY KEY (fichier, cle));
CREATE INDEX enreg_num ON mvdb.enreg(fichier, num) WHERE num IS NOT NULL;
CREATE TABLE mvdb.indexe(fichier bigint NOT NULL, nom bytea NOT NULL, attribut integer NOT NULL,
                         PRIMARY KEY (fichier, nom));
CREATE TABLE mvdb.entree(fichier bigint NOT NULL, attribut integer NOT NULL, texte bytea NOT NULL,
                         cle bytea NOT NULL, num double precision, multiple boolean NOT NULL,
                         PRIMARY KEY (fichier, attribut, texte, cle));
-- The entries that are numbers, and those that are not: a range of either reads its index
-- alone, never the table (the key is in the index).
CREATE INDEX entree_num ON mvdb.entree(fichier, attribut, num) INCLUDE (cle)
    WHERE num IS NOT NULL;
CREATE INDEX entree_multiple ON mvdb.entree(fichier, attribut) WHERE multiple;
CREATE INDEX entree_texte ON mvdb.entree(fichier, attribut, texte) INCLUDE (cle)
    WHERE num IS NULL;
)sql";

using P = ParametrePg;

const char* const LectureGroupee =
    "SELECT cle, donnees FROM mvdb.enreg WHERE fichier = $1 AND cle = ANY($2)";

// The keys of several files in one statement: each row gives the rank of its key in the
// files' keys laid end to end. Each key is looked up through the primary key (the LIMIT keeps
// the planner from joining the whole table by hash).
const char* const LectureGroupes =
    "SELECT d.rang, e.donnees FROM unnest($1::bigint[], $2::bytea[]) WITH ORDINALITY "
    "AS d(fichier, cle, rang) CROSS JOIN LATERAL (SELECT donnees FROM mvdb.enreg "
    "WHERE fichier = d.fichier AND cle = d.cle LIMIT 1) e";

// The records of `cles` in their order.
std::vector<std::optional<std::string>> ranger(const ResultatPg& resultat,
                                               const std::vector<std::string>& cles) {
    std::unordered_map<std::string_view, std::string_view> trouves;
    for (int ligne = 0; ligne < resultat.lignes(); ++ligne) {
        trouves.emplace(resultat.octets(ligne, 0), resultat.octets(ligne, 1));
    }
    std::vector<std::optional<std::string>> donnees;
    donnees.reserve(cles.size());
    for (const std::string& cle : cles) {
        const auto trouve = trouves.find(cle);
        donnees.push_back(trouve == trouves.end() ? std::nullopt
                                                  : std::optional<std::string>(trouve->second));
    }
    return donnees;
}

// A grouped read sent to the server, its answer not taken yet. Given up, it is dropped.
class LectureEnVol : public LectureDemandee {
  public:
    LectureEnVol(ConnexionPg& connexion, std::vector<std::string> cles)
        : connexion_(connexion), cles_(std::move(cles)) {}
    LectureEnVol(const LectureEnVol&) = delete;
    LectureEnVol& operator=(const LectureEnVol&) = delete;
    ~LectureEnVol() override {
        if (!recue_) {
            connexion_.oublierEnvois();
        }
    }

    std::vector<std::optional<std::string>> recevoir() override {
        recue_ = true;
        return ranger(connexion_.reponseEnvoyee(), cles_);
    }

  private:
    ConnexionPg& connexion_;
    std::vector<std::string> cles_;
    bool recue_ = false;
};

bool schemaPresent(ConnexionPg& connexion) {
    return connexion.executer("SELECT 1 FROM pg_namespace WHERE nspname = 'mvdb'").lignes() > 0;
}

bool vrai(const ResultatPg& resultat) {
    return resultat.octets(0, 0) == std::string_view("\1", 1);
}

// Whether the role may read every table of the schema. The tables are looked at only once the
// schema is known to be open to the role: naming them otherwise is itself refused.
bool lectureAutorisee(ConnexionPg& connexion) {
    return vrai(
        connexion.executer("SELECT CASE WHEN has_schema_privilege('mvdb', 'USAGE') THEN "
                           "has_table_privilege('mvdb.version', 'SELECT') AND "
                           "has_table_privilege('mvdb.fichier', 'SELECT') AND "
                           "has_table_privilege('mvdb.enreg', 'SELECT') AND "
                           "has_table_privilege('mvdb.indexe', 'SELECT') AND "
                           "has_table_privilege('mvdb.entree', 'SELECT') ELSE false END"));
}

std::string texteRecherche(const Recherche& recherche, std::vector<P>& parametres) {
    const char* colonneTexte = recherche.surCle ? "cle" : "texte";
    std::string sql = recherche.surCle ? "SELECT cle FROM mvdb.enreg WHERE fichier = $1"
                                       : "SELECT cle FROM mvdb.entree WHERE fichier = $1";
    if (!recherche.surCle) {
        parametres.push_back(P::entier(recherche.attribut));
        sql += " AND attribut = $" + std::to_string(parametres.size());
    }
    for (const Recherche::Condition& condition : recherche.conditions) {
        if (const auto* texte = std::get_if<std::string>(&condition.valeur)) {
            parametres.push_back(P::octetsBruts(*texte));
        } else {
            parametres.push_back(P::reel(std::get<double>(condition.valeur)));
        }
        sql += std::string(" AND ") +
               (condition.colonne == Recherche::Colonne::Texte ? colonneTexte : "num") +
               operateurSql(condition.comparateur) + "$" + std::to_string(parametres.size());
    }
    if (recherche.nonNumerique) {
        sql += " AND num IS NULL";
    }
    if (recherche.plusieursValeurs) {
        sql += " AND multiple";
    }
    return sql;
}

}  // namespace

StockagePostgres::StockagePostgres(std::unique_ptr<ConnexionPg> connexion, Mode mode)
    : connexion_(std::move(connexion)), lot_(*connexion_), mode_(mode) {}

std::unique_ptr<StockagePostgres> StockagePostgres::creer(const std::string& parametres,
                                                          const std::string& affichable,
                                                          Creation creation) {
    auto connexion = std::make_unique<ConnexionPg>(parametres, affichable);
    // Said before a load rather than after it; the write that makes the schema checks again.
    if (schemaPresent(*connexion)) {
        throw erreurStockage(CauseEchec::Existante, affichable);
    }
    std::unique_ptr<StockagePostgres> stockage(
        new StockagePostgres(std::move(connexion), Mode::LectureEcriture));
    stockage->schemaAFaire_ = true;
    stockage->peutExister_ = false;
    if (creation == Creation::Partagee) {
        stockage->mettreEnService();
    }
    return stockage;
}

std::unique_ptr<StockagePostgres> StockagePostgres::ouvrir(const std::string& parametres,
                                                           const std::string& affichable,
                                                           Mode mode) {
    auto connexion = std::make_unique<ConnexionPg>(parametres, affichable);
    if (!schemaPresent(*connexion)) {
        throw erreurStockage(CauseEchec::SansSchema, affichable);
    }
    if (!lectureAutorisee(*connexion)) {
        throw erreurStockage(CauseEchec::LectureRefusee, affichable, connexion->role());
    }
    if (mode == Mode::LectureSeule) {
        connexion->commander("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY");
    }
    return std::unique_ptr<StockagePostgres>(new StockagePostgres(std::move(connexion), mode));
}

void StockagePostgres::effacer(const std::string& parametres, const std::string& affichable) {
    ConnexionPg connexion(parametres, affichable);
    connexion.commander("BEGIN");
    connexion.commander(VerrouEcriture);
    connexion.commander("DROP SCHEMA IF EXISTS mvdb CASCADE");
    connexion.commander("COMMIT");
}

void StockagePostgres::exigerEcriture() const {
    if (mode_ == Mode::LectureSeule) {
        throw erreurStockage(CauseEchec::OuverteEnLectureSeule, connexion_->affichable());
    }
}

bool StockagePostgres::transactionOuverte() const {
    return enCours_;
}

ConnexionPg& StockagePostgres::connexion() const {
    // Out of a transaction a dropped connection is opened again; inside one, the reads that
    // follow must fail rather than leave the transaction's snapshot unnoticed.
    if (!enCours_) {
        connexion_->retablir();
    }
    lot_.envoyer();
    return *connexion_;
}

void StockagePostgres::commencer(Genre genre) {
    const char* const debut =
        genre == Genre::Lecture ? "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY" : "BEGIN";
    try {
        connexion().commander(debut);
    } catch (const dba::Erreur&) {
        // A session the server ended while this one waited (a restart, an idle timeout) shows
        // only now. Nothing was begun on it: the transaction begins on a new session, and a
        // server still away fails again.
        if (!connexion_->perdue()) {
            throw;
        }
        connexion_->retablir();
        connexion_->commander(debut);
    }
    enCours_ = true;
    envoyeesAuDebut_ = lot_.lignesEnvoyees();
    if (genre == Genre::Lecture) {
        return;
    }
    if (schemaAFaire_) {
        creerSchema();
        return;
    }
    exigerDroitDEcrire();
    connexion().commander(VerrouEcriture);
}

// Under the write lock: two creations of one database never both make it.
void StockagePostgres::creerSchema() {
    connexion().commander(VerrouEcriture);
    if (schemaPresent(connexion())) {
        annuler();
        throw erreurStockage(CauseEchec::Existante, connexion_->affichable());
    }
    connexion().commander(Schema);
    connexion().commander("INSERT INTO mvdb.version VALUES (" + std::to_string(VersionSchema) +
                          ")");
    schemaDansLaTransaction_ = true;
}

void StockagePostgres::exigerDroitDEcrire() {
    if (!vrai(connexion().executer("SELECT has_table_privilege('mvdb.enreg', 'INSERT')"))) {
        annuler();
        throw erreurStockage(CauseEchec::EcritureRefusee, connexion().affichable(),
                             connexion().role());
    }
}

void StockagePostgres::valider() {
    connexion_->oublierEnvois();
    lot_.envoyer();
    enCours_ = false;
    // A commit whose answer is lost may have been made: from here the schema may be there.
    peutExister_ = peutExister_ || schemaDansLaTransaction_;
    connexion_->commander("COMMIT");
    schemaAFaire_ = schemaAFaire_ && !schemaDansLaTransaction_;
    schemaDansLaTransaction_ = false;
    entretenirApresChargement();
}

void StockagePostgres::mettreEnService() {
    if (!schemaAFaire_) {
        return;
    }
    try {
        commencer(Genre::Ecriture);
        valider();
    } catch (const dba::Erreur&) {
        annuler();
        throw;
    }
}

// After a load (a copy, the demo, a large import) the tables' statistics and visibility map
// are brought up to date at once rather than whenever the server's own maintenance comes by:
// the first lists after it plan with the real sizes and read the index entries alone. It is
// maintenance only: the load is committed, so a failure here is no failure of the load.
void StockagePostgres::entretenirApresChargement() noexcept {
    constexpr std::size_t LignesDUnChargement = 10000;
    if (lot_.lignesEnvoyees() - envoyeesAuDebut_ < LignesDUnChargement) {
        return;
    }
    try {
        connexion_->commander("VACUUM (ANALYZE) mvdb.enreg, mvdb.entree");
    } catch (const dba::Erreur&) {
    }
}

void StockagePostgres::annuler() noexcept {
    connexion_->oublierEnvois();
    lot_.abandonner();
    enCours_ = false;
    schemaDansLaTransaction_ = false;
    try {
        if (connexion_->enTransaction()) {
            connexion_->commander("ROLLBACK");
        }
    } catch (const dba::Erreur&) {
        // A lost connection has rolled back on the server already.
    }
}

std::optional<IdFichier> StockagePostgres::chercherFichier(std::string_view nom) const {
    const ResultatPg resultat = connexion().executer("SELECT id FROM mvdb.fichier WHERE nom = $1",
                                                     {P::octetsBruts(nom)}, "fichier");
    if (resultat.lignes() == 0) {
        return std::nullopt;
    }
    return resultat.entier(0, 0);
}

std::vector<FichierCatalogue> StockagePostgres::fichiers() const {
    const ResultatPg resultat =
        connexion().executer("SELECT nom, id FROM mvdb.fichier ORDER BY nom");
    std::vector<FichierCatalogue> catalogue;
    for (int ligne = 0; ligne < resultat.lignes(); ++ligne) {
        catalogue.push_back({std::string(resultat.octets(ligne, 0)), resultat.entier(ligne, 1)});
    }
    return catalogue;
}

IdFichier StockagePostgres::ajouterFichier(const std::string& nom) {
    return connexion()
        .executer("INSERT INTO mvdb.fichier(nom) VALUES ($1) RETURNING id", {P::octetsBruts(nom)})
        .entier(0, 0);
}

std::optional<std::string> StockagePostgres::lire(IdFichier fichier, std::string_view cle) const {
    const ResultatPg resultat =
        connexion().executer("SELECT donnees FROM mvdb.enreg WHERE fichier = $1 AND cle = $2",
                             {P::entier(fichier), P::octetsBruts(cle)}, "lecture");
    if (resultat.lignes() == 0) {
        return std::nullopt;
    }
    return std::string(resultat.octets(0, 0));
}

std::vector<std::optional<std::string>> StockagePostgres::lireGroupe(
    IdFichier fichier, const std::vector<std::string>& cles) const {
    return ranger(connexion().executer(LectureGroupee, {P::entier(fichier), P::tableauOctets(cles)},
                                       "lecture_groupee"),
                  cles);
}

std::vector<std::vector<std::optional<std::string>>> StockagePostgres::lireGroupes(
    const std::vector<GroupeCles>& groupes) const {
    TableauPg fichiers = TableauPg::entiers();
    TableauPg cles = TableauPg::octets();
    std::vector<std::vector<std::optional<std::string>>> donnees;
    // Where each key's answer goes, by its rank from 1 as the server counts.
    std::vector<std::optional<std::string>*> places{nullptr};
    donnees.reserve(groupes.size());
    for (const GroupeCles& groupe : groupes) {
        donnees.emplace_back(groupe.cles.size());
        for (std::size_t rang = 0; rang < groupe.cles.size(); ++rang) {
            fichiers.ajouter(P::entier(groupe.fichier));
            cles.ajouter(P::octetsBruts(groupe.cles[rang]));
            places.push_back(&donnees.back()[rang]);
        }
    }
    const ResultatPg resultat = connexion().executer(
        LectureGroupes, {fichiers.parametre(), cles.parametre()}, "lecture_groupes");
    for (int ligne = 0; ligne < resultat.lignes(); ++ligne) {
        *places.at(static_cast<std::size_t>(resultat.entier(ligne, 0))) =
            std::string(resultat.octets(ligne, 1));
    }
    return donnees;
}

std::unique_ptr<LectureDemandee> StockagePostgres::demanderGroupe(
    IdFichier fichier, std::vector<std::string> cles) const {
    ConnexionPg& connexion = this->connexion();
    connexion.envoyer("lecture_groupee", LectureGroupee,
                      {P::entier(fichier), P::tableauOctets(cles)});
    return std::make_unique<LectureEnVol>(connexion, std::move(cles));
}

void StockagePostgres::parcourir(IdFichier fichier, const Visiteur& traiter) const {
    // A cursor brings the file by batches, so that `traiter` may read meanwhile and a large
    // file never sits whole in memory. It lives in the caller's transaction, which closes it
    // when a short batch has emptied it: a small file costs one round trip, its declaration
    // and first batch sent together. BINARY: the batches come as every other answer does.
    const std::string curseur = "parcours_" + std::to_string(++curseurs_);
    const auto traiterLot = [&traiter](const ResultatPg& lot) {
        for (int ligne = 0; ligne < lot.lignes(); ++ligne) {
            traiter(lot.octets(ligne, 0), lot.octets(ligne, 1));
        }
        return lot.lignes() == TailleLot;
    };
    const std::string lecture = "FETCH " + std::to_string(TailleLot) + " FROM " + curseur;
    if (!traiterLot(connexion().enchainer(
            "DECLARE " + curseur +
            " BINARY NO SCROLL CURSOR FOR SELECT cle, donnees FROM mvdb.enreg WHERE fichier = " +
            std::to_string(fichier) + " ORDER BY cle; " + lecture))) {
        return;
    }
    while (traiterLot(connexion().executer(lecture))) {
    }
}

std::int64_t StockagePostgres::compter(IdFichier fichier) const {
    return connexion()
        .executer("SELECT count(*) FROM mvdb.enreg WHERE fichier = $1", {P::entier(fichier)})
        .entier(0, 0);
}

void StockagePostgres::ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees,
                              std::optional<double> nombre) {
    lot_.ecrire(fichier, cle, donnees, nombre);
}

std::vector<DeclarationIndex> StockagePostgres::declarations(IdFichier fichier) const {
    const ResultatPg resultat = connexion().executer(
        "SELECT nom, attribut FROM mvdb.indexe WHERE fichier = $1 ORDER BY nom",
        {P::entier(fichier)}, "declarations");
    std::vector<DeclarationIndex> declarations;
    for (int ligne = 0; ligne < resultat.lignes(); ++ligne) {
        declarations.push_back(
            {std::string(resultat.octets(ligne, 0)), resultat.entier32(ligne, 1)});
    }
    return declarations;
}

void StockagePostgres::declarer(IdFichier fichier, const std::string& nom, int attribut) {
    connexion().executer(
        "INSERT INTO mvdb.indexe(fichier, nom, attribut) VALUES ($1, $2, $3::integer) "
        "ON CONFLICT (fichier, nom) DO UPDATE SET attribut = EXCLUDED.attribut",
        {P::entier(fichier), P::octetsBruts(nom), P::entier(attribut)});
}

void StockagePostgres::viderEntrees(IdFichier fichier, int attribut) {
    connexion().executer("DELETE FROM mvdb.entree WHERE fichier = $1 AND attribut = $2",
                         {P::entier(fichier), P::entier(attribut)});
}

void StockagePostgres::ajouterEntree(const EntreeIndex& entree) {
    lot_.ajouterEntree(entree);
}

void StockagePostgres::retirerEntree(IdFichier fichier, int attribut, std::string_view cle,
                                     std::string_view valeur) {
    lot_.retirerEntree(fichier, attribut, cle, valeur);
}

void StockagePostgres::chercher(IdFichier fichier, const Recherche& recherche,
                                std::vector<std::string>& cles) const {
    chercherEnsemble(fichier, {recherche}, cles);
}

void StockagePostgres::chercherEnsemble(IdFichier fichier, const std::vector<Recherche>& recherches,
                                        std::vector<std::string>& cles) const {
    if (recherches.empty()) {
        return;
    }
    std::vector<P> parametres{P::entier(fichier)};
    std::string sql;
    for (const Recherche& recherche : recherches) {
        sql += (sql.empty() ? "" : " UNION ALL ") + texteRecherche(recherche, parametres);
    }
    const ResultatPg resultat = connexion().executer(sql, parametres);
    for (int ligne = 0; ligne < resultat.lignes(); ++ligne) {
        cles.emplace_back(resultat.octets(ligne, 0));
    }
}

}  // namespace mvdb
