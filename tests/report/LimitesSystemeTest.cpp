#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// The print command run under the limits an administrator may set on a process (the size of
// the files it writes, the files it holds open): whatever fails is told in French, by the
// program alone, and leaves no file; no limit kills it silently or crashes it.

namespace {

struct Fin {
    QProcess::ExitStatus etat;
    int code;
    QString erreurs;
};

class SousLimites : public ::testing::Test {
  protected:
    void SetUp() override {
        QProcess outil;
        outil.start(QStringLiteral(ARDOINE_DB_PROGRAMME), {"demo", base, "--size", "demo"});
        ASSERT_TRUE(outil.waitForFinished(60000));
        ASSERT_EQ(outil.exitCode(), 0) << outil.readAllStandardError().toStdString();
    }

    // The twelve months of 2026 for the legal entity 041, under the limit `limite` of
    // `ressource`; SIGXFSZ keeps the disposition the program gives it.
    Fin Imprimer(const QString& sortie, int ressource, rlim_t limite) const {
        QProcess demo;
        demo.setChildProcessModifier([ressource, limite] {
            const rlimit borne{limite, limite};
            ::setrlimit(ressource, &borne);
        });
        demo.start(QStringLiteral(ARDOINE_DEMO),
                   {"print", "--db", base, "--entite", "041", "--du", "2026-01", "--au", "2026-12",
                    "--sortie", sortie});
        EXPECT_TRUE(demo.waitForFinished(60000));
        return {demo.exitStatus(), demo.exitCode(),
                QString::fromUtf8(demo.readAllStandardError()).trimmed()};
    }

    QTemporaryDir dossier;
    QString base = dossier.filePath(QStringLiteral("demo.db"));
    QString xlsx = dossier.filePath(QStringLiteral("liste.xlsx"));
};

// The database's side file, made afresh at 32 KiB by its first reader, passes a limit of
// 16 KiB; the workbook's rows, a limit of 40 KiB that the side file stays under.
TEST_F(SousLimites, UnFichierPlusGrandQueLaTaillePermiseEstNommeSansParlerDeDisquePlein) {
    const Fin base16 = Imprimer(xlsx, RLIMIT_FSIZE, 16 * 1024);
    EXPECT_EQ(base16.etat, QProcess::NormalExit);
    EXPECT_EQ(base16.code, 2);
    EXPECT_EQ(base16.erreurs, QStringLiteral("La taille de fichier permise est dépassée pour "
                                             "« %1-shm » : la base « %1 » n'a pas été modifiée.")
                                  .arg(base));

    const Fin classeur40 = Imprimer(xlsx, RLIMIT_FSIZE, 40 * 1024);
    EXPECT_EQ(classeur40.etat, QProcess::NormalExit);
    EXPECT_EQ(classeur40.code, 2);
    EXPECT_EQ(classeur40.erreurs,
              QStringLiteral("Message KORVANE : Impression interrompue : Impossible d'écrire le "
                             "fichier « %1 » : le classeur n'a pas pu être préparé (le fichier "
                             "dépasse la taille permise).")
                  .arg(xlsx));
    EXPECT_FALSE(QFile::exists(xlsx));
}

// From too few descriptors to start up to enough for the whole print: the workbook fails to
// make a sheet, to assemble or to write itself, each in French without the library's English
// reports, until a run succeeds.
TEST_F(SousLimites, TropPeuDeFichiersOuvertsPourLeClasseurSeDitEnFrancaisSeulement) {
    static const QRegularExpression anglais(QStringLiteral("^\\[(ERROR|WARNING)\\]"),
                                            QRegularExpression::MultilineOption);
    static const QRegularExpression demarrageDeQt(QStringLiteral("pipe|platform plugin"),
                                                  QRegularExpression::CaseInsensitiveOption);
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers' own checks need descriptors of their own (their type checks report the
    // program's objects as invalid when they cannot open what they read): only the plain
    // build says what the program does with too few.
    GTEST_SKIP() << "pas sous les sanitizers";
#endif
    int echecsDuClasseur = 0;
    for (rlim_t descripteurs = 5; descripteurs < 64; ++descripteurs) {
        SCOPED_TRACE(descripteurs);
        const Fin fin = Imprimer(xlsx, RLIMIT_NOFILE, descripteurs);
        EXPECT_FALSE(fin.erreurs.contains(anglais)) << fin.erreurs.toStdString();
        if (fin.etat == QProcess::CrashExit) {
            // Qt stops, saying so, when it cannot start (its event loop's wake-up pipe, its
            // platform plugin): before anything of the program runs.
            EXPECT_TRUE(fin.erreurs.contains(demarrageDeQt)) << fin.erreurs.toStdString();
            continue;
        }
        if (fin.code == 0) {
            break;
        }
        EXPECT_EQ(fin.code, 2) << fin.erreurs.toStdString();
        if (fin.erreurs.contains(QStringLiteral("le classeur n'a pas pu être préparé"))) {
            ++echecsDuClasseur;
            EXPECT_FALSE(QFile::exists(xlsx));
        }
    }
    EXPECT_GT(echecsDuClasseur, 0);
    EXPECT_TRUE(QFile::exists(xlsx));
}

}  // namespace
