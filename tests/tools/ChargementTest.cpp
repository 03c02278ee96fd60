// Databases the tools create and fill in one go (create, demo, copy): they are loaded the
// quickest way, under a provisional name only the command uses, and appear at their name only
// whole and ready to be shared, as every other database is.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <sstream>

#include "mvdb/Base.h"

#include "ProgrammesEssai.h"

namespace {

using essai::Db;

// A record of its own for each database.
QByteArray ligneAjoutee(const QString& base) {
    return R"({"file":"ACCORD","id":")" + QFileInfo(base).fileName().toUtf8() +
           R"(","record":["041"]})" + "\n";
}

// Another program reading the database, its read view held as a print run holds it for its
// whole length.
class LecteurEnCours {
  public:
    explicit LecteurEnCours(const QString& base) {
        EXPECT_EQ(
            sqlite3_open_v2(base.toUtf8().constData(), &connexion_, SQLITE_OPEN_READONLY, nullptr),
            SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(connexion_, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
        enregistrementsAuDebut_ = compter();
    }
    ~LecteurEnCours() {
        sqlite3_exec(connexion_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(connexion_);
    }
    LecteurEnCours(const LecteurEnCours&) = delete;
    LecteurEnCours& operator=(const LecteurEnCours&) = delete;

    std::int64_t enregistrementsAuDebut() const { return enregistrementsAuDebut_; }

    std::int64_t compter() const {
        sqlite3_stmt* comptage = nullptr;
        std::int64_t nombre = -1;
        if (sqlite3_prepare_v2(connexion_, "SELECT count(*) FROM enreg", -1, &comptage, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(comptage) == SQLITE_ROW) {
            nombre = sqlite3_column_int64(comptage, 0);
        }
        sqlite3_finalize(comptage);
        return nombre;
    }

  private:
    sqlite3* connexion_ = nullptr;
    std::int64_t enregistrementsAuDebut_ = -1;
};

class Chargement : public ::testing::Test {
  protected:
    QString chemin(const char* nom) const { return dossier_.filePath(QString::fromUtf8(nom)); }

    // What a load may leave beside a database: its provisional files, a rollback journal.
    QStringList restesDeChargement() const {
        return QDir(dossier_.path())
            .entryList({QStringLiteral("*.partiel*"), QStringLiteral("*-journal")}, QDir::Files);
    }

    QTemporaryDir dossier_;
};

// An import waits for no reader, and a reader's view does not move under it: what a shared
// database gives from its creation on, whatever command made it.
TEST_F(Chargement, ADatabaseACommandCreatedTakesAnImportWhileAReaderHoldsItsView) {
    const QString source = chemin("demo.db");
    const std::vector<std::pair<QStringList, QString>> commandes = {
        {{"create", chemin("vide.db")}, chemin("vide.db")},
        {{"demo", source, "--size", "demo"}, source},
        {{"copy", source, chemin("copie.db")}, chemin("copie.db")}};
    for (const auto& [commande, base] : commandes) {
        SCOPED_TRACE(commande.join(' ').toStdString());
        const auto creation = Db(commande);
        ASSERT_EQ(creation.code, 0) << creation.erreurs.toStdString();
        {
            const LecteurEnCours lecteur(base);
            const auto import = Db({"import", base}, ligneAjoutee(base));
            EXPECT_EQ(import.code, 0) << import.erreurs.toStdString();
            EXPECT_EQ(lecteur.compter(), lecteur.enregistrementsAuDebut());
            EXPECT_EQ(LecteurEnCours(base).compter(), lecteur.enregistrementsAuDebut() + 1);
        }
        const QString cle = QFileInfo(base).fileName();
        EXPECT_EQ(Db({"read", base, "ACCORD", cle}).sortie, "0\t" + cle + "\n1\t041\n");
    }
    EXPECT_EQ(restesDeChargement(), QStringList{});
}

// kill -9 while the demo is generated, from its first records to its index and its hand-over:
// the database is then not at its name at all, or there whole.
TEST_F(Chargement, ADemoKilledAtAnyPointLeavesNoDatabaseOrAWholeOne) {
    const QStringList taille = {"--aides", "20000", "--annees", "3"};
    const QString entiere = chemin("entiere.db");
    ASSERT_EQ(Db(QStringList{"demo", entiere} + taille).code, 0);
    const QString attendue = Db({"export", entiere}).sortie;
    const QString base = chemin("demo.db");
    bool interrompue = false;
    for (const int attente : {0, 30, 100, 250, 500, 800, 1200, 1700, 2400, 3500}) {
        SCOPED_TRACE(attente);
        QProcess demo;
        demo.start(QStringLiteral(ARDOINE_DB_PROGRAMME), QStringList{"demo", base} + taille);
        ASSERT_TRUE(demo.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(attente));
        ::kill(static_cast<pid_t>(demo.processId()), SIGKILL);
        demo.waitForFinished();
        if (!QFileInfo::exists(base)) {
            interrompue = true;
            continue;
        }
        EXPECT_EQ(Db({"export", base}).sortie, attendue);
        QFile::remove(base);
    }
    // The early points at least stop it before its end.
    EXPECT_TRUE(interrompue);
    const auto encore = Db(QStringList{"demo", base} + taille);
    EXPECT_EQ(encore.code, 0) << encore.erreurs.toStdString();
    EXPECT_EQ(Db({"export", base}).sortie, attendue);
}

// A load keeps the pages it writes in memory until it commits, up to a bound: an import of a
// database larger than the bound holds no more than the bound, however many lines it has.
TEST(ChargementEnMemoire, AnImportLargerThanTheLoadCacheHoldsNoMoreThanIt) {
    QTemporaryDir dossier;
    const std::string texte(400, 'x');
    std::string lignes;
    for (int cle = 0; cle < 150000; ++cle) {
        lignes +=
            R"({"file":"F","id":")" + std::to_string(cle) + R"(","record":[")" + texte + "\"]}\n";
    }
    auto base = mvdb::Base::creer(dossier.filePath(QStringLiteral("grande.db")).toStdString());
    std::istringstream flux(lignes);
    sqlite3_memory_highwater(1);
    base.importer(flux);
    EXPECT_LT(sqlite3_memory_highwater(0), 48 * 1024 * 1024);
    EXPECT_GT(QFileInfo(dossier.filePath(QStringLiteral("grande.db"))).size(), 60 * 1024 * 1024);
}

// A load keeps its pages in memory and writes most of them as it commits: a file-size limit
// met then is named as it is when met at the first pages, and nothing is left.
TEST_F(Chargement, ADemoPastTheFileSizeLimitSaysSoAndLeavesNothing) {
    const QString base = chemin("demo.db");
    const auto demo = Db({"demo", base, "--aides", "20000", "--annees", "3"}, {}, {},
                         essai::LimiteDeTailleA(1024 * 1024));
    EXPECT_EQ(demo.code, 1);
    EXPECT_EQ(demo.erreurs, "erreur : La taille de fichier permise est dépassée : la base « " +
                                base + " » n'a pas été modifiée.\n");
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files), QStringList{});
}

}  // namespace
