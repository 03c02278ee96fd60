#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "BaseEssai.h"
#include "DonneesRapport.h"
#include "PdfRelu.h"
#include "TableauRelu.h"

// The print command asked for one file per group: the files it leaves, the names it writes on
// its standard output, and what it refuses.

namespace {

struct Execution {
    int code;
    QStringList sortie;
    QString erreurs;
};

// Two managers, two communes one of which a file name could not take as it stands.
std::vector<std::string> Donnees() {
    return essai::Avec(
        essai::AidesDeMai({{"A0001", "ALPHA", "Jean", "R01", "S01", "75056"},
                           {"B0001", "BETA", "Marie", "R02", "S02", "SAINT/DENIS"},
                           {"C0001", "GAMMA", "Paul", "R01", "S02", "SAINT/DENIS"}}));
}

class CommandeParGroupe : public ::testing::Test {
  protected:
    Execution Lancer(const QStringList& arguments) const {
        QProcess demo;
        demo.start(QStringLiteral(ARDOINE_DEMO),
                   QStringList{"print", "--db", QString::fromStdString(base.Chemin()), "--entite",
                               "041", "--mois", "2018-05"} +
                       arguments);
        demo.waitForFinished(60000);
        return {demo.exitCode(),
                QString::fromUtf8(demo.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                QString::fromUtf8(demo.readAllStandardError()).trimmed()};
    }

    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }

    QStringList Contenu() const {
        return QDir(dossier.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    essai::BaseEssai base{Donnees()};
    QTemporaryDir dossier;
};

// Each manager's PDF reads as the list printed for that manager alone; the names come out in
// the order of the managers, in full.
TEST_F(CommandeParGroupe, ChaquePdfSeLitCommeLaListeDeSonResponsable) {
    const Execution groupes =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("liste.pdf"), "--copies", "2"});
    ASSERT_EQ(groupes.code, 0) << groupes.erreurs.toStdString();
    EXPECT_EQ(groupes.erreurs, QString());
    const QString r01 = QDir(dossier.path()).absoluteFilePath("liste-R01.pdf");
    const QString r02 = QDir(dossier.path()).absoluteFilePath("liste-R02.pdf");
    EXPECT_EQ(groupes.sortie, (QStringList{r01, r02}));
    for (const auto& [fichier, responsable] : {std::pair{r01, "R01"}, std::pair{r02, "R02"}}) {
        SCOPED_TRACE(responsable);
        const QString seul = Chemin(QStringLiteral("seul-%1.pdf").arg(responsable));
        const Execution limitee =
            Lancer({"--responsable", responsable, "--sortie", seul, "--copies", "2"});
        ASSERT_EQ(limitee.code, 0) << limitee.erreurs.toStdString();
        EXPECT_EQ(limitee.sortie, QStringList{});
        EXPECT_EQ(essai::LignesDuPdf(fichier), essai::LignesDuPdf(seul));
        EXPECT_EQ(essai::PagesDuPdf(fichier), 2);
    }
    EXPECT_EQ(essai::LignesDuPdf(r01).join('\n').count("C0001 GAMMA Paul"), 2);
    EXPECT_EQ(Contenu(),
              (QStringList{"liste-R01.pdf", "liste-R02.pdf", "seul-R01.pdf", "seul-R02.pdf"}));
}

// The table files by commune: each holds the whole list's rows of its commune.
TEST_F(CommandeParGroupe, ChaqueTableauALesLignesDeSaCommune) {
    for (const QString extension : {"csv", "xlsx"}) {
        SCOPED_TRACE(extension.toStdString());
        const bool csv = extension == QLatin1String("csv");
        const auto lire = [&](const QString& fichier) {
            essai::Rangees rangees = csv ? essai::Lire_Csv(fichier.toStdString())
                                         : essai::Lire_Feuille_Xlsx(fichier.toStdString(), 1);
            rangees.erase(rangees.begin(), rangees.begin() + (csv ? 1 : 9));
            return rangees;
        };
        const QString entiere = Chemin("entiere." + extension);
        ASSERT_EQ(Lancer({"--par", "commune", "--sortie", entiere}).code, 0);
        const essai::Rangees toutes = lire(entiere);
        const Execution groupes = Lancer(
            {"--par", "commune", "--un-fichier-par-groupe", "--sortie", Chemin("c." + extension)});
        ASSERT_EQ(groupes.code, 0) << groupes.erreurs.toStdString();
        ASSERT_EQ(groupes.sortie.size(), 2);
        EXPECT_EQ(QFileInfo(groupes.sortie[0]).fileName(), "c-75056." + extension);
        EXPECT_EQ(QFileInfo(groupes.sortie[1]).fileName(), "c-SAINT%2FDENIS." + extension);
        EXPECT_EQ(lire(groupes.sortie[0]), essai::Rangees(toutes.begin(), toutes.begin() + 1));
        EXPECT_EQ(lire(groupes.sortie[1]), essai::Rangees(toutes.begin() + 1, toutes.end()));
    }
}

// Without a file that can take the groups' codes, or with a printer, nothing is printed.
TEST_F(CommandeParGroupe, SansFichierANommerParGroupeLaCommandeRefuseEtSortAvec2) {
    const QString demandeSortie =
        "--un-fichier-par-groupe demande --sortie DOSSIER/NOM.ext (pdf, xlsx ou csv) : chaque "
        "fichier s'appelle DOSSIER/NOM-<code du groupe>.ext.";
    const QList<std::pair<QStringList, QString>> cas{
        {{}, demandeSortie},
        {{"--sortie", Chemin(".pdf")}, demandeSortie},
        {{"--sortie", Chemin("liste")}, demandeSortie},
        {{"--sortie", Chemin("liste.")}, demandeSortie},
        {{"--sortie", dossier.path() + "/"}, demandeSortie},
        {{"--imprimante", "PDF"},
         "--un-fichier-par-groupe n'écrit que des fichiers : il exclut --imprimante."},
        {{"--sortie", Chemin("liste.pdf"), "--imprimante", "PDF"},
         "--un-fichier-par-groupe n'écrit que des fichiers : il exclut --imprimante."},
        {{"--sortie", Chemin("liste.txt")},
         "Extension inconnue pour --sortie : « " + Chemin("liste.txt") +
             " » (.pdf, .xlsx ou .csv)."},
    };
    for (const auto& [arguments, message] : cas) {
        const Execution execution = Lancer(QStringList{"--un-fichier-par-groupe"} + arguments);
        EXPECT_EQ(execution.code, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(execution.erreurs, message);
        EXPECT_EQ(execution.sortie, QStringList{});
    }
    EXPECT_EQ(Contenu(), QStringList{});

    QProcess explique;
    explique.start(QStringLiteral(ARDOINE_DEMO),
                   {"explique", "--db", QString::fromStdString(base.Chemin()), "--entite", "041",
                    "--mois", "2018-05", "--aide", "A0001", "--un-fichier-par-groupe"});
    explique.waitForFinished(60000);
    EXPECT_EQ(explique.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(explique.readAllStandardError()).trimmed(),
              "La commande « explique » n'imprime rien : ni --sortie, ni --imprimante, ni "
              "--un-fichier-par-groupe.");
}

// A month without lines writes nothing and says so, as the single list does.
TEST_F(CommandeParGroupe, UnMoisSansLigneNEcritRien) {
    QProcess demo;
    const Execution execution = [&] {
        demo.start(
            QStringLiteral(ARDOINE_DEMO),
            {"print", "--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
             "2018-04", "--un-fichier-par-groupe", "--sortie", Chemin("liste.csv")});
        demo.waitForFinished(60000);
        return Execution{demo.exitCode(), {}, QString::fromUtf8(demo.readAllStandardError())};
    }();
    EXPECT_EQ(execution.code, 1);
    EXPECT_EQ(demo.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(Contenu(), QStringList{});
}

}  // namespace
