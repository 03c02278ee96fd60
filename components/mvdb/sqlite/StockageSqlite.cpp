#include "StockageSqlite.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <numeric>

#include "FichierSqlite.h"
#include "LectureOrdonnee.h"
#include "mvdb/EchecStockage.h"
#include "mvdb/sql/OperateurSql.h"

namespace mvdb {

namespace {

// Tells our databases apart from any other SQLite file.
constexpr std::int64_t IdentifiantApplication = 0x4D564442;
const char* const Schema = R"sql(
PRAGMA user_version = 1;
BEGIN;
CREATE TABLE fichier(id INTEGER PRIMARY KEY, nom TEXT NOT NULL UNIQUE);
CREATE TABLE enreg(fichier INTEGER NOT NULL, cle BLOB NOT NULL, donnees BLOB NOT NULL, num REAL,
                   PRIMARY KEY(fichier, cle)) WITHOUT ROWID;
CREATE INDEX enreg_num ON enreg(fichier, num) WHERE num IS NOT NULL;
CREATE TABLE indexe(fichier INTEGER NOT NULL, nom TEXT NOT NULL, attribut INTEGER NOT NULL,
                    PRIMARY KEY(fichier, nom));
CREATE TABLE entree(fichier INTEGER NOT NULL, attribut INTEGER NOT NULL, texte BLOB NOT NULL,
                    cle BLOB NOT NULL, num REAL, multiple INTEGER NOT NULL,
                    PRIMARY KEY(fichier, attribut, texte, cle)) WITHOUT ROWID;
CREATE INDEX entree_num ON entree(fichier, attribut, num) WHERE num IS NOT NULL;
CREATE INDEX entree_multiple ON entree(fichier, attribut) WHERE multiple = 1;
COMMIT;
)sql";

// Readers never wait for a writer and see only committed transactions.
const char* const JournalPartage = "wal";

// Every write transaction of the engine is a load: an import, a copy, an index build. Its
// pages stay in a cache of 32 MiB until it commits. With SQLite's default of 2 MB, a page the
// cache let go went to the journal and was read back from it at each later change, which cost
// many times the database's size when the sorted runs of index entries swept a large index. A
// cache as large as the database spares that, but then a load's memory grows with its lines;
// 32 MiB bounds it, at no measurable cost for an import (see bench/README.md). Out of a write,
// the cache returns to SQLite's default size (2,000 KiB) and lets the pages go.
const char* const CacheChargement = "PRAGMA cache_size = -32768";
const char* const CacheOrdinaire = "PRAGMA cache_size = -2000";

// A sound SQLite file of another program is not one of our databases; a failure to read it
// keeps its own cause.
void verifierBase(Connexion& connexion, const std::string& chemin) {
    Instruction instruction = connexion.preparer("PRAGMA application_id");
    if (!instruction.avancer() || instruction.entier(0) != IdentifiantApplication) {
        throw erreurStockage(CauseEchec::PasUneBase, chemin);
    }
}

std::string texteRecherche(const Recherche& recherche) {
    const char* colonneTexte = recherche.surCle ? "cle" : "texte";
    std::string sql = recherche.surCle ? "SELECT cle FROM enreg WHERE fichier = ?1"
                      // Without statistics SQLite would walk every entry of the attribute
                      // rather than the few flagged ones.
                      : recherche.plusieursValeurs
                          ? "SELECT cle FROM entree INDEXED BY entree_multiple "
                            "WHERE fichier = ?1 AND attribut = ?2 AND multiple = 1"
                          : "SELECT cle FROM entree WHERE fichier = ?1 AND attribut = ?2";
    int rang = 3;
    for (const Recherche::Condition& condition : recherche.conditions) {
        sql += std::string(" AND ") +
               (condition.colonne == Recherche::Colonne::Texte ? colonneTexte : "num") +
               operateurSql(condition.comparateur) + "?" + std::to_string(rang++);
    }
    if (recherche.nonNumerique) {
        sql += " AND num IS NULL";
    }
    return sql;
}

}  // namespace

StockageSqlite::StockageSqlite(Connexion connexion, Mode mode, Creation creation)
    : connexion_(std::move(connexion)), mode_(mode), creation_(creation) {}

std::unique_ptr<StockageSqlite> StockageSqlite::creer(const std::string& chemin,
                                                      Creation creation) {
    std::error_code erreur;
    if (std::filesystem::exists(std::filesystem::symlink_status(chemin, erreur))) {
        throw erreurStockage(CauseEchec::Existante, chemin);
    }
    Connexion connexion(chemin, Connexion::Ouverture::Creation);
    auto stockage = std::unique_ptr<StockageSqlite>(
        new StockageSqlite(std::move(connexion), Mode::LectureEcriture, creation));
    if (creation == Creation::Partagee) {
        stockage->choisirJournal(JournalPartage);
    }
    stockage->connexion_.executer(Schema);
    stockage->connexion_.executer("PRAGMA application_id = " +
                                  std::to_string(IdentifiantApplication));
    stockage->connexion_.executer("PRAGMA synchronous = NORMAL");
    return stockage;
}

std::unique_ptr<StockageSqlite> StockageSqlite::ouvrir(const std::string& chemin, Mode mode) {
    verifierFichierSqlite(chemin);
    Connexion connexion(chemin, mode == Mode::LectureSeule ? Connexion::Ouverture::LectureSeule
                                                           : Connexion::Ouverture::LectureEcriture);
    verifierBase(connexion, chemin);
    if (mode == Mode::LectureEcriture) {
        connexion.executer("PRAGMA synchronous = NORMAL");
    }
    return std::unique_ptr<StockageSqlite>(
        new StockageSqlite(std::move(connexion), mode, Creation::Partagee));
}

void StockageSqlite::exigerEcriture() const {
    if (mode_ == Mode::LectureSeule) {
        throw erreurStockage(CauseEchec::OuverteEnLectureSeule, connexion_.chemin());
    }
}

bool StockageSqlite::transactionOuverte() const {
    return sqlite3_get_autocommit(connexion_.brute()) == 0;
}

void StockageSqlite::commencer(Genre genre) {
    if (genre == Genre::Lecture) {
        connexion_.executer("BEGIN DEFERRED");
        return;
    }
    connexion_.executer(CacheChargement);
    try {
        connexion_.executer("BEGIN IMMEDIATE");
    } catch (const dba::Erreur&) {
        annuler();
        throw;
    }
}

void StockageSqlite::valider() {
    connexion_.executer("COMMIT");
    rendreCache();
}

void StockageSqlite::annuler() noexcept {
    sqlite3_exec(connexion_.brute(), "ROLLBACK", nullptr, nullptr, nullptr);
    rendreCache();
}

// Only memory is at stake: a failure leaves the larger cache, and the transaction stands.
void StockageSqlite::rendreCache() noexcept {
    sqlite3_exec(connexion_.brute(), CacheOrdinaire, nullptr, nullptr, nullptr);
}

void StockageSqlite::mettreEnService() {
    if (creation_ == Creation::Chargement) {
        choisirJournal(JournalPartage);
        creation_ = Creation::Partagee;
    }
}

// SQLite keeps the journal it has when it cannot change it, and says which it kept.
void StockageSqlite::choisirJournal(const char* journal) {
    Instruction choix = connexion_.preparer(std::string("PRAGMA journal_mode = ") + journal);
    if (!choix.avancer() || choix.octets(0) != journal) {
        throw erreurStockage(CauseEchec::EntreeSortie, connexion_.chemin(),
                             std::string("journal ") + journal + " impossible");
    }
}

Instruction& StockageSqlite::instruction(const char* nom, const char* sql) const {
    auto trouve = instructions_.find(nom);
    if (trouve == instructions_.end()) {
        trouve = instructions_.emplace(nom, connexion_.preparer(sql)).first;
    }
    return trouve->second;
}

std::optional<IdFichier> StockageSqlite::chercherFichier(std::string_view nom) const {
    Instruction& recherche = instruction("fichier", "SELECT id FROM fichier WHERE nom = ?1");
    Remise remise(recherche);
    recherche.lierTexte(1, nom);
    if (!recherche.avancer()) {
        return std::nullopt;
    }
    return recherche.entier(0);
}

std::vector<FichierCatalogue> StockageSqlite::fichiers() const {
    Instruction liste = connexion_.preparer("SELECT nom, id FROM fichier ORDER BY nom");
    std::vector<FichierCatalogue> catalogue;
    while (liste.avancer()) {
        catalogue.push_back({std::string(liste.octets(0)), liste.entier(1)});
    }
    return catalogue;
}

IdFichier StockageSqlite::ajouterFichier(const std::string& nom) {
    Instruction inscription = connexion_.preparer("INSERT INTO fichier(nom) VALUES (?1)");
    inscription.lierTexte(1, nom);
    inscription.avancer();
    return sqlite3_last_insert_rowid(connexion_.brute());
}

std::optional<std::string> StockageSqlite::lire(IdFichier fichier, std::string_view cle) const {
    auto trouve = lecteurs_.find(fichier);
    if (trouve == lecteurs_.end()) {
        Instruction lecture =
            connexion_.preparer("SELECT donnees FROM enreg WHERE fichier = ?1 AND cle = ?2");
        lecture.lier(1, fichier);
        trouve = lecteurs_.emplace(fichier, std::move(lecture)).first;
    }
    Instruction& lecture = trouve->second;
    Remise remise(lecture);
    lecture.lierOctets(2, cle);
    if (!lecture.avancer()) {
        return std::nullopt;
    }
    return std::string(lecture.octets(0));
}

// The keys are read in ascending order (LectureOrdonnee), the answers given in the order asked.
std::vector<std::optional<std::string>> StockageSqlite::lireGroupe(
    IdFichier fichier, const std::vector<std::string>& cles) const {
    std::vector<std::size_t> ordre(cles.size());
    std::iota(ordre.begin(), ordre.end(), std::size_t{0});
    const auto avant = [&cles](std::size_t a, std::size_t b) { return cles[a] < cles[b]; };
    if (!std::is_sorted(cles.begin(), cles.end())) {
        std::sort(ordre.begin(), ordre.end(), avant);
    }
    std::vector<std::optional<std::string>> donnees(cles.size());
    LectureOrdonnee lecture(
        instruction("suite",
                    "SELECT cle, donnees FROM enreg WHERE fichier = ?1 AND cle >= ?2 ORDER BY cle"),
        fichier);
    for (const std::size_t rang : ordre) {
        donnees[rang] = lecture.lire(cles[rang]);
    }
    return donnees;
}

// A file costs no round trip: each file's keys are read on their own, in key order.
std::vector<std::vector<std::optional<std::string>>> StockageSqlite::lireGroupes(
    const std::vector<GroupeCles>& groupes) const {
    std::vector<std::vector<std::optional<std::string>>> donnees;
    donnees.reserve(groupes.size());
    for (const GroupeCles& groupe : groupes) {
        donnees.push_back(lireGroupe(groupe.fichier, groupe.cles));
    }
    return donnees;
}

std::unique_ptr<LectureDemandee> StockageSqlite::demanderGroupe(
    IdFichier fichier, std::vector<std::string> cles) const {
    // A read of a file costs no round trip: it is made when the answer is taken.
    class LectureDifferee : public LectureDemandee {
      public:
        LectureDifferee(const StockageSqlite& stockage, IdFichier fichier,
                        std::vector<std::string> cles)
            : stockage_(stockage), fichier_(fichier), cles_(std::move(cles)) {}
        std::vector<std::optional<std::string>> recevoir() override {
            return stockage_.lireGroupe(fichier_, cles_);
        }

      private:
        const StockageSqlite& stockage_;
        IdFichier fichier_;
        std::vector<std::string> cles_;
    };
    return std::make_unique<LectureDifferee>(*this, fichier, std::move(cles));
}

void StockageSqlite::parcourir(IdFichier fichier, const Visiteur& traiter) const {
    Instruction parcours =
        connexion_.preparer("SELECT cle, donnees FROM enreg WHERE fichier = ?1 ORDER BY cle");
    parcours.lier(1, fichier);
    while (parcours.avancer()) {
        traiter(parcours.octets(0), parcours.octets(1));
    }
}

std::int64_t StockageSqlite::compter(IdFichier fichier) const {
    Instruction comptage = connexion_.preparer("SELECT count(*) FROM enreg WHERE fichier = ?1");
    comptage.lier(1, fichier);
    comptage.avancer();
    return comptage.entier(0);
}

void StockageSqlite::ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees,
                            std::optional<double> nombre) {
    Instruction& ecriture = instruction(
        "ecriture",
        "INSERT OR REPLACE INTO enreg(fichier, cle, donnees, num) VALUES (?1, ?2, ?3, ?4)");
    Remise remise(ecriture);
    ecriture.lier(1, fichier).lierOctets(2, cle).lierOctets(3, donnees);
    if (nombre) {
        ecriture.lier(4, *nombre);
    } else {
        ecriture.lierNul(4);
    }
    ecriture.avancer();
}

std::vector<DeclarationIndex> StockageSqlite::declarations(IdFichier fichier) const {
    Instruction recherche =
        connexion_.preparer("SELECT nom, attribut FROM indexe WHERE fichier = ?1 ORDER BY nom");
    recherche.lier(1, fichier);
    std::vector<DeclarationIndex> declarations;
    while (recherche.avancer()) {
        declarations.push_back(
            {std::string(recherche.octets(0)), static_cast<int>(recherche.entier(1))});
    }
    return declarations;
}

void StockageSqlite::declarer(IdFichier fichier, const std::string& nom, int attribut) {
    Instruction declaration = connexion_.preparer(
        "INSERT OR REPLACE INTO indexe(fichier, nom, attribut) VALUES (?1, ?2, ?3)");
    declaration.lier(1, fichier).lierTexte(2, nom).lier(3, static_cast<std::int64_t>(attribut));
    declaration.avancer();
}

void StockageSqlite::viderEntrees(IdFichier fichier, int attribut) {
    Instruction& vidage =
        instruction("vidage", "DELETE FROM entree WHERE fichier = ?1 AND attribut = ?2");
    Remise remise(vidage);
    vidage.lier(1, fichier).lier(2, static_cast<std::int64_t>(attribut));
    vidage.avancer();
}

void StockageSqlite::ajouterEntree(const EntreeIndex& entree) {
    Instruction& ajout =
        instruction("ajout",
                    "INSERT INTO entree(fichier, attribut, texte, cle, num, multiple) "
                    "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    Remise remise(ajout);
    ajout.lier(1, entree.fichier)
        .lier(2, static_cast<std::int64_t>(entree.attribut))
        .lierOctets(3, entree.valeur)
        .lierOctets(4, entree.cle)
        .lier(6, static_cast<std::int64_t>(entree.multiple ? 1 : 0));
    if (entree.nombre) {
        ajout.lier(5, *entree.nombre);
    } else {
        ajout.lierNul(5);
    }
    ajout.avancer();
}

void StockageSqlite::retirerEntree(IdFichier fichier, int attribut, std::string_view cle,
                                   std::string_view valeur) {
    Instruction& retrait = instruction(
        "retrait",
        "DELETE FROM entree WHERE fichier = ?1 AND attribut = ?2 AND texte = ?3 AND cle = ?4");
    Remise remise(retrait);
    retrait.lier(1, fichier)
        .lier(2, static_cast<std::int64_t>(attribut))
        .lierOctets(3, valeur)
        .lierOctets(4, cle);
    retrait.avancer();
}

void StockageSqlite::chercher(IdFichier fichier, const Recherche& recherche,
                              std::vector<std::string>& cles) const {
    Instruction requete = connexion_.preparer(texteRecherche(recherche));
    requete.lier(1, fichier);
    if (!recherche.surCle) {
        requete.lier(2, static_cast<std::int64_t>(recherche.attribut));
    }
    int rang = 3;
    for (const Recherche::Condition& condition : recherche.conditions) {
        if (const auto* texte = std::get_if<std::string>(&condition.valeur)) {
            requete.lierOctets(rang++, *texte);
        } else {
            requete.lier(rang++, std::get<double>(condition.valeur));
        }
    }
    while (requete.avancer()) {
        cles.emplace_back(requete.octets(0));
    }
}

// A lookup in a file costs no round trip: each is made on its own.
void StockageSqlite::chercherEnsemble(IdFichier fichier, const std::vector<Recherche>& recherches,
                                      std::vector<std::string>& cles) const {
    for (const Recherche& recherche : recherches) {
        chercher(fichier, recherche, cles);
    }
}

}  // namespace mvdb
