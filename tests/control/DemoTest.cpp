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
};

Execution Lancer(const QStringList& arguments) {
    QProcess demo;
    demo.start(QStringLiteral(ARDOINE_DEMO), arguments);
    demo.waitForFinished(60000);
    return {demo.exitCode(), QString::fromUtf8(demo.readAllStandardError())};
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
