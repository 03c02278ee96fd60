#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <set>

#include "ProgrammesEssai.h"

// The tool as an office uses it when things go wrong: shared folders users cannot write, full
// disks, a second import, a damaged copy. Each failure names its cause and the user's file.
namespace {

using essai::Db;

// Root may write anywhere: the ordinary user's view is taken as "nobody".
void enUtilisateurOrdinaire() {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        ::_exit(99);
    }
}

QByteArray lignes(int nombre, const QByteArray& valeur) {
    QByteArray texte;
    for (int i = 0; i < nombre; ++i) {
        texte += R"({"file":"ACCORD","id":"K)" + QByteArray::number(100000 + i) +
                 R"(","record":[")" + valeur + R"(","041"]})" + "\n";
    }
    return texte;
}

QByteArray empreinte(const QString& chemin) {
    QFile fichier(chemin);
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(fichier.readAll(), QCryptographicHash::Sha256);
}

class PannesStockage : public ::testing::Test {
  protected:
    void SetUp() override {
        // Other users must reach the folder.
        QFile::setPermissions(dossier_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther);
        ASSERT_EQ(Db({"create", base_}).code, 0);
        const auto import = Db({"import", base_}, lignes(300, "avant"));
        ASSERT_EQ(import.code, 0) << import.erreurs.toStdString();
        avant_ = Db({"export", base_}).sortie;
    }

    // sansFichiersAnnexes: as an administrator leaves it, without the side files a reader of a
    // WAL database leaves behind.
    void dossierEnLectureSeule(bool sansFichiersAnnexes) {
        if (sansFichiersAnnexes) {
            QFile::remove(base_ + "-wal");
            QFile::remove(base_ + "-shm");
        }
        QFile::setPermissions(base_, QFile::ReadOwner | QFile::ReadOther);
        QFile::setPermissions(dossier_.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                   QFile::ReadOther | QFile::ExeOther);
    }

    void TearDown() override {
        QFile::setPermissions(dossier_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir dossier_;
    QString base_ = dossier_.filePath(QStringLiteral("base.db"));
    QString avant_;
};

TEST_F(PannesStockage, ADatabaseInAFolderUsersCannotWriteOpensAndReads) {
    for (const bool sansFichiersAnnexes : {false, true}) {
        SCOPED_TRACE(sansFichiersAnnexes);
        TearDown();
        dossierEnLectureSeule(sansFichiersAnnexes);
        const auto selection =
            Db({"select", base_, R"(SSELECT ACCORD AVEC 1 = "avant" AND AVEC 0 <= "K100001")",
                "--columns", "0 2"},
               {}, {}, enUtilisateurOrdinaire);
        EXPECT_EQ(selection.code, 0) << selection.erreurs.toStdString();
        EXPECT_EQ(selection.sortie, "K100000\t041\nK100001\t041\n");
        EXPECT_EQ(Db({"read", base_, "ACCORD", "K100299"}, {}, {}, enUtilisateurOrdinaire).sortie,
                  "0\tK100299\n1\tavant\n2\t041\n");
    }
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files), QStringList{"base.db"});

    const auto import = Db({"import", base_}, lignes(1, "apres"), {}, enUtilisateurOrdinaire);
    EXPECT_EQ(import.code, 1);
    EXPECT_EQ(import.erreurs, "erreur : Permission refusée sur « " + base_ +
                                  " » : la base ne peut pas être modifiée.\n");
}

TEST_F(PannesStockage, AFileSizeLimitMetDuringAnImportLeavesTheDatabaseAsItWas) {
    const auto import = Db({"import", base_}, lignes(20000, QByteArray(100, 'n')), {},
                           essai::LimiteDeTailleA(512 * 1024));
    EXPECT_EQ(import.code, 1);
    EXPECT_EQ(import.erreurs, "erreur : La taille de fichier permise est dépassée : la base « " +
                                  base_ + " » n'a pas été modifiée.\n");
    EXPECT_EQ(Db({"export", base_}).sortie, avant_);
}

TEST_F(PannesStockage, ASecondImportIsToldTheDatabaseIsLocked) {
    QProcess premiere;
    premiere.start(QStringLiteral(ARDOINE_DB_PROGRAMME), {"import", base_});
    ASSERT_TRUE(premiere.waitForStarted());
    // The first import holds the write lock from its first line until its input ends.
    premiere.write(lignes(1, "premiere"));
    premiere.waitForBytesWritten();
    QThread::msleep(300);
    const auto seconde = Db({"import", base_}, lignes(1, "seconde"));
    EXPECT_EQ(seconde.code, 1);
    EXPECT_EQ(seconde.erreurs, "erreur : La base « " + base_ +
                                   " » est verrouillée par une autre importation ; réessayez "
                                   "quand elle sera terminée.\n");
    premiere.closeWriteChannel();
    ASSERT_TRUE(premiere.waitForFinished(60000));
    EXPECT_EQ(premiere.exitCode(), 0);
    EXPECT_EQ(Db({"read", base_, "ACCORD", "K100000"}).sortie, "0\tK100000\n1\tpremiere\n2\t041\n");
}

// A folder the user cannot write, one they cannot even search (no x), and one that is missing:
// each is named in French, never by the provisional file or the system's English text.
TEST_F(PannesStockage, CreateInAFolderItCannotUseNamesTheFolderAndExitsWithTwo) {
    QDir(dossier_.path()).mkdir(QStringLiteral("ferme"));
    QFile::setPermissions(dossier_.filePath(QStringLiteral("ferme")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadOther | QFile::WriteOther);
    const auto refus = [](const QString& base) {
        return "Permission refusée sur le dossier de la base « " + base + " ».";
    };
    const QString absente = dossier_.filePath(QStringLiteral("absent/nouvelle.db"));
    const std::vector<std::string> bases = {"nouvelle.db", "ferme/nouvelle.db",
                                            "ferme/sous/nouvelle.db"};
    std::vector<std::pair<QString, QString>> cas;
    for (const std::string& base : bases) {
        const QString chemin = dossier_.filePath(QString::fromStdString(base));
        cas.emplace_back(chemin, refus(chemin));
    }
    cas.emplace_back(absente, "Le dossier de la base « " + absente + " » n'existe pas.");
    for (const auto& [base, message] : cas) {
        SCOPED_TRACE(base.toStdString());
        const auto creation = Db({"create", base}, {}, {}, enUtilisateurOrdinaire);
        EXPECT_EQ(creation.code, 2);
        EXPECT_EQ(creation.erreurs,
                  "erreur : " + message + "\n« ardoine-db create --help » décrit la commande.\n");
    }
    EXPECT_TRUE(QDir(dossier_.path()).entryList({QStringLiteral("nouvelle*")}).isEmpty());
}

// kill -9 at several points of a large import, from its first lines to its commit: the
// database is always wholly as before or wholly as after.
TEST_F(PannesStockage, AnImportKilledAtAnyPointLeavesTheDatabaseBeforeOrAfter) {
    const QByteArray lot = lignes(40000, "apres");
    const QString apres = [&] {
        QTemporaryDir autre;
        const QString copie = autre.filePath(QStringLiteral("copie.db"));
        Db({"create", copie});
        Db({"import", copie}, lignes(300, "avant"));
        Db({"import", copie}, lot);
        return Db({"export", copie}).sortie;
    }();
    ASSERT_NE(apres, avant_);
    std::set<std::string> etats;
    for (const int attente : {0, 20, 60, 120, 200, 300, 450, 700, 1000, 1500}) {
        SCOPED_TRACE(attente);
        QProcess import;
        import.start(QStringLiteral(ARDOINE_DB_PROGRAMME), {"import", base_});
        ASSERT_TRUE(import.waitForStarted());
        import.write(lot);
        import.closeWriteChannel();
        QThread::msleep(static_cast<unsigned long>(attente));
        ::kill(static_cast<pid_t>(import.processId()), SIGKILL);
        import.waitForFinished();
        const QString etat = Db({"export", base_}).sortie;
        EXPECT_TRUE(etat == avant_ || etat == apres);
        etats.insert(etat == avant_ ? "avant" : "apres");
        if (etat == apres) {
            // Back to the first state for the next point.
            QFile::remove(base_);
            QFile::remove(base_ + "-wal");
            QFile::remove(base_ + "-shm");
            ASSERT_EQ(Db({"create", base_}).code, 0);
            ASSERT_EQ(Db({"import", base_}, lignes(300, "avant")).code, 0);
        }
    }
    // The early points at least stop it before its commit.
    EXPECT_TRUE(etats.contains("avant"));
}

// A folder opens as a stream and fails at its first read: it must not pass for an empty input.
TEST_F(PannesStockage, AnInputThatCannotBeReadIsRefusedAndTheDatabaseIsLeftAsItWas) {
    const QString fermee = dossier_.filePath(QStringLiteral("fermee.jsonl"));
    QFile fichier(fermee);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(lignes(2, "apres"));
    fichier.close();
    QFile::setPermissions(fermee, QFile::ReadOwner | QFile::WriteOwner);
    const std::vector<std::pair<QString, QString>> sources = {
        {dossier_.path(), "c'est un dossier, pas un fichier"},
        {fermee, "permission refusée"},
        {dossier_.filePath(QStringLiteral("absente.jsonl")), "le fichier n'existe pas"}};
    for (const auto& [source, cause] : sources) {
        SCOPED_TRACE(source.toStdString());
        const auto import = Db({"import", base_, source}, {}, {}, enUtilisateurOrdinaire);
        EXPECT_EQ(import.code, 2);
        EXPECT_EQ(import.erreurs, "erreur : Impossible de lire le fichier à importer « " + source +
                                      " » : " + cause +
                                      ".\n« ardoine-db import --help » décrit la commande.\n");
        EXPECT_EQ(Db({"export", base_}).sortie, avant_);
    }
}

TEST_F(PannesStockage, ReadersNeverChangeABitOfTheDatabaseFile) {
    const QByteArray avant = empreinte(base_);
    const QFileInfo infoAvant(base_);
    EXPECT_EQ(Db({"select", base_, "SSELECT ACCORD PAR 1", "--columns", "0 1 2"}).code, 0);
    EXPECT_EQ(Db({"read", base_, "ACCORD", "K100007"}).code, 0);
    EXPECT_EQ(Db({"export", base_}).sortie, avant_);
    EXPECT_EQ(Db({"select", base_, "SSELECT ACCORD AVEC 1 = \"a]\""}).code, 0);
    EXPECT_EQ(empreinte(base_), avant);
    EXPECT_EQ(QFileInfo(base_).lastModified(), infoAvant.lastModified());
}

}  // namespace
