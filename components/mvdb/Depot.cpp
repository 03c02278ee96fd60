#include "Depot.h"

#include <sqlite3.h>

#include <filesystem>

#include "EchecStockage.h"
#include "FichierSqlite.h"
#include "dba/Erreur.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

// Tells our databases apart from any other SQLite file.
constexpr std::int64_t IdentifiantApplication = 0x4D564442;
constexpr std::string_view PrefixeDictionnaire = "DICT ";
const char* const Schema = R"sql(
PRAGMA journal_mode = WAL;
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

bool nomSimpleValide(std::string_view nom) {
    if (nom.empty()) {
        return false;
    }
    for (const char c : nom) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet <= ' ' || c == '"' || c == dba::MarqueAttribut || c == dba::MarqueValeur ||
            c == dba::MarqueSousValeur) {
            return false;
        }
    }
    return true;
}

std::string_view fichierDecrit(std::string_view nom) {
    if (nom.starts_with(PrefixeDictionnaire)) {
        return nom.substr(PrefixeDictionnaire.size());
    }
    return nom;
}

// A sound SQLite file of another program is not one of our databases; a failure to read it
// keeps its own cause.
void verifierBase(Connexion& connexion, const std::string& chemin) {
    Instruction instruction = connexion.preparer("PRAGMA application_id");
    if (!instruction.avancer() || instruction.entier(0) != IdentifiantApplication) {
        throw erreurStockage(CauseEchec::PasUneBase, chemin);
    }
}

}  // namespace

std::string nomDictionnaire(const std::string& fichier) {
    return std::string(PrefixeDictionnaire) + fichier;
}

Depot::Depot(Connexion connexion, Mode mode) : connexion_(std::move(connexion)), mode_(mode) {}

Depot Depot::creer(const std::string& chemin) {
    std::error_code erreur;
    if (std::filesystem::exists(std::filesystem::symlink_status(chemin, erreur))) {
        throw dba::Erreur(dba::ErrStockage, "La base « " + chemin + " » existe déjà.");
    }
    Connexion connexion(chemin, Connexion::Ouverture::Creation);
    connexion.executer(Schema);
    connexion.executer("PRAGMA application_id = " + std::to_string(IdentifiantApplication));
    connexion.executer("PRAGMA synchronous = NORMAL");
    return Depot(std::move(connexion), Mode::LectureEcriture);
}

Depot Depot::ouvrir(const std::string& chemin, Mode mode) {
    verifierFichierSqlite(chemin);
    Connexion connexion(chemin, mode == Mode::LectureSeule ? Connexion::Ouverture::LectureSeule
                                                           : Connexion::Ouverture::LectureEcriture);
    verifierBase(connexion, chemin);
    if (mode == Mode::LectureEcriture) {
        connexion.executer("PRAGMA synchronous = NORMAL");
    }
    return Depot(std::move(connexion), mode);
}

void Depot::exigerEcriture() const {
    if (mode_ == Mode::LectureSeule) {
        throw dba::Erreur(dba::ErrStockage,
                          "La base « " + connexion_.chemin() + " » est ouverte en lecture seule.");
    }
}

std::optional<IdFichier> Depot::chercherFichier(std::string_view nom) const {
    Instruction instruction = connexion_.preparer("SELECT id FROM fichier WHERE nom = ?1");
    instruction.lierTexte(1, nom);
    if (!instruction.avancer()) {
        return std::nullopt;
    }
    return instruction.entier(0);
}

IdFichier Depot::fichier(const std::string& nom) const {
    if (const auto id = chercherFichier(nom)) {
        return *id;
    }
    throw dba::Erreur(dba::ErrFichierInconnu, "Le fichier « " + nom + " » n'existe pas.");
}

std::vector<std::string> Depot::fichiers() const {
    Instruction instruction = connexion_.preparer("SELECT nom FROM fichier ORDER BY nom");
    std::vector<std::string> noms;
    while (instruction.avancer()) {
        noms.emplace_back(instruction.octets(0));
    }
    return noms;
}

IdFichier Depot::creerFichier(const std::string& nom) {
    exigerEcriture();
    const std::string decrit(fichierDecrit(nom));
    if (!nomSimpleValide(decrit)) {
        throw dba::Erreur(dba::ErrArgument, "Nom de fichier incorrect : « " + nom + " ».");
    }
    const IdFichier id = inscrireFichier(decrit);
    const IdFichier idDictionnaire = inscrireFichier(nomDictionnaire(decrit));
    return decrit == nom ? id : idDictionnaire;
}

IdFichier Depot::inscrireFichier(const std::string& nom) {
    if (const auto id = chercherFichier(nom)) {
        return *id;
    }
    Instruction instruction = connexion_.preparer("INSERT INTO fichier(nom) VALUES (?1)");
    instruction.lierTexte(1, nom);
    instruction.avancer();
    return sqlite3_last_insert_rowid(connexion_.brute());
}

std::optional<std::string> Depot::lire(IdFichier fichier, std::string_view cle) const {
    auto trouve = lecteurs_.find(fichier);
    if (trouve == lecteurs_.end()) {
        Instruction instruction =
            connexion_.preparer("SELECT donnees FROM enreg WHERE fichier = ?1 AND cle = ?2");
        instruction.lier(1, fichier);
        trouve = lecteurs_.emplace(fichier, std::move(instruction)).first;
    }
    Instruction& instruction = trouve->second;
    Remise remise(instruction);
    instruction.lierOctets(2, cle);
    if (!instruction.avancer()) {
        return std::nullopt;
    }
    return std::string(instruction.octets(0));
}

void Depot::parcourir(
    IdFichier fichier,
    const std::function<void(std::string_view cle, std::string_view donnees)>& traiter) const {
    Instruction instruction =
        connexion_.preparer("SELECT cle, donnees FROM enreg WHERE fichier = ?1 ORDER BY cle");
    instruction.lier(1, fichier);
    while (instruction.avancer()) {
        traiter(instruction.octets(0), instruction.octets(1));
    }
}

}  // namespace mvdb
