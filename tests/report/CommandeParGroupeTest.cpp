#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "BaseEssai.h"
#include "CommandeDemo.h"
#include "DonneesRapport.h"
#include "PdfRelu.h"
#include "TableauRelu.h"

// The print command asked for one file per group: the files it leaves, the names it writes on
// its standard output, and what it refuses.

namespace {

using essai::Execution;

// Two managers; in June, one more line, of the second manager.
std::vector<std::string> Donnees() {
    std::vector<std::string> lignes = essai::AidesDeMai({{"A0001", "ALPHA", "Jean", "R01"},
                                                         {"B0001", "BETA", "Marie", "R02"},
                                                         {"C0001", "GAMMA", "Paul", "R01"}});
    lignes.push_back(essai::Aide({"D0001", "DELTA", "Léa", "R02"}));
    lignes.push_back(essai::LigneAccord(
        {"D0001001", essai::TexteJour(2017, 7, 1), essai::TexteJour(2018, 6, 30)}));
    return essai::Avec(lignes);
}

const QStringList Mai{"--mois", "2018-05"};
const QStringList MaiJuin{"--du", "2018-05", "--au", "2018-06"};

class CommandeParGroupe : public ::testing::Test {
  protected:
    Execution Lancer(const QStringList& arguments, const QStringList& periode = Mai) const {
        return essai::Lancer_Demo(
            QStringList{"print", "--db", QString::fromStdString(base.Chemin()), "--entite", "041"} +
            periode + arguments);
    }

    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }

    QStringList Contenu() const {
        return QDir(dossier.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    essai::BaseEssai base{Donnees()};
    QTemporaryDir dossier;
};

// Several months: each manager's PDF opens on that manager's schedule, then holds month after
// month the pages of that manager's own list of the range, and with two copies all that twice;
// a table file holds the range's rows of its manager, in their order, and a workbook that
// manager's schedule.
TEST_F(CommandeParGroupe, UnePeriodeDonneAChaqueResponsableSonEcheancierPuisSesMois) {
    const Execution groupes =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("p.pdf")}, MaiJuin);
    ASSERT_EQ(groupes.code, 0) << groupes.erreurs.toStdString();
    EXPECT_EQ(groupes.erreurs, QString());
    // The names come out in the order of the managers, in full.
    ASSERT_EQ(groupes.sortie, (QStringList{Chemin("p-R01.pdf"), Chemin("p-R02.pdf")}));
    for (int rang : {0, 1}) {
        const QString responsable = rang == 0 ? "R01" : "R02";
        SCOPED_TRACE(responsable.toStdString());
        const QString seul = Chemin("seul-" + responsable + ".pdf");
        ASSERT_EQ(Lancer({"--responsable", responsable, "--sortie", seul}, MaiJuin).code, 0);
        const QString fichier = groupes.sortie[rang];
        EXPECT_EQ(essai::PagesDuPdf(fichier), essai::PagesDuPdf(seul));
        EXPECT_EQ(essai::LignesDuPdf(fichier, true, 2), essai::LignesDuPdf(seul, true, 2));
        const QString echeancier = essai::LignesDuPdf(fichier, true, 1, 1).join('\n');
        EXPECT_TRUE(echeancier.contains("ECHEANCIER")) << echeancier.toStdString();
        // The manager's own counts, May then June, and no other manager's.
        EXPECT_TRUE(echeancier.contains(rang == 0 ? "TOTAL 2 0 2" : "TOTAL 1 1 2"))
            << echeancier.toStdString();
        EXPECT_FALSE(echeancier.contains(rang == 0 ? "\nR02 " : "\nR01 "))
            << echeancier.toStdString();
    }
    const Execution copies =
        Lancer({"--un-fichier-par-groupe", "--copies", "2", "--sortie", Chemin("c.pdf")}, MaiJuin);
    ASSERT_EQ(copies.code, 0) << copies.erreurs.toStdString();
    ASSERT_EQ(copies.sortie.size(), 2);
    for (int rang : {0, 1}) {
        const QString exemplaire = essai::LignesDuPdf(groupes.sortie[rang]).join('\n');
        EXPECT_EQ(essai::LignesDuPdf(copies.sortie[rang]).join('\n').toStdString(),
                  (exemplaire + '\n' + exemplaire).toStdString());
    }

    const Execution classeurs =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("p.xlsx")}, MaiJuin);
    ASSERT_EQ(classeurs.code, 0) << classeurs.erreurs.toStdString();
    ASSERT_EQ(classeurs.sortie.size(), 2);
    const essai::Rangees debut{{"ECHEANCIER"},
                               {"DE MAI 2018 A JUIN 2018"},
                               {},
                               {"Code groupe", "Groupe", "MAI 2018", "JUIN 2018", "Total"}};
    essai::Rangees r01 = debut;
    r01.insert(r01.end(), {{"R01", "DUPONT Jean", "2", "0", "2"}, {"Total", "", "2", "0", "2"}});
    essai::Rangees r02 = debut;
    r02.insert(r02.end(), {{"R02", "MARTIN Anne", "1", "1", "2"}, {"Total", "", "1", "1", "2"}});
    EXPECT_EQ(essai::Lire_Feuille_Xlsx(classeurs.sortie[0].toStdString(), 3), r01);
    EXPECT_EQ(essai::Lire_Feuille_Xlsx(classeurs.sortie[1].toStdString(), 3), r02);

    const QString range = Chemin("periode.csv");
    ASSERT_EQ(Lancer({"--sortie", range}, MaiJuin).code, 0);
    const Execution tableaux =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("p.csv")}, MaiJuin);
    ASSERT_EQ(tableaux.code, 0) << tableaux.erreurs.toStdString();
    ASSERT_EQ(tableaux.sortie.size(), 2);
    const essai::Rangees toutes = essai::Lire_Csv(range.toStdString());
    for (int rang : {0, 1}) {
        essai::Rangees attendues{toutes.front()};
        for (const auto& rangee : toutes) {
            if (rangee.front() == (rang == 0 ? "R01" : "R02")) {
                attendues.push_back(rangee);
            }
        }
        EXPECT_EQ(essai::Lire_Csv(tableaux.sortie[rang].toStdString()), attendues);
    }
}

// Without a file that can take the groups' codes, or with a printer, nothing is printed; nor
// is anything for a month without lines.
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
    // A month without lines writes nothing and says so, as the single list does.
    const Execution avril =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("liste.csv")}, {"--mois", "2018-04"});
    EXPECT_EQ(avril.code, 1);
    EXPECT_EQ(avril.sortie, QStringList{});
    EXPECT_EQ(Contenu(), QStringList{});

    const Execution explique = essai::Lancer_Demo(
        {"explique", "--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
         "2018-05", "--aide", "A0001", "--un-fichier-par-groupe"});
    EXPECT_EQ(explique.code, 2);
    EXPECT_EQ(explique.erreurs,
              "La commande « explique » n'imprime rien : ni --sortie, ni --imprimante, ni "
              "--un-fichier-par-groupe.");
}

}  // namespace
