#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "BaseEssai.h"
#include "DonneesRapport.h"
#include "ImpressionQt.h"
#include "PdfRelu.h"
#include "TableauRelu.h"

// The print command of the demo host, run as a program: the PDF it leaves, what it writes
// on its error output and its exit status.

namespace {

struct Execution {
    int code;
    QString erreurs;
};

// What the program wrote on its error output, less the notes of the toolkit about the
// environment it runs in.
QString Erreurs(QProcess& programme) {
    QStringList lignes = QString::fromUtf8(programme.readAllStandardError()).split('\n');
    lignes.removeIf([](const QString& ligne) { return ligne.startsWith("QStandardPaths: "); });
    return lignes.join('\n').trimmed();
}

Execution Lancer(const QStringList& arguments) {
    QProcess demo;
    demo.start(QStringLiteral(ARDOINE_DEMO), QStringList{"print"} + arguments);
    demo.waitForFinished(60000);
    return {demo.exitCode(), Erreurs(demo)};
}

// Two legal entities, so that none is chosen by Init and the code must be typed.
std::vector<std::string> DonneesDeMai() {
    auto lignes = essai::Avec(
        essai::AidesDeMai({{"A0001", "ALPHA", "Jean"}, {"B0001", "BETA", "Marie", "R02", "S02"}}));
    lignes.push_back(essai::Ligne("ASSOCIATION", "052", {{1, "AUTRE ENTITE"}}));
    return lignes;
}

class Commande : public ::testing::Test {
  protected:
    QStringList Arguments(const QStringList& autres) const {
        return QStringList{"--db", QString::fromStdString(base.Chemin()), "--sortie", pdf} + autres;
    }

    essai::BaseEssai base{DonneesDeMai()};
    QTemporaryDir dossier;
    QString pdf = dossier.filePath(QStringLiteral("liste.pdf"));
};

TEST_F(Commande, UneListeImprimeeDansLeFichierPdfSortAvec0) {
    const Execution execution = Lancer(Arguments({"--entite", "041", "--mois", "2018-05"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    EXPECT_TRUE(execution.erreurs.isEmpty()) << execution.erreurs.toStdString();
    const QString texte = essai::LignesDuPdf(pdf).join('\n');
    EXPECT_TRUE(texte.contains("SUR MAI 2018"));
    EXPECT_TRUE(texte.contains("A0001 ALPHA Jean CONSEIL DEPARTEMENTAL 31/05/2018"));
    EXPECT_TRUE(texte.contains("B0001 BETA Marie CONSEIL DEPARTEMENTAL 31/05/2018"));
}

TEST_F(Commande, LesCriteresEtLesExemplairesSontCeuxDemandes) {
    const Execution execution = Lancer(
        Arguments({"--entite", "041", "--secteur", "S02", "--mois", "2018-05", "--copies", "2"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const QString texte = essai::LignesDuPdf(pdf).join('\n');
    EXPECT_EQ(texte.count("Secteur : SUD"), 2);
    EXPECT_EQ(texte.count("Page : 1"), 2);
    EXPECT_FALSE(texte.contains("ALPHA"));
}

// Codes typed as a person types them: a short one is completed when the box is left.
TEST_F(Commande, UnCodeCourtEstCompleteCommeAuFormulaire) {
    const Execution execution = Lancer(Arguments({"--entite", "41", "--mois", "2018-05"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const QString texte = essai::LignesDuPdf(pdf).join('\n');
    EXPECT_TRUE(texte.contains("A0001 ALPHA Jean CONSEIL DEPARTEMENTAL 31/05/2018"));
}

TEST_F(Commande, RienAImprimerSortAvec1EtLeMessageDuControle) {
    const Execution execution = Lancer(Arguments({"--entite", "041", "--mois", "2018-04"}));
    EXPECT_EQ(execution.code, 1);
    EXPECT_EQ(execution.erreurs,
              "Message KORVANE : Aucun accord correspondant aux critères sélectionnés.");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(Commande, UneDemandeMalFormeeOuImpossibleSortAvec2) {
    const QList<std::pair<QStringList, QString>> cas{
        {{"--mois", "2018-05"}, "L'option --entite est obligatoire."},
        {{"--entite", "041", "--mois", "2018-13"},
         "Mois invalide : « 2018-13 » (attendu AAAA-MM)."},
        {{"--entite", "041", "--mois", "2018-05\n"},
         "Mois invalide : « 2018-05\n » (attendu AAAA-MM)."},
        {{"--entite", "041", "--mois", "2018-05", "--par", "rue"},
         "Regroupement inconnu : « rue » (responsable, secteur ou commune)."},
        {{"--entite", "041", "--mois", "2018-05", "--secteur", "S01", "--commune", "75056"},
         "--responsable, --secteur et --commune s'excluent."},
        {{"--entite", "041", "--mois", "2018-05", "--copies", "0"},
         "Nombre d'exemplaires invalide : « 0 » (de 1 à 999)."},
        {{"--entite", "041", "--mois", "2018-05", "--copies", " 2"},
         "Nombre d'exemplaires invalide : «  2 » (de 1 à 999)."},
        {{"--entite", "041", "--mois", "2018-05", "--copies", "2\n"},
         "Nombre d'exemplaires invalide : « 2\n » (de 1 à 999)."},
        {{"--entite", "0411", "--mois", "2018-05"},
         "Le code « 041… » est trop long : 3 caractères au plus."},
        {{"--entite", "041", "--activite", QString(100000, '1'), "--mois", "2018-05"},
         "Le code « 111… » est trop long : 3 caractères au plus."},
        {{"--entité", "041", "--mois", "2018-05"}, "Option inconnue : --entité (voir --help)."},
        {{"--entite", "041", "--mois"}, "Il manque la valeur de l'option --mois."},
        {{"--entite", "041", "--mois", "2018-05", "--sortie", "/nulle/part/liste.pdf"},
         "Le dossier « /nulle/part » n'existe pas."},
        {{"--entite", "041", "--mois", "2018-05", "--sortie", "liste.txt"},
         "Extension inconnue pour --sortie : « liste.txt » (.pdf, .xlsx ou .csv)."},
        {{"--entite", "041", "--mois", "2018-05", "--imprimante", "Nulle part"},
         "--sortie et --imprimante s'excluent."},
    };
    for (const auto& [arguments, message] : cas) {
        const Execution execution = Lancer(Arguments(arguments));
        EXPECT_EQ(execution.code, 2) << message.toStdString();
        EXPECT_EQ(execution.erreurs, message);
    }
    const Execution absente =
        Lancer({"--db", "/nulle/part.db", "--entite", "041", "--mois", "2018-05", "--sortie", pdf});
    EXPECT_EQ(absente.code, 2);
    EXPECT_EQ(absente.erreurs, "Base de données introuvable : /nulle/part.db");
    EXPECT_FALSE(QFile::exists(pdf));
}

// The output file's extension chooses its kind; the table files hold the lines of the PDF.
TEST_F(Commande, LaSortieSeChoisitParSonExtension) {
    ASSERT_EQ(Lancer(Arguments({"--entite", "041", "--mois", "2018-05"})).code, 0);
    const QStringList lignes = essai::LignesDuPdf(pdf);
    const QString csv = dossier.filePath(QStringLiteral("liste.csv"));
    const QString xlsx = dossier.filePath(QStringLiteral("liste.xlsx"));
    for (const QString& fichier : {csv, xlsx}) {
        const Execution execution =
            Lancer({"--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
                    "2018-05", "--sortie", fichier});
        ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    }
    essai::Rangees rangees = essai::Lire_Csv(csv.toStdString());
    essai::Rangees feuille = essai::Lire_Feuille_Xlsx(xlsx.toStdString(), 1);
    ASSERT_EQ(rangees.size(), 3U);
    ASSERT_EQ(feuille.size(), 11U);
    for (std::size_t rang = 1; rang < rangees.size(); ++rang) {
        const auto& r = rangees[rang];
        EXPECT_TRUE(
            lignes.contains(QString::fromStdString(r[2] + " " + r[3] + " " + r[4] + " " + r[5])))
            << r[2];
        EXPECT_EQ(
            std::vector<std::string>(feuille[rang + 8].begin(), feuille[rang + 8].begin() + 6),
            std::vector<std::string>(r.begin(), r.begin() + 6));
    }
}

// The explanation, asked of the program: printed where the PDF has the line, in French or JSON.
TEST_F(Commande, LExplicationDitOuLaLigneEstImprimee) {
    const auto expliquer = [&](const QStringList& autres) {
        QProcess demo;
        demo.start(QStringLiteral(ARDOINE_DEMO),
                   QStringList{"explique", "--db", QString::fromStdString(base.Chemin()),
                               "--entite", "041", "--mois", "2018-05"} +
                       autres);
        demo.waitForFinished(60000);
        EXPECT_EQ(demo.exitCode(), 0) << Erreurs(demo).toStdString();
        return QString::fromUtf8(demo.readAllStandardOutput());
    };
    EXPECT_TRUE(expliquer({"--aide", "B0001"}).contains("Verdict : imprimé page 2, ligne 1"));
    const QString json = expliquer({"--aide", "A0001", "--accord", "A0001001", "--json"});
    EXPECT_TRUE(json.contains("\"verdict\": \"imprimé page 1, ligne 1\""));
    EXPECT_TRUE(json.contains("\"imprime\": true"));
}

// What the rights refuse is said with whose rights they are.
TEST_F(Commande, UnUtilisateurInconnuOuUnSecteurInterditSortentAvec2) {
    const QList<std::pair<QStringList, QString>> cas{
        {{"--login", "inconnu", "--entite", "041", "--mois", "2018-05"},
         "L'utilisateur « inconnu » est inconnu."},
        {{"--login", "secteur1", "--entite", "041", "--secteur", "S02", "--mois", "2018-05"},
         "Le secteur « S02 » est refusé par les droits de l'utilisateur « secteur1 »."},
    };
    for (const auto& [arguments, message] : cas) {
        const Execution execution = Lancer(Arguments(arguments));
        EXPECT_EQ(execution.code, 2) << message.toStdString();
        EXPECT_EQ(execution.erreurs, message);
    }
}

}  // namespace
