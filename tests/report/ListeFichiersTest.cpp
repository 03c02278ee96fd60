#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "DonneesRapport.h"
#include "Face.h"
#include "ImpressionEssai.h"
#include "TableauRelu.h"
#include "outils/Outils.h"

// The list written to XLSX and CSV holds the lines of the printed pages, in their order and
// with their groups, whatever the grouping and the user's rights.

namespace {

using essai::ImpressionEssai;
using essai::LigneAccord;
using essai::Personne;
using essai::Rangees;
using imprimante::Destination;
using Lignes = std::vector<std::string>;

// Persons of both managers, sectors and two communes, in an order that is neither the one of
// their names nor of their groups; some are renewed or covered, one has no person record, one
// an end date that cannot be read.
Lignes Donnees() {
    const std::vector<Personne> personnes{
        {"00001", "ZOLA", "Émile", "R02", "S02", "69001"},
        {"00002", "ARNAUD", "Léa", "R01", "S01", "75056"},
        {"00003", "BERNARD", "Marc; \"dit Max\"", "R02", "S01", "75056"},
        {"00004", "COLIN", "Zoé", "R01", "S02", "69001"},
        {"00005", "DURAND", "Paul", "R01", "S01", "69001"},
        {"00006", "RENOUVELE", "Jean", "R01", "S01", "75056"},
        {"00007", "COUVERT", "Anne", "R02", "S02", "75056"},
    };
    Lignes lignes = essai::AidesDeMai(personnes);
    lignes.push_back(LigneAccord(
        {"00006002", std::to_string(essai::LendemainFinMai()), essai::TexteJour(2019, 5, 31)}));
    lignes.push_back(essai::Demande("00007", {{"001", std::to_string(essai::LendemainFinMai()),
                                               essai::TexteJour(2019, 5, 31)}}));
    lignes.push_back(LigneAccord({"00008001", "1", essai::FinMai(), "003"}));
    lignes.push_back(LigneAccord({"00009001", "1", essai::FinMai()}));
    // An end date that is no day number: an empty date on the page, an empty cell in the files.
    lignes.push_back(essai::Aide({"00010", "ILLISIBLE", "Ida", "R01", "S02", "69001"}));
    lignes.push_back(LigneAccord({"00010001", "1", essai::TexteJour(2018, 5, 1) + "x"}));
    return essai::Avec(lignes);
}

struct Cas {
    QRadioButton* essai::Face::*option;
    std::string login;
    // How a page's group block names the group of a row of the file.
    std::function<std::string(const std::vector<std::string>&)> bloc;
};

// The printed lines, each with the group block of its page.
std::vector<std::pair<std::string, std::string>> Imprimees(const Cas& cas) {
    ImpressionEssai impression(Donnees(), cas.login);
    (essai::Face(*impression.controle).*cas.option)->click();
    impression.Imprimer();
    EXPECT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    std::vector<std::pair<std::string, std::string>> lignes;
    const auto& document = impression.Document();
    for (int page = 1; page <= document.pages; ++page) {
        const Lignes texte = essai::Lignes(document, page);
        const auto bloc = std::find_if(texte.begin(), texte.end(), [](const std::string& l) {
            return l.starts_with("Responsable : ") || l.starts_with("Secteur     : ") ||
                   l.starts_with("Commune     : ");
        });
        for (const std::string& detail : essai::Details(document, page)) {
            lignes.emplace_back(detail, bloc == texte.end() ? "" : *bloc);
        }
    }
    return lignes;
}

// The same run, answered with a table file of that kind. A user whose rights hide persons is
// told so, as on paper.
void Exporter(const Cas& cas, Destination::Genre genre, const std::string& fichier) {
    ImpressionEssai impression(Donnees(), cas.login);
    (essai::Face(*impression.controle).*cas.option)->click();
    outils::Outils::Partage().RemplacerServices(
        std::make_shared<imprimante::ImprimantesEnregistrees>(
            std::vector<Destination>{{"Enregistreuse"}, {"Fichier", genre}}),
        std::make_shared<imprimante::ChoixImprimanteScripte>(
            imprimante::Choix{1, 2, imprimante::Reglages{"A4", false, fichier}}));
    impression.Imprimer();
    EXPECT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    EXPECT_TRUE(impression.imprimantes->Ouvertures().empty());
    EXPECT_EQ(impression.Messages(),
              cas.login == "admin"
                  ? Lignes{}
                  : Lignes{"Information | Vous n'avez pas le droit d'accèder à tous les aidés, "
                           "certains ne seront donc pas édités."});
}

// The rows of the file match the printed lines one to one: code, name, funding body and end
// date on the line, group on the page's block.
void Comparer(const std::vector<std::pair<std::string, std::string>>& imprimees,
              const Rangees& rangees, const Cas& cas) {
    ASSERT_EQ(rangees.size(), imprimees.size());
    for (std::size_t i = 0; i < rangees.size(); ++i) {
        const auto& [detail, bloc] = imprimees[i];
        const auto& rangee = rangees[i];
        ASSERT_EQ(rangee.size(), 8U);
        EXPECT_EQ(detail.substr(0, 6), rangee[2] + " ");
        EXPECT_NE(detail.find(rangee[3].substr(0, 20)), std::string::npos) << detail;
        EXPECT_NE(detail.find(rangee[4]), std::string::npos) << detail;
        EXPECT_TRUE(detail.ends_with(rangee[5])) << detail;
        EXPECT_EQ(bloc, cas.bloc(rangee));
        EXPECT_EQ(rangee[6] + rangee[7], "");
    }
}

const std::vector<Cas>& Tous_Les_Cas() {
    static const std::vector<Cas> cas{
        {&essai::Face::Opt_Responsable, "admin",
         [](const auto& r) { return "Responsable : " + r[1]; }},
        {&essai::Face::Opt_Secteur, "admin", [](const auto& r) { return "Secteur     : " + r[1]; }},
        {&essai::Face::Opt_Commune, "admin", [](const auto& r) { return "Commune     : " + r[0]; }},
        {&essai::Face::Opt_Responsable, "secteur1",
         [](const auto& r) { return "Responsable : " + r[1]; }},
        {&essai::Face::Opt_Commune, "secteur1",
         [](const auto& r) { return "Commune     : " + r[0]; }},
    };
    return cas;
}

// The CSV file: its titles, its rows those of the paper.
void Verifier_Csv(const std::vector<std::pair<std::string, std::string>>& imprimees,
                  const std::string& fichier, const Cas& cas) {
    Rangees rangees = essai::Lire_Csv(fichier);
    ASSERT_FALSE(rangees.empty());
    EXPECT_EQ(rangees.front(),
              (Lignes{"Code groupe", "Groupe", "Code aidé", "Nom prénom aidé",
                      "Organisme de prise en charge", "Fin accord", "Relancé le", "Observations"}));
    rangees.erase(rangees.begin());
    for (auto& rangee : rangees) {
        rangee.at(5) = essai::Date_Csv_Sur_La_Page(rangee.at(5));
    }
    Comparer(imprimees, rangees, cas);
}

// The workbook: its heading, its rows those of the paper with a filter on them and the titles
// kept in view, then the count of each group of the list in its order with the total, and a bar
// per group beside the counts.
void Verifier_Classeur(const std::vector<std::pair<std::string, std::string>>& imprimees,
                       const std::string& fichier, const Cas& cas) {
    Rangees rangees = essai::Lire_Feuille_Xlsx(fichier, 1);
    ASSERT_GE(rangees.size(), 9U);
    EXPECT_EQ(rangees[0][0], "LISTE DES ACCORDS NON RENOUVELES");
    EXPECT_EQ(rangees[1], (Lignes{"Mois", "", "MAI 2018"}));
    EXPECT_EQ(rangees[6], (Lignes{"Utilisateur", "", cas.login}));
    EXPECT_EQ(rangees[8][2], "Code aidé");
    ASSERT_EQ(rangees[4].at(0), "Regroupement");
    const QString regroupement = QString::fromStdString(rangees[4].at(2)).section(" : ", 0, 0);
    rangees.erase(rangees.begin(), rangees.begin() + 9);
    // Empty follow-up cells are not written.
    for (auto& rangee : rangees) {
        rangee.resize(8);
    }
    Comparer(imprimees, rangees, cas);
    const std::string xml = essai::Xml_Feuille_Xlsx(fichier, 1);
    EXPECT_NE(xml.find("<autoFilter ref=\"A9:H" + std::to_string(9 + imprimees.size()) + "\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("ySplit=\"9\""), std::string::npos);

    const Rangees effectifs = essai::Lire_Feuille_Xlsx(fichier, 2);
    ASSERT_GE(effectifs.size(), 2U);
    std::size_t total = 0;
    for (std::size_t g = 1; g + 1 < effectifs.size(); ++g) {
        const auto premiere = std::find_if(rangees.begin(), rangees.end(),
                                           [&](const auto& r) { return r[0] == effectifs[g][0]; });
        EXPECT_EQ(
            std::to_string(std::count_if(rangees.begin(), rangees.end(),
                                         [&](const auto& r) { return r[0] == effectifs[g][0]; })),
            effectifs[g][2]);
        ASSERT_NE(premiere, rangees.end());
        EXPECT_EQ((*premiere)[1], effectifs[g][1]);
        total += std::stoul(effectifs[g][2]);
    }
    EXPECT_EQ(effectifs.back()[0], "Total");
    EXPECT_EQ(effectifs.back()[2], std::to_string(total));
    EXPECT_EQ(total, imprimees.size());
    // The names as text, the counts without the total.
    const std::string derniere = std::to_string(effectifs.size() - 1);
    const std::string graphique = essai::Xml_Xlsx(fichier, QStringLiteral("xl/charts/chart1.xml"));
    for (const std::string& attendu :
         {std::string("<c:barDir val=\"bar\"/>"),
          "<c:cat><c:strRef><c:f>Effectifs!$B$2:$B$" + derniere + "</c:f>",
          "<c:val><c:numRef><c:f>Effectifs!$C$2:$C$" + derniere + "</c:f>",
          "<a:t>Accords non renouvelés par " + regroupement.toLower().toStdString() + "</a:t>"}) {
        EXPECT_NE(graphique.find(attendu), std::string::npos) << attendu;
    }
    EXPECT_NE(essai::Xml_Feuille_Xlsx(fichier, 2).find("<drawing r:id="), std::string::npos);
}

// Printed from a spreadsheet program, each sheet comes out as the paper list: A4 landscape, all
// its columns on one page wide, its column titles again on every page, the list's title and
// month above and the page numbers below.
void Verifier_Mise_En_Page(const std::string& fichier) {
    for (const int feuille : {1, 2}) {
        SCOPED_TRACE(feuille);
        const std::string xml = essai::Xml_Feuille_Xlsx(fichier, feuille);
        for (const char* attendu :
             {"<pageSetUpPr fitToPage=\"1\"/>",
              "<pageSetup paperSize=\"9\" fitToHeight=\"0\" orientation=\"landscape\"/>",
              "<oddFooter>&amp;CPage &amp;P sur &amp;N</oddFooter>"}) {
            EXPECT_NE(xml.find(attendu), std::string::npos) << attendu;
        }
        EXPECT_EQ(essai::En_Tete_Xlsx(fichier, feuille),
                  "&CLISTE DES ACCORDS NON RENOUVELES SUR MAI 2018");
        // One page wide is the default of fitToWidth: a width written would be another.
        EXPECT_EQ(xml.find("fitToWidth"), std::string::npos);
    }
    const std::string classeur = essai::Xml_Xlsx(fichier, QStringLiteral("xl/workbook.xml"));
    for (const char* attendu :
         {"<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"0\">Liste!$9:$9</definedName>",
          "<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"1\">Effectifs!$1:$1"
          "</definedName>"}) {
        EXPECT_NE(classeur.find(attendu), std::string::npos) << attendu;
    }
}

TEST(ListeFichiers, LesTableauxOntLesLignesDuPapierDansLeMemeOrdreEtLesMemesGroupes) {
    QTemporaryDir dossier;
    const std::string csv = dossier.filePath("liste.csv").toStdString();
    const std::string xlsx = dossier.filePath("liste.xlsx").toStdString();
    for (const Cas& cas : Tous_Les_Cas()) {
        SCOPED_TRACE(cas.login + " " + std::to_string(&cas - Tous_Les_Cas().data()));
        const auto imprimees = Imprimees(cas);
        Exporter(cas, Destination::Genre::FichierCsv, csv);
        Verifier_Csv(imprimees, csv, cas);
        Exporter(cas, Destination::Genre::FichierXlsx, xlsx);
        Verifier_Classeur(imprimees, xlsx, cas);
    }
    Verifier_Mise_En_Page(xlsx);
}

}  // namespace
