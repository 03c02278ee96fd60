// Every storage operation of `ardoine-db import` and `ardoine-db copy` fails in turn: the
// N-th one for N = 1, 2, 3..., once and then for good, until a run meets no injected failure,
// which shows that every point was crossed. After each failure the databases are exactly as
// before (a dump of every row of the store's tables, index entries included), a copy leaves
// no destination behind, and the message is French and shows no password. A run the fault did
// not stop must have done all its work. On the SQLite file the faults come from a VFS
// wrapping the default one; on the server, from the boundary between the store and libpq.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QStringList>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>

#include "BaseTemporaire.h"
#include "ConsoleEssai.h"
#include "LibpqEnPanne.h"
#include "VfsEnPanne.h"
#include "dbtool/FichierProvisoire.h"
#include "mvdb/postgres/Postgres.h"

namespace {

namespace fs = std::filesystem;
using Duree = PlanDePanne::Duree;
using GenrePg = libpq_en_panne::Genre;

const char* const MotDePasse = "Secret-De-Test";

using essai::Lancer;
using Issue = essai::Resultat;

QStringList arguments(std::initializer_list<std::string> mots) {
    QStringList liste;
    for (const std::string& mot : mots) {
        liste << QString::fromStdString(mot);
    }
    return liste;
}

std::string ligne(const std::string& fichier, int numero, int jour) {
    return ligneJson(fichier, "K" + std::to_string(1000 + numero),
                     {std::to_string(jour), "041", "texte " + std::to_string(numero)});
}

// A file with a dictionary item and an index on it.
std::string donneesInitiales(int enregistrements) {
    std::string lignes = itemJson("ACCORD", "DateFin", "D", "1");
    for (int i = 0; i < enregistrements; ++i) {
        lignes += ligne("ACCORD", i, 21500 + i);
    }
    return lignes;
}

// Rewrites the last third of the records (their index entries move), adds as many again
// and a new file.
std::string lignesImportees(int enregistrements) {
    std::string lignes;
    for (int i = enregistrements * 2 / 3; i < enregistrements * 2; ++i) {
        lignes += ligne("ACCORD", i, 22000 + i);
    }
    for (int i = 0; i < 5; ++i) {
        lignes += ligne("COMMUNE", i, 1);
    }
    return lignes;
}

// Every row of the SQLite store's tables, or "absente".
std::string contenuFichier(const std::string& chemin) {
    if (!fs::exists(chemin)) {
        return "absente";
    }
    sqlite3* base = nullptr;
    std::string contenu;
    if (sqlite3_open_v2(chemin.c_str(), &base, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        for (const char* sql :
             {"SELECT id || nom FROM fichier ORDER BY id",
              "SELECT fichier || hex(cle) || hex(donnees) || ifnull(num, '-') FROM enreg "
              "ORDER BY fichier, cle",
              "SELECT fichier || nom || attribut FROM indexe ORDER BY fichier, nom",
              "SELECT fichier || '/' || attribut || hex(texte) || hex(cle) || ifnull(num, '-') "
              "|| multiple FROM entree ORDER BY fichier, attribut, texte, cle"}) {
            sqlite3_stmt* instruction = nullptr;
            sqlite3_prepare_v2(base, sql, -1, &instruction, nullptr);
            int code = SQLITE_ROW;
            while ((code = sqlite3_step(instruction)) == SQLITE_ROW) {
                contenu += reinterpret_cast<const char*>(sqlite3_column_text(instruction, 0));
                contenu += '\n';
            }
            contenu += code == SQLITE_DONE ? "--\n" : "illisible\n";
            sqlite3_finalize(instruction);
        }
    }
    sqlite3_close(base);
    return contenu;
}

// One session per database for the dumps, kept from one run to the next.
std::map<std::string, std::unique_ptr<mvdb::ConnexionPg>>& sessionsDeLecture() {
    static std::map<std::string, std::unique_ptr<mvdb::ConnexionPg>> sessions;
    return sessions;
}

// Every row of the server store's tables, or "absente" when its schema is missing.
std::string contenuServeur(const std::string& nom) {
    auto& session = sessionsDeLecture()[nom];
    if (!session) {
        session = std::make_unique<mvdb::ConnexionPg>(nom, "essai");
    }
    mvdb::ConnexionPg& connexion = *session;
    if (connexion.executer("SELECT 1 FROM pg_namespace WHERE nspname = 'mvdb'").lignes() == 0) {
        return "absente";
    }
    std::string contenu;
    for (const char* sql :
         {"SELECT string_agg(id || encode(nom, 'hex'), ',' ORDER BY id) FROM mvdb.fichier",
          "SELECT string_agg(fichier || encode(cle, 'hex') || encode(donnees, 'hex') || "
          "coalesce(num::text, '-'), ',' ORDER BY fichier, cle) FROM mvdb.enreg",
          "SELECT string_agg(fichier || encode(nom, 'hex') || attribut, ',' "
          "ORDER BY fichier, nom) FROM mvdb.indexe",
          "SELECT string_agg(fichier || '/' || attribut || encode(texte, 'hex') || "
          "encode(cle, 'hex') || coalesce(num::text, '-') || multiple, ',' "
          "ORDER BY fichier, attribut, texte, cle) FROM mvdb.entree"}) {
        contenu += std::string(connexion.executer(sql).octets(0, 0)) + "\n";
    }
    return contenu;
}

bool surServeur(const std::string& nom) {
    return nom.starts_with("host=");
}

std::string contenu(const std::string& nom) {
    return surServeur(nom) ? contenuServeur(nom) : contenuFichier(nom);
}

// What the engine gives of a database, through its public export, and its index declarations.
std::string exportee(const std::string& nom) {
    const auto base = mvdb::Base::ouvrir(nom, mvdb::Mode::LectureSeule);
    std::ostringstream flux;
    base.exporter(flux);
    for (const std::string& fichier : base.fichiers()) {
        for (const std::string& item : base.index(fichier)) {
            flux << fichier << " indexé sur " << item << '\n';
        }
    }
    return flux.str();
}

void supprimer(const std::string& nom) {
    if (surServeur(nom)) {
        mvdb::ConnexionPg(nom, "essai").commander("DROP SCHEMA IF EXISTS mvdb CASCADE");
    } else {
        dbtool::supprimerBase(nom);
    }
}

void remplir(const std::string& nom, int enregistrements) {
    auto base = mvdb::Base::creer(nom);
    std::istringstream lignes(donneesInitiales(enregistrements));
    base.importer(lignes);
    base.declarerIndex("ACCORD", "DateFin");
}

// What a copy into a file may leave beside it: its provisional file and side files.
std::vector<std::string> provisoiresDuDossier(const fs::path& dossier) {
    std::vector<std::string> noms;
    for (const auto& entree : fs::directory_iterator(dossier)) {
        if (entree.path().filename().string().find(".partiel-") != std::string::npos) {
            noms.push_back(entree.path().filename().string());
        }
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

// Words of SQLite's, libpq's and the server's English texts.
bool texteAnglais(const std::string& texte) {
    for (const char* mot :
         {"error", "failed", "could not", "unable", "closed", "connection", "terminating",
          "database", "disk I/O", "memory", "no such", "denied", "read only", "block", "file \"",
          "server", "unexpected", "timeout", "not "}) {
        if (texte.find(mot) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// One command of the campaign: its databases, how to put them in their state before a run,
// and what the run must have made of them when nothing stopped it.
struct Scenario {
    std::vector<std::string> bases;  // every database the command touches
    std::function<void()> preparer;  // puts every database back in its state before
    std::function<Issue()> executer;
    std::function<void()> verifierSucces;  // after a run the fault did not stop
    fs::path dossier;                      // the folder of the files, for what a copy leaves
};

int echecs() {
    return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
}

// Runs the command with the N-th operation failing, N = 1, 1 + pas, 1 + 2 pas, ..., until a
// run meets no injected failure; returns the number of points crossed (with pas 1, the number
// of operations the command makes).
long parcourir(const Scenario& scenario, PlanDePanne& plan, Duree duree, long pas) {
    const int echecsAuDebut = echecs();
    scenario.preparer();
    for (long rang = 1;; rang += pas) {
        std::vector<std::string> avant;
        for (const std::string& nom : scenario.bases) {
            avant.push_back(contenu(nom));
        }
        const auto dossierAvant = provisoiresDuDossier(scenario.dossier);
        plan.armer(rang, duree);
        const Issue issue = scenario.executer();
        const long injectees = plan.desarmer();

        SCOPED_TRACE("opération " + std::to_string(rang) + " : " + issue.erreurs);
        if (issue.code == 0) {
            EXPECT_NO_THROW(scenario.verifierSucces());
            EXPECT_EQ(provisoiresDuDossier(scenario.dossier), dossierAvant);
            if (injectees == 0) {
                return pas == 1 ? rang - 1 : rang / pas;
            }
            scenario.preparer();
            continue;
        }
        EXPECT_GT(injectees, 0);
        EXPECT_EQ(issue.code, 1);
        EXPECT_TRUE(issue.erreurs.starts_with("erreur : "));
        EXPECT_FALSE(texteAnglais(issue.erreurs));
        EXPECT_EQ(issue.erreurs.find(MotDePasse), std::string::npos);
        // A copy makes the server database in its own transaction: cut anywhere, even by a
        // server that does not come back in time to have anything removed, it leaves none.
        for (std::size_t i = 0; i < scenario.bases.size(); ++i) {
            EXPECT_EQ(contenu(scenario.bases[i]), avant[i]) << scenario.bases[i];
        }
        EXPECT_EQ(provisoiresDuDossier(scenario.dossier), dossierAvant);
        if (echecs() > echecsAuDebut) {
            return -rang;
        }
    }
}

class PannesInjectees : public ::testing::Test {
  protected:
    static constexpr int Enregistrements = 30;

    void SetUp() override {
        vfs_en_panne::plan();
        if (lieu_.surServeur()) {
            administration_ =
                std::make_unique<mvdb::ConnexionPg>(lieu_.nom("administration"), "essai");
            libpq_en_panne::terminerPar([this](int pid) {
                administration_->executer("SELECT pg_terminate_backend(" + std::to_string(pid) +
                                          ", 5000)");
            });
        }
    }
    void TearDown() override {
        libpq_en_panne::terminerPar({});
        sessionsDeLecture().clear();
    }

    bool surServeur() const { return lieu_.surServeur(); }
    std::string fichier(const std::string& nom) const { return (dossier_ / nom).string(); }
    std::string serveur(const std::string& court) const {
        return lieu_.nom(court) + " password=" + MotDePasse;
    }

    Scenario importation(const std::string& base, int enregistrements) {
        const auto importees = dossier_ / "importees.jsonl";
        std::ofstream(importees) << lignesImportees(enregistrements);
        remplir(base, enregistrements);
        const std::string initiale = contenu(base);
        {
            auto attendue = mvdb::Base::creer(fichier("attendue.db"));
            std::istringstream lignes(donneesInitiales(enregistrements) +
                                      lignesImportees(enregistrements));
            attendue.importer(lignes);
            attendue.declarerIndex("ACCORD", "DateFin");
        }
        const std::string attendue = exportee(fichier("attendue.db"));
        dbtool::supprimerBase(fichier("attendue.db"));
        return {{base},
                [=] {
                    if (contenu(base) != initiale) {
                        supprimer(base);
                        remplir(base, enregistrements);
                    }
                },
                [=] {
                    return Lancer(arguments({"import", base, importees.string()}));
                },
                [=] { EXPECT_EQ(exportee(base), attendue); },
                dossier_};
    }

    Scenario copie(const std::string& source, const std::string& destination, int enregistrements) {
        remplir(source, enregistrements);
        const std::string attendue = exportee(source);
        return {{source, destination},
                [=] { supprimer(destination); },
                [=] {
                    return Lancer(arguments({"copy", source, destination}));
                },
                [=] { EXPECT_EQ(exportee(destination), attendue); },
                dossier_};
    }

    // Every point once; a fault that lasts, at every third point. The counts go to the test's
    // output.
    void parcourirFichier(const Scenario& scenario, const std::string& nom) {
        for (const auto& [duree, pas] : {std::pair{Duree::Une, 1L}, {Duree::Persistante, 3L}}) {
            const long points = parcourir(scenario, vfs_en_panne::plan(), duree, pas);
            std::cout << nom << ", fichier, " << texte(duree, pas) << " : " << points
                      << " points\n";
            EXPECT_GT(points, 0);
        }
    }

    // The lost connection at every point; the lasting loss, the ended session and the
    // refused statement at every fifth, each round trip costing more than a file's call.
    void parcourirServeur(const Scenario& scenario, const std::string& nom) {
        struct Campagne {
            GenrePg genre;
            const char* nom;
            Duree duree;
            long pas;
        };
        for (const Campagne& campagne :
             {Campagne{GenrePg::Coupure, "coupure", Duree::Une, 1},
              Campagne{GenrePg::Coupure, "coupure", Duree::Persistante, 5},
              Campagne{GenrePg::Terminaison, "fin de session", Duree::Une, 5},
              Campagne{GenrePg::Refus, "refus", Duree::Une, 5}}) {
            libpq_en_panne::choisir(campagne.genre);
            const long points =
                parcourir(scenario, libpq_en_panne::plan(), campagne.duree, campagne.pas);
            std::cout << nom << ", serveur, " << campagne.nom << ", "
                      << texte(campagne.duree, campagne.pas) << " : " << points << " points\n";
            EXPECT_GT(points, 0);
        }
    }

    static std::string texte(Duree duree, long pas) {
        return std::string(duree == Duree::Une ? "une fois" : "persistante") + ", pas de " +
               std::to_string(pas);
    }

    LieuEssai lieu_;
    LieuEssai fichiers_{true};
    fs::path dossier_ = fs::path(fichiers_.nom("dossier"));
    std::unique_ptr<mvdb::ConnexionPg> administration_;

    void creerDossier() { fs::create_directories(dossier_); }
};

// The scenarios on files alone, registered in the file pass only.
class PannesInjecteesSurFichier : public PannesInjectees {
  protected:
    void SetUp() override {
        if (surServeur()) {
            GTEST_SKIP() << "le fichier seulement";
        }
        PannesInjectees::SetUp();
        creerDossier();
    }
};

TEST_F(PannesInjecteesSurFichier, ImportIntoAFile) {
    parcourirFichier(importation(fichier("base.db"), Enregistrements), "import");
}

TEST_F(PannesInjecteesSurFichier, CopyFromFileToFile) {
    parcourirFichier(copie(fichier("source.db"), fichier("copie.db"), Enregistrements),
                     "copie fichier vers fichier");
}

// The scenarios that need the test cluster, registered in the server pass only.
class PannesInjecteesSurServeur : public PannesInjectees {
  protected:
    void SetUp() override {
        if (!surServeur()) {
            GTEST_SKIP() << "sur le serveur seulement";
        }
        PannesInjectees::SetUp();
        creerDossier();
    }
};

TEST_F(PannesInjecteesSurServeur, ImportIntoAServer) {
    parcourirServeur(importation(serveur("base"), Enregistrements), "import");
}

TEST_F(PannesInjecteesSurServeur, CopyFromFileToServer) {
    const Scenario scenario = copie(fichier("source.db"), serveur("copie"), Enregistrements);
    parcourirFichier(scenario, "copie fichier vers serveur");
    parcourirServeur(scenario, "copie fichier vers serveur");
}

TEST_F(PannesInjecteesSurServeur, CopyFromServerToFile) {
    const Scenario scenario = copie(serveur("source"), fichier("copie.db"), Enregistrements);
    parcourirFichier(scenario, "copie serveur vers fichier");
    parcourirServeur(scenario, "copie serveur vers fichier");
}

}  // namespace
