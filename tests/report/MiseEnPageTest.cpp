#include <gtest/gtest.h>

#include "DonneesRapport.h"
#include "Face.h"
#include "ImpressionEssai.h"
#include "printer/ImprimanteEnregistree.h"

// The printed form of the list, read back from the recording printer: page header, group
// block, table header, detail lines and frames.

namespace {

using essai::AidesDeMai;
using essai::FinMai;
using essai::ImpressionEssai;
using essai::Personne;
using essai::Serie;
using imprimante::Operation;
using Lignes = std::vector<std::string>;

constexpr double UniteCm = 567.0;
constexpr double Tolerance = 0.01;

std::string Espaces(std::size_t n) {
    return std::string(n, ' ');
}

// Printed with the grouping option given, no group code: every group, sorted by group.
std::unique_ptr<ImpressionEssai> Imprimer(
    const Lignes& lignes, QRadioButton* essai::Face::*option = &essai::Face::Opt_Responsable) {
    auto impression = std::make_unique<ImpressionEssai>(essai::Avec(lignes));
    (essai::Face(*impression->controle).*option)->setChecked(true);
    impression->Imprimer();
    EXPECT_TRUE(impression->erreurs.empty()) << impression->erreurs.front();
    return impression;
}

std::vector<double> HauteursDesCadres(const imprimante::Document& document, int page) {
    std::vector<double> bas;
    for (const Operation& trait : document.traits(page)) {
        // The bottom border: the one horizontal line below the table header.
        if (trait.y == trait.y2 && trait.y > 6.6 * UniteCm) {
            bas.push_back(trait.y / UniteCm);
        }
    }
    return bas;
}

// Every line drawn on the page, as "width: x,y x2,y2" in cm.
Lignes Traits(const imprimante::Document& document, int page) {
    const auto cm = [](double twips) { return QString::number(twips / UniteCm, 'f', 2); };
    Lignes traits;
    for (const Operation& t : document.traits(page)) {
        traits.push_back(QStringLiteral("%1: %2,%3 %4,%5")
                             .arg(t.largeur)
                             .arg(cm(t.x), cm(t.y), cm(t.x2), cm(t.y2))
                             .toStdString());
    }
    return traits;
}

TEST(EnteteDePage, DateTitreEtPeriodeAvecLeNumeroDePageEnColonne90) {
    const auto impression = Imprimer(AidesDeMai({{"A0001", "ALPHA", "Jean"}}));
    const auto lignes = essai::Lignes(impression->Document(), 1);
    ASSERT_GE(lignes.size(), 9U);
    // The page number in column 90.
    EXPECT_EQ(Lignes(lignes.begin(), lignes.begin() + 9),
              (Lignes{"", "", "Date : 15/05/2018" + Espaces(65) + "Page : 1", "", "",
                      Espaces(20) + "LISTE DES ACCORDS NON RENOUVELES",
                      Espaces(30) + "SUR MAI 2018", "", ""}));

    const auto textes = impression->Document().textes(1);
    for (std::size_t i = 0; i < 9; ++i) {
        const bool titre = i == 5 || i == 6;
        EXPECT_EQ(textes[i].police.nom, "Courier New");
        EXPECT_EQ(textes[i].police.taille, titre ? 14 : 10) << i;
        EXPECT_EQ(textes[i].police.gras, titre) << i;
        EXPECT_EQ(textes[i].x, 0);
    }
}

// The frame follows the number of lines: after the header's frame, the left, right and bottom
// borders of three lines, then the three column rules.
TEST(EnteteDeTableau, TitresA54CmEtCadresDeLEnTeteEtDesLignes) {
    const auto impression = Imprimer(AidesDeMai(Serie(3)));
    const auto& document = impression->Document();
    const auto textes = document.textes(1);
    const auto titres = std::find_if(textes.begin(), textes.end(), [](const Operation& o) {
        return o.texte.find("CODE") != std::string::npos;
    });
    ASSERT_NE(titres, textes.end());
    // An empty line at 5.4 cm, then the titles.
    EXPECT_NEAR((titres - 1)->y, 5.4 * UniteCm, Tolerance);
    EXPECT_EQ((titres - 1)->texte, "");
    const std::string& t = titres->texte;
    EXPECT_EQ(t.size(), 92U);
    EXPECT_EQ(t.find("CODE"), 1U);
    EXPECT_EQ(t.find("NOM PRENOM AIDE"), 7U);
    EXPECT_EQ(t.find("ORGANISME DE PRISE EN CHARGE"), 41U);
    EXPECT_EQ(t.find("FIN ACCORD"), 82U);

    const Lignes traits = Traits(document, 1);
    EXPECT_EQ(
        traits,
        (Lignes{"3: 0.00,5.50 19.60,5.50", "3: 0.00,6.50 19.60,6.50", "3: 0.00,5.50 0.00,6.50",
                "3: 19.60,5.50 19.60,6.50", "1: 1.30,5.50 1.30,6.50", "1: 8.30,5.50 8.30,6.50",
                "1: 17.00,5.50 17.00,6.50", "3: 0.00,6.50 0.00,8.45", "3: 19.60,6.50 19.60,8.45",
                "3: 0.00,8.45 19.60,8.45", "1: 1.30,6.50 1.30,8.45", "1: 8.30,6.50 8.30,8.45",
                "1: 17.00,6.50 17.00,8.45"}));
    const auto premiere = std::find_if(textes.begin(), textes.end(), [](const Operation& o) {
        return o.texte.starts_with("00001");
    });
    ASSERT_NE(premiere, textes.end());
    EXPECT_NEAR(premiere->x, 0.1 * UniteCm, Tolerance);
    EXPECT_NEAR(premiere->y, 6.9 * UniteCm, Tolerance);
}

TEST(LigneDeDetail, CodeNomOrganismeEtFinEnColonnesAjustees) {
    const std::string nom = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // Names of 32 and 33 characters (accents count as one), and an empty one.
    Lignes lignes =
        AidesDeMai({{"A0001", nom, "Jéran"}, {"B0001", nom, "Jérans"}, {"C0001", "", ""}});
    const std::string org39 = "ORGANISME AU NOM DE TRENTE NEUF LETTRES";
    const std::string org40 = "ORGANISME AU NOM DE QUARANTE LETTRES ..";
    ASSERT_EQ(org39.size(), 39U);
    lignes.insert(lignes.end(),
                  {essai::Ligne("ORGPRISECHARGE", "039", {{1, org39}, {18, "P"}}),
                   essai::Ligne("ORGPRISECHARGE", "040", {{1, org40 + "X"}, {18, "P"}}),
                   essai::Aide({"D0001", "ZED", "Un"}),
                   essai::LigneAccord({"D0001001", "1", FinMai(), "039"}),
                   essai::Aide({"E0001", "ZED", "Deux"}),
                   essai::LigneAccord({"E0001001", "1", FinMai(), "040"})});
    const auto impression = Imprimer(lignes);

    const auto details = essai::Details(impression->Document(), 1);
    ASSERT_EQ(details.size(), 5U);
    const std::string conseil = "CONSEIL DEPARTEMENTAL" + Espaces(20);
    const std::string fin = "31/05/2018";
    // In name order: the empty name first.
    EXPECT_EQ(details[0], "C0001 " + Espaces(34) + conseil + fin);
    EXPECT_EQ(details[1], "A0001 " + nom + " Jéran" + Espaces(2) + conseil + fin);
    EXPECT_EQ(details[2], "B0001 " + nom + " Jéran" + Espaces(2) + conseil + fin);
    EXPECT_EQ(details[3], "E0001 ZED Deux" + Espaces(26) + org40.substr(0, 39) + Espaces(2) + fin);
    EXPECT_EQ(details[4], "D0001 ZED Un" + Espaces(28) + org39 + Espaces(2) + fin);
}

TEST(BlocDeGroupe, ResponsableAvecLesSeulesLignesDAdresseRenseignees) {
    const auto impression = Imprimer(AidesDeMai({{"A0001", "ALPHA", "Jean", "R01"},
                                                 {"B0001", "BETA", "Jean", "R02"},
                                                 {"C0001", "GAMMA", "Jean", "R09"}}));
    const auto& document = impression->Document();
    ASSERT_EQ(document.pages, 3);
    const auto bloc = [&](int page, std::size_t lignes) {
        const auto tout = essai::Lignes(document, page);
        return Lignes(tout.begin() + 9, tout.begin() + 9 + static_cast<long>(lignes));
    };
    EXPECT_EQ(bloc(1, 4), (Lignes{"Responsable : DUPONT Jean", Espaces(14) + "12 rue des Lilas ",
                                  Espaces(14) + "Bâtiment B", Espaces(14) + "75001 PARIS"}));
    EXPECT_EQ(bloc(2, 2), (Lignes{"Responsable : MARTIN Anne", Espaces(14) + "69001 LYON"}));
    // A manager not on file: the name and the town line stay, empty.
    EXPECT_EQ(bloc(3, 2), (Lignes{"Responsable : ", Espaces(14) + " "}));
}

// Each group begins a page: a sector by its first three characters, a commune as it stands.
TEST(Pages, UnePageParSecteurSurTroisCaracteresEtParCommune) {
    const auto secteurs = Imprimer(AidesDeMai({{"A0001", "ALPHA", "Jean", "R01", "S01A"},
                                               {"B0001", "BETA", "Jean", "R02", "S01B"},
                                               {"C0001", "GAMMA", "Jean", "R01", "S02A"}}),
                                   &essai::Face::Opt_Secteur);
    ASSERT_EQ(secteurs->Document().pages, 2);
    EXPECT_EQ(essai::Codes(secteurs->Document()), (Lignes{"A0001", "B0001", "C0001"}));
    EXPECT_EQ(essai::Details(secteurs->Document(), 1).size(), 2U);
    EXPECT_EQ(essai::Lignes(secteurs->Document(), 2)[9], "Secteur     : SUD");

    const auto communes = Imprimer(AidesDeMai({{"A0001", "ALPHA", "Jean", "R01", "S01", "2A004"},
                                               {"B0001", "BETA", "Jean", "R01", "S02", "75056"},
                                               {"C0001", "GAMMA", "Jean", "R01", "S01", "75056"}}),
                                   &essai::Face::Opt_Commune);
    ASSERT_EQ(communes->Document().pages, 2);
    EXPECT_EQ(essai::Lignes(communes->Document(), 1)[9], "Commune     : 2A004");
    EXPECT_EQ(essai::Details(communes->Document(), 2).size(), 2U);
    EXPECT_EQ(essai::Lignes(communes->Document(), 2)[9], "Commune     : 75056");
}

// Each copy begins a sheet of its own, the same pages numbered from 1 again.
TEST(Pages, CinquanteEtUneLignesPuisUneNouvellePageNumeroteeEtEnteteeDeSonGroupe) {
    auto personnes = Serie(52);
    personnes.push_back({"Z0001", "ZZZ", "Dernier", "R02"});
    ImpressionEssai impression(essai::Avec(AidesDeMai(personnes)), "admin", 2);
    impression.Imprimer();
    const auto& document = impression.Document();
    ASSERT_EQ(document.pages, 6);
    for (int page = 1; page <= 3; ++page) {
        EXPECT_EQ(essai::Lignes(document, page + 3), essai::Lignes(document, page)) << page;
    }
    EXPECT_EQ(essai::Details(document, 1).size(), 51U);
    EXPECT_EQ(essai::Details(document, 2), Lignes{essai::Details(document, 2).front()});
    EXPECT_TRUE(essai::Details(document, 2).front().starts_with("00052"));
    EXPECT_TRUE(essai::Lignes(document, 2)[2].ends_with("Page : 2"));
    EXPECT_EQ(essai::Lignes(document, 2)[9], "Responsable : DUPONT Jean");
    // The group changes: a page of its own, headed with the new manager.
    EXPECT_TRUE(essai::Lignes(document, 3)[2].ends_with("Page : 3"));
    EXPECT_EQ(essai::Lignes(document, 3)[9], "Responsable : MARTIN Anne");
    EXPECT_EQ(essai::Details(document, 3).size(), 1U);

    EXPECT_EQ(HauteursDesCadres(document, 1).size(), 1U);
    EXPECT_NEAR(HauteursDesCadres(document, 1).front(), 27.17, Tolerance);
    EXPECT_NEAR(HauteursDesCadres(document, 2).front(), 7.67, Tolerance);
}

TEST(DroitsDAcces, UnAideCacheNOuvreNiNeRemplitAucunePage) {
    // The user sees sector S01 only. The first person listed is hidden and has a group of
    // its own; so is the one that comes when the page is full.
    auto personnes = Serie(51);
    personnes.insert(personnes.begin(), {"A0001", "AAA", "Cache", "R00", "S02"});
    personnes.push_back({"P9998", "NOM9998", "Cache", "R01", "S02"});
    ImpressionEssai impression(essai::Avec(AidesDeMai(personnes)), "secteur1");
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    const auto& document = impression.Document();
    EXPECT_EQ(document.pages, 1);
    EXPECT_EQ(essai::Lignes(document, 1)[9], "Responsable : DUPONT Jean");
    EXPECT_EQ(essai::Details(document, 1).size(), 51U);
    EXPECT_EQ(impression.Messages(),
              (Lignes{"Information | Vous n'avez pas le droit d'accèder à tous les aidés, "
                      "certains ne seront donc pas édités."}));
}

}  // namespace
