#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "AppelsEnPanne.h"
#include "DonneesRapport.h"
#include "ImpressionEssai.h"
#include "PdfRelu.h"
#include "TableauRelu.h"
#include "outils/Outils.h"
#include "printer/DessinDocument.h"
#include "printer/ImprimantesSysteme.h"
#include "printer/PreparationQPrinter.h"

// Every output file of a print run (CSV, XLSX, PDF) written over an old one while the disk
// fails at each of the writer's calls in turn, and cells a spreadsheet would take for formulas.

namespace {

using essai::ImpressionEssai;
using essai::Imprimer_Vers;
using imprimante::Destination;

std::vector<std::string> Donnees() {
    return essai::Avec(essai::AidesDeMai(essai::Serie(3)));
}

// The disk failing at each of the writer's calls in turn, for each kind of file. The workbook
// library's private folder goes under TMPDIR: it must be gone after every run.
TEST(SortiesFichiers, UnFichierSurUnDisqueQuiLacheGardeLAncienEntierEtRienDAutre) {
    const QTemporaryDir dossiers;
    QTemporaryDir temporaire;
    const char* avant = std::getenv("TMPDIR");
    const std::string ancien = avant != nullptr ? avant : "";
    ::setenv("TMPDIR", temporaire.path().toLocal8Bit().constData(), 1);
    for (const auto& [genre, nom] : {std::pair{Destination::Genre::FichierCsv, "liste.csv"},
                                     {Destination::Genre::FichierXlsx, "liste.xlsx"},
                                     {Destination::Genre::FichierPdf, "liste.pdf"}}) {
        // A folder of its own: nothing but the file may be left in it.
        ASSERT_TRUE(QDir(dossiers.path()).mkdir(nom));
        const std::string fichier =
            dossiers.filePath(nom + QStringLiteral("/") + nom).toStdString();
        ImpressionEssai impression(Donnees());
        const int appels = essai::Essayer_Chaque_Panne(
            fichier, [&, genre = genre] { return Imprimer_Vers(impression, genre, fichier); });
        std::cout << "[          ] " << nom << " : " << appels
                  << " appels au système essayés en panne\n";
        EXPECT_GE(appels, 10) << nom;
    }
    EXPECT_TRUE(QDir(temporaire.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    if (avant != nullptr) {
        ::setenv("TMPDIR", ancien.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

// A name already taken by a link, as someone who foresaw the provisional name would plant it:
// the writer takes another name and never writes through the link.
TEST(SortiesFichiers, UnNomProvisoireDejaPrisEstEvitePasSuivi) {
    QTemporaryDir dossier;
    const std::string fichier = dossier.filePath("liste.csv").toStdString();
    ImpressionEssai impression(Donnees());
    // For a new file, the third call creates the provisional file (after the folder's opening
    // and the look at the target).
    const auto appels =
        std::make_shared<essai::AppelsEnPanne>(3, essai::AppelsEnPanne::Duree::Une, EEXIST);
    {
        const essai::PanneInstallee panne(appels);
        EXPECT_EQ(Imprimer_Vers(impression, Destination::Genre::FichierCsv, fichier), "");
    }
    EXPECT_EQ(essai::Lire_Csv(fichier).size(), 4U);
    EXPECT_EQ(
        QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{"liste.csv"});
}

// The new file is on the disk before it takes the old one's place, and its name after: a crash
// at any moment leaves either the old file or the whole new one.
TEST(SortiesFichiers, LeFichierEstSurLeDisqueAvantDePrendreLaPlaceDeLAncien) {
    QTemporaryDir dossier;
    ImpressionEssai impression(Donnees());
    for (const auto& [genre, nom] : {std::pair{Destination::Genre::FichierCsv, "liste.csv"},
                                     {Destination::Genre::FichierXlsx, "liste.xlsx"},
                                     {Destination::Genre::FichierPdf, "liste.pdf"}}) {
        for (const bool remplace : {false, true}) {
            SCOPED_TRACE(std::string(nom) + (remplace ? " remplacé" : " nouveau"));
            const auto appels =
                std::make_shared<essai::AppelsEnPanne>(0, essai::AppelsEnPanne::Duree::Une);
            {
                const essai::PanneInstallee sansPanne(appels);
                ASSERT_EQ(Imprimer_Vers(impression, genre, dossier.filePath(nom).toStdString()),
                          "");
            }
            const auto& journal = appels->Journal();
            const auto derniereEcriture = std::find(journal.rbegin(), journal.rend(), "Ecrire");
            ASSERT_NE(derniereEcriture, journal.rend());
            const std::vector<std::string> fin(derniereEcriture.base() - 1, journal.end());
            // Replacing a file keeps a second link to the old one until the new one is in place.
            std::vector<std::string> attendue{"Ecrire", "Synchroniser", "Fermer", "Renommer",
                                              "Synchroniser"};
            if (remplace) {
                attendue.insert(attendue.begin() + 3, "Lier");
            }
            EXPECT_EQ(fin, attendue);
        }
    }
}

// Names and communes typed as formulas: text in both files, never something a spreadsheet runs.
std::vector<std::string> Formules() {
    return essai::Avec(essai::AidesDeMai({{"00001", "=1+1", "Jean"},
                                          {"00002", "+33 HACK", "Anne"},
                                          {"00003", "-2+3", "Marc"},
                                          {"00004", "@SOMME(A1)", "Zoé"},
                                          {"00005", "\tTAB", "Paul"},
                                          {"00006", "\rRETOUR", "Léa"},
                                          {"00007", "NORMAL", "=Rose"}}));
}

std::string Contenu(const std::string& fichier) {
    std::ifstream entree(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(entree), std::istreambuf_iterator<char>()};
}

// Neutralised in the CSV file, a text cell in the workbook.
TEST(SortiesFichiers, UneCelluleQuiCommenceCommeUneFormuleNEstJamaisUneFormule) {
    QTemporaryDir dossier;
    const std::string fichier = dossier.filePath("liste.csv").toStdString();
    const std::string classeur = dossier.filePath("liste.xlsx").toStdString();
    ImpressionEssai impression(Formules());
    ASSERT_EQ(Imprimer_Vers(impression, Destination::Genre::FichierCsv, fichier), "");
    ASSERT_EQ(Imprimer_Vers(impression, Destination::Genre::FichierXlsx, classeur), "");
    const std::string csv = Contenu(fichier);
    for (const char* cellule :
         {";'=1+1 Jean;", ";'+33 HACK Anne;", ";'-2+3 Marc;", ";'@SOMME(A1) Zoé;", ";'\tTAB Paul;",
          ";\"'\rRETOUR Léa\";", ";NORMAL =Rose;"}) {
        EXPECT_NE(csv.find(cellule), std::string::npos) << cellule;
    }
    // The grouping code and the date begin with no such sign: untouched.
    EXPECT_NE(csv.find("\r\nR01;"), std::string::npos);
    EXPECT_NE(csv.find(";2018-05-31;"), std::string::npos);

    std::vector<std::string> noms;
    for (const auto& rangee : essai::Lire_Feuille_Xlsx(classeur, 1)) {
        if (rangee.size() > 3) {
            noms.push_back(rangee[3]);
        }
    }
    for (const char* nom : {"=1+1 Jean", "+33 HACK Anne", "-2+3 Marc", "@SOMME(A1) Zoé"}) {
        EXPECT_NE(std::find(noms.begin(), noms.end(), nom), noms.end()) << nom;
    }
    for (int feuille : {1, 2}) {
        const std::string xml = essai::Xml_Feuille_Xlsx(classeur, feuille);
        EXPECT_EQ(xml.find("<f>"), std::string::npos) << feuille;
        EXPECT_EQ(xml.find("<f "), std::string::npos) << feuille;
    }
    EXPECT_NE(essai::Xml_Feuille_Xlsx(classeur, 1).find("t=\"inlineStr\"><is><t>=1+1 Jean</t>"),
              std::string::npos);
}

// The PDF file of the print dialog's preview, printed from there: through the same writer, so a
// read-only file is refused and kept, and a file is replaced only whole.
TEST(SortiesFichiers, LeFichierPdfDeLApercuPasseParLeMemeEcrivain) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("apercu.pdf");
    imprimante::Document document;
    document.operations = {imprimante::Operation{.texte = "page de l'aperçu"}};
    imprimante::Reglages reglages{"A4", false, chemin.toStdString()};
    const Destination pdf{"Fichier PDF", Destination::Genre::FichierPdf};

    auto printer = imprimante::preparerQPrinter(pdf, reglages);
    printer->setCopyCount(2);
    imprimante::imprimerDocument(document, *printer);
    EXPECT_EQ(essai::PagesDuPdf(chemin), 2);

    const std::string avant = Contenu(chemin.toStdString());
    ::chmod(chemin.toLocal8Bit().constData(), 0444);
    try {
        imprimante::imprimerDocument(document, *printer);
        ADD_FAILURE() << "fichier en lecture seule remplacé";
    } catch (const dba::Erreur& erreur) {
        EXPECT_EQ(erreur.texte(), "Impossible d'écrire le fichier « " + chemin.toStdString() +
                                      " » : le fichier est en lecture seule.");
    }
    EXPECT_EQ(Contenu(chemin.toStdString()), avant);
    EXPECT_EQ(
        QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList{"apercu.pdf"});
}

}  // namespace
