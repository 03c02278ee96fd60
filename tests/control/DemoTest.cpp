#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "BaseEssai.h"
#include "mvdb/Base.h"

namespace {

struct Execution {
    int code;
    QString erreurs;
    QString sortie;
};

Execution Lancer(const QStringList& arguments) {
    QProcess demo;
    demo.start(QStringLiteral(ARDOINE_DEMO), arguments);
    demo.waitForFinished(60000);
    return {demo.exitCode(), QString::fromUtf8(demo.readAllStandardError()),
            QString::fromUtf8(demo.readAllStandardOutput())};
}

TEST(Demo, LaCaptureMontreLaFenetreApresInit) {
    essai::BaseEssai base{essai::DonneesStandard()};
    QTemporaryDir dossier;
    const QString capture = dossier.filePath("formulaire.png");
    const Execution execution =
        Lancer({"--db", QString::fromStdString(base.Chemin()), "--screenshot", capture});
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const QImage image(capture);
    EXPECT_EQ(image.size(), QSize(395, 266));
}

// Qt's own options speak French like the program's; --version names Qt and SQLite.
TEST(Demo, AideEtVersionEnFrancais) {
    const Execution aide = Lancer({"--help"});
    EXPECT_EQ(aide.code, 0);
    EXPECT_TRUE(aide.sortie.contains(QStringLiteral("Affiche cette aide.")))
        << aide.sortie.toStdString();
    EXPECT_TRUE(aide.sortie.contains(QStringLiteral("Affiche les informations de version.")));
    EXPECT_FALSE(aide.sortie.contains(QStringLiteral("Displays")));
    const Execution version = Lancer({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.sortie.startsWith(QStringLiteral("ardoine-demo " ARDOINE_VERSION " (Qt ") +
                                          QString::fromLatin1(qVersion()) +
                                          QStringLiteral(", SQLite 3.")))
        << version.sortie.toStdString();
}

TEST(Demo, UneBaseAbsenteOuUneCommandeInconnueSontRefusees) {
    const Execution absente = Lancer({"--db", "/nulle/part.db", "--screenshot", "/dev/null"});
    EXPECT_EQ(absente.code, 1);
    EXPECT_TRUE(absente.erreurs.contains("Base de données introuvable : /nulle/part.db"));

    const Execution inconnue = Lancer({"imprimer-tout"});
    EXPECT_EQ(inconnue.code, 2);
    EXPECT_TRUE(inconnue.erreurs.contains("Commande inconnue : imprimer-tout"));
}

TEST(Demo, UneBaseDUneAutreApplicationFaitEchouerInitEtLeDit) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("autre.db");
    mvdb::Base::creer(chemin.toStdString()).creerFichier("DROITS");
    const Execution execution =
        Lancer({"--db", chemin, "--screenshot", dossier.filePath("formulaire.png")});
    EXPECT_EQ(execution.code, 1);
    EXPECT_FALSE(execution.erreurs.trimmed().isEmpty());
    EXPECT_FALSE(QFile::exists(dossier.filePath("formulaire.png")));
}

}  // namespace
