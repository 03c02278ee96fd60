#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "BaseEssai.h"
#include "mvdb/Base.h"

namespace {

struct Execution {
    int code;
    QString erreurs;
    QString sortie;
};

Execution Lancer(const QStringList& arguments, const QProcessEnvironment& environnement =
                                                   QProcessEnvironment::systemEnvironment()) {
    QProcess demo;
    demo.setProcessEnvironment(environnement);
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

// Qt's own options speak French like the program's, and the help gives the three exit
// statuses; --version names Qt and SQLite.
TEST(Demo, AideEtVersionEnFrancais) {
    const Execution aide = Lancer({"--help"});
    EXPECT_EQ(aide.code, 0);
    EXPECT_TRUE(aide.sortie.contains(QStringLiteral("Affiche cette aide.")))
        << aide.sortie.toStdString();
    EXPECT_TRUE(aide.sortie.contains(QStringLiteral("Affiche les informations de version.")));
    EXPECT_FALSE(aide.sortie.contains(QStringLiteral("Displays")));
    for (const char* statut :
         {"0  une liste a été imprimée", "1  rien n'a été imprimé", "2  erreur"}) {
        EXPECT_TRUE(aide.sortie.contains(QString::fromUtf8(statut))) << statut;
    }
    const Execution version = Lancer({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.sortie.startsWith(QStringLiteral("ardoine-demo " ARDOINE_VERSION " (Qt ") +
                                          QString::fromLatin1(qVersion()) +
                                          QStringLiteral(", SQLite 3.")))
        << version.sortie.toStdString();
}

TEST(Demo, UneBaseDUneAutreApplicationFaitEchouerInitEtLeDit) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("autre.db");
    mvdb::Base::creer(chemin.toStdString()).creerFichier("DROITS");
    const Execution execution =
        Lancer({"--db", chemin, "--screenshot", dossier.filePath("formulaire.png")});
    EXPECT_EQ(execution.code, 2);
    EXPECT_FALSE(execution.erreurs.trimmed().isEmpty());
    EXPECT_FALSE(QFile::exists(dossier.filePath("formulaire.png")));
}

// Status 1 means "nothing printed": every mistake in the line is a 2, with a French text.
TEST(Demo, LesErreursDeLigneDeCommandeSortentAvec2) {
    const QList<std::pair<QStringList, QString>> cas{
        {{"--entite", "041"}, "L'option --entite ne sert qu'à la commande « print »."},
        {{"--entité", "041"}, "Option inconnue : --entité (voir --help)."},
        {{"--login"}, "Il manque la valeur de l'option --login."},
        {{"print", "encore"}, "Argument en trop : encore"},
        {{"imprimer-tout"}, "Commande inconnue : imprimer-tout"},
        {{"--db", "/nulle/part.db", "--screenshot", "/dev/null"},
         "Base de données introuvable : /nulle/part.db"},
    };
    for (const auto& [arguments, message] : cas) {
        const Execution execution = Lancer(arguments);
        EXPECT_EQ(execution.code, 2) << message.toStdString();
        EXPECT_EQ(execution.erreurs.trimmed(), message);
    }
}

// Without --db: ARDOINE_BASE, else demo.db in the user's data folder; --help gives the rule and
// the database in effect, and no path of the build is ever the default.
class BaseParDefaut : public ::testing::Test {
  protected:
    // --help wraps its lines anywhere, paths included.
    static bool AideContient(const QString& aide, const QString& texte) {
        static const QRegularExpression blancs(QStringLiteral("\\s+"));
        return QString(aide).remove(blancs).contains(QString(texte).remove(blancs));
    }
    QProcessEnvironment Environnement(const QString& variable) const {
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert(QStringLiteral("XDG_DATA_HOME"), Racine());
        environnement.remove(QStringLiteral("ARDOINE_BASE"));
        if (!variable.isNull()) {
            environnement.insert(QStringLiteral("ARDOINE_BASE"), variable);
        }
        return environnement;
    }
    QString Racine() const { return donnees.filePath(sousDossier); }
    QString BaseUtilisateur() const {
        return QDir(Racine()).filePath(QStringLiteral("ControleArdoine/demo.db"));
    }
    // Types the advice of the refusal in a shell, then starts the form on the database it made:
    // the form's exit status.
    int Suivre_Le_Conseil(const QString& commande) const {
        QProcessEnvironment shell = Environnement(QString());
        shell.insert(QStringLiteral("PATH"),
                     QStringLiteral(ARDOINE_DB_OUTIL ":") + shell.value(QStringLiteral("PATH")));
        QProcess conseil;
        conseil.setProcessEnvironment(shell);
        conseil.start(QStringLiteral("sh"), {QStringLiteral("-c"), commande});
        EXPECT_TRUE(conseil.waitForFinished(60000));
        EXPECT_EQ(conseil.exitCode(), 0) << conseil.readAllStandardError().toStdString();
        return Capture(Environnement(QString())).code;
    }
    Execution Capture(const QProcessEnvironment& environnement) const {
        return Lancer({"--screenshot", capture.filePath(QStringLiteral("f.png"))}, environnement);
    }

    QTemporaryDir donnees;
    QTemporaryDir capture;
    QString sousDossier = QStringLiteral("donnees");
};

TEST_F(BaseParDefaut, LaVariableNommeLaBaseEtLAideLeDit) {
    essai::BaseEssai base{essai::DonneesStandard()};
    const QString nom = QString::fromStdString(base.Chemin());
    const Execution execution = Capture(Environnement(nom));
    EXPECT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const Execution aide = Lancer({"--help"}, Environnement(nom));
    EXPECT_TRUE(
        AideContient(aide.sortie, QStringLiteral("En vigueur : %1 (de ARDOINE_BASE)").arg(nom)))
        << aide.sortie.toStdString();
}

TEST_F(BaseParDefaut, SansVariableCEstLaBaseDeLUtilisateur) {
    const Execution absente = Capture(Environnement(QString()));
    EXPECT_EQ(absente.code, 2);
    const QString creation = QStringLiteral("mkdir -p %1 && ardoine-db demo %2")
                                 .arg(QFileInfo(BaseUtilisateur()).path(), BaseUtilisateur());
    EXPECT_TRUE(absente.erreurs.contains(
        QStringLiteral("Base de données introuvable : %1 (la base par défaut : nommez-en une avec "
                       "--db ou ARDOINE_BASE, ou créez celle-ci avec « %2 »).")
            .arg(BaseUtilisateur(), creation)))
        << absente.erreurs.toStdString();
    EXPECT_FALSE(absente.erreurs.contains(QStringLiteral(ARDOINE_BINARY_DIR)));
    EXPECT_EQ(Suivre_Le_Conseil(creation), 0);
    QFile::remove(BaseUtilisateur());

    essai::BaseEssai base{essai::DonneesStandard()};
    QDir().mkpath(QFileInfo(BaseUtilisateur()).path());
    ASSERT_TRUE(QFile::copy(QString::fromStdString(base.Chemin()), BaseUtilisateur()));
    EXPECT_EQ(Capture(Environnement(QString())).code, 0);
    // An empty variable names nothing.
    EXPECT_EQ(Capture(Environnement(QStringLiteral(""))).code, 0);
    const Execution aide = Lancer({"--help"}, Environnement(QString()));
    EXPECT_TRUE(AideContient(
        aide.sortie,
        QStringLiteral("En vigueur : %1 (base de l'utilisateur)").arg(BaseUtilisateur())))
        << aide.sortie.toStdString();
}

TEST_F(BaseParDefaut, LeConseilSeTapeTelQuelMemeAvecEspacesEtApostrophes) {
    sousDossier = QStringLiteral("l'été 2026");
    const Execution absente = Capture(Environnement(QString()));
    EXPECT_EQ(absente.code, 2);
    const QString dossier = QFileInfo(BaseUtilisateur()).path().replace("'", "'\\''");
    const QString creation =
        QStringLiteral("mkdir -p '%1' && ardoine-db demo '%1/demo.db'").arg(dossier);
    EXPECT_TRUE(absente.erreurs.contains(creation)) << absente.erreurs.toStdString();
    EXPECT_EQ(Suivre_Le_Conseil(creation), 0);
}

TEST_F(BaseParDefaut, LOptionPasseAvantLaVariableQuiPasseAvantLaBaseDeLUtilisateur) {
    essai::BaseEssai base{essai::DonneesStandard()};
    const QString existante = QString::fromStdString(base.Chemin());
    const Execution variable = Capture(Environnement(QStringLiteral("/nulle/part.db")));
    EXPECT_EQ(variable.code, 2);
    EXPECT_TRUE(variable.erreurs.contains(
        QStringLiteral("Base de données introuvable : /nulle/part.db (nommée par ARDOINE_BASE).")))
        << variable.erreurs.toStdString();
    const Execution option =
        Lancer({"--db", existante, "--screenshot", capture.filePath(QStringLiteral("f.png"))},
               Environnement(QStringLiteral("/nulle/part.db")));
    EXPECT_EQ(option.code, 0) << option.erreurs.toStdString();
}

// Without a display the form would wait, unseen, for ever.
TEST(Demo, SansAffichageLeFormulaireLeDitEtSortAvec2) {
    essai::BaseEssai base{essai::DonneesStandard()};
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environnement.remove(variable);
    }
    const Execution execution =
        Lancer({"--db", QString::fromStdString(base.Chemin())}, environnement);
    EXPECT_EQ(execution.code, 2);
    EXPECT_TRUE(execution.erreurs.contains("Aucun affichage")) << execution.erreurs.toStdString();
    EXPECT_TRUE(execution.erreurs.contains("--screenshot")) << execution.erreurs.toStdString();
}

}  // namespace
