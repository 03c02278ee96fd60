#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "DemoLue.h"

namespace {

const std::map<std::string, nlohmann::json>& fichier(const std::string& nom) {
    return demoLue(7).fichier(nom);
}

std::string att(const nlohmann::json& r, int n) {
    return DemoLue::attribut(r, n);
}

bool majusculesAscii(const std::string& texte) {
    return std::ranges::none_of(texte, [](char c) {
        return static_cast<unsigned char>(c) >= 0x80 || (c >= 'a' && c <= 'z');
    });
}

}  // namespace

TEST(DemoSchema, HoldsTheTenFilesAndTheAgreementDictionary) {
    std::vector<std::string> noms;
    for (const auto& [nom, enregistrements] : demoLue(7).fichiers) {
        noms.push_back(nom);
    }
    EXPECT_EQ(noms, (std::vector<std::string>{"ACCORD", "ACTIVITES", "ASSOCIATION", "CIVILAIDE",
                                              "COMMUNES", "COMPTEUR", "DELAIORG", "DEMANDACC",
                                              "DICT ACCORD", "DROITS", "ORGPRISECHARGE",
                                              "RESPONSABLE", "SECTEUR"}));
}

// Plans decided by a département take months, pension funds about one; the others have no
// record, as an office that set nothing.
TEST(DemoSchema, LeadTimesAreSetForTheSlowFundingBodies) {
    std::map<std::string, int> delaiParSigle;
    for (const auto& [code, organisme] : fichier("ORGPRISECHARGE")) {
        const auto& delais = fichier("DELAIORG");
        const auto delai = delais.find(code);
        delaiParSigle[att(organisme, 1)] =
            delai == delais.end() ? 0 : std::stoi(att(delai->second, 1));
    }
    EXPECT_EQ(delaiParSigle.at("CD91 PCH"), 6);
    EXPECT_EQ(delaiParSigle.at("CD91 APA"), 2);
    EXPECT_EQ(delaiParSigle.at("CNAV"), 1);
    EXPECT_EQ(delaiParSigle.at("AGIRC-ARRCO"), 1);
    EXPECT_EQ(delaiParSigle.at("CPAM 91"), 0);
    EXPECT_EQ(delaiParSigle.at("PARTICULIER"), 0);
}

TEST(DemoSchema, KeysHaveTheirFixedWidths) {
    const std::vector<std::pair<std::string, std::string>> formes = {
        {"ASSOCIATION", "[0-9]{3}"},       {"ACTIVITES", "[0-9]{6}"},
        {"ORGPRISECHARGE", "[0-9]{3}"},    {"RESPONSABLE", "[0-9]{3}"},
        {"SECTEUR", "S[0-9]{2}"},          {"COMMUNES", "[0-9][0-9AB][0-9]{3}"},
        {"CIVILAIDE", "[0-9A-Z][0-9]{4}"}, {"ACCORD", "[0-9A-Z][0-9]{4}[0-9]{3}"},
        {"DEMANDACC", "[0-9A-Z][0-9]{4}"},
    };
    for (const auto& [nom, forme] : formes) {
        const std::regex motif(forme);
        for (const auto& [cle, r] : fichier(nom)) {
            EXPECT_TRUE(std::regex_match(cle, motif)) << nom << " " << cle;
        }
    }
    EXPECT_EQ(fichier("ASSOCIATION").size(), 3u);
    EXPECT_EQ(fichier("RESPONSABLE").size(), 12u);
    EXPECT_EQ(fichier("SECTEUR").size(), 8u);
    EXPECT_EQ(fichier("CIVILAIDE").size(), 600u);
    EXPECT_GE(fichier("ORGPRISECHARGE").size(), 35u);
    EXPECT_GT(fichier("ACCORD").size(), 2000u);
}

TEST(DemoSchema, AgreementDictionaryIsExactlyTheAgreedOne) {
    const std::string personne = R"(TRANS("CIVILAIDE", @ID[1,5], )";
    const std::map<std::string, std::vector<std::string>> attendu{
        {"TypeOrgChgAcc", {"I", R"(TRANS("ORGPRISECHARGE", @RECORD<1>, 18, "X"))", "L"}},
        {"EntiteAccord", {"D", "2", "L"}},
        {"ActivitesOrg", {"D", "3", "L"}},
        {"DateDebutAccord", {"D", "5", "R"}},
        {"DateFinAccord", {"D", "6", "R"}},
        {"DateSortieAideAccord", {"I", personne + R"(25, "X"))", "R"}},
        {"CodeResponsable", {"I", personne + R"(39, "X"))", "L"}},
        {"Responsable", {"I", personne + R"(39, "X"))", "L"}},
        {"CodeSecteur", {"I", personne + R"(40, "X")[1,3])", "L"}},
        {"Secteur", {"I", personne + R"(40, "X")[1,3])", "L"}},
        {"CommuneAide", {"I", personne + R"(11, "X"))", "L"}},
        {"NomPrenomAide", {"I", personne + R"(2, "X") : " " : )" + personne + R"(3, "X"))", "L"}},
    };
    std::map<std::string, std::vector<std::string>> lu;
    for (const auto& [cle, r] : fichier("DICT ACCORD")) {
        lu[cle] = {att(r, 1), att(r, 2), att(r, 5)};
        EXPECT_EQ(att(r, 3) + att(r, 4), "") << cle;
    }
    EXPECT_EQ(lu, attendu);
}

TEST(DemoSchema, EveryCommuneIsThereUpperCaseWithoutAccents) {
    const auto& communes = fichier("COMMUNES");
    EXPECT_EQ(communes.size(), 34969u);
    for (const auto& [code, r] : communes) {
        ASSERT_TRUE(majusculesAscii(att(r, 1))) << code << " " << att(r, 1);
    }
    EXPECT_EQ(att(communes.at("91228"), 1), "EVRY-COURCOURONNES");
    EXPECT_EQ(att(communes.at("02565"), 1), "OEUILLY");
    EXPECT_EQ(att(communes.at("94038"), 1), "L'HAY-LES-ROSES");
    EXPECT_EQ(att(communes.at("2A004"), 1), "AJACCIO");
}

TEST(DemoSchema, PersonsReferToRecordsOnFile) {
    std::set<std::string> communesHabitees;
    for (const auto& [code, r] : fichier("CIVILAIDE")) {
        EXPECT_TRUE(majusculesAscii(att(r, 2))) << att(r, 2);
        EXPECT_FALSE(att(r, 3).empty()) << code;
        EXPECT_TRUE(fichier("COMMUNES").contains(att(r, 11))) << code;
        EXPECT_TRUE(fichier("RESPONSABLE").contains(att(r, 39))) << code;
        EXPECT_TRUE(fichier("SECTEUR").contains(att(r, 40).substr(0, 3))) << code;
        communesHabitees.insert(att(r, 11));
    }
    EXPECT_GE(communesHabitees.size(), 40u);
    EXPECT_LE(communesHabitees.size(), 60u);
    std::set<std::string> departements;
    for (const auto& c : communesHabitees) {
        departements.insert(c.substr(0, 2));
    }
    EXPECT_EQ(departements.size(), 3u);
}

TEST(DemoSchema, AgreementsReferToTheirPersonEntityActivityAndBody) {
    for (const auto& [cle, r] : fichier("ACCORD")) {
        EXPECT_TRUE(fichier("CIVILAIDE").contains(cle.substr(0, 5))) << cle;
        EXPECT_TRUE(fichier("ORGPRISECHARGE").contains(att(r, 1))) << cle;
        EXPECT_TRUE(fichier("ASSOCIATION").contains(att(r, 2))) << cle;
        EXPECT_TRUE(fichier("ACTIVITES").contains(att(r, 3))) << cle;
        EXPECT_EQ(att(r, 3).substr(0, 3), att(r, 2)) << cle;
        EXPECT_LE(std::stoi(att(r, 5)), std::stoi(att(r, 6))) << cle;
    }
}

TEST(DemoSchema, EveryChainStartsAtOne) {
    std::set<std::string> avecAccord;
    for (const auto& [cle, r] : fichier("ACCORD")) {
        avecAccord.insert(cle.substr(0, 5));
    }
    for (const auto& personne : avecAccord) {
        EXPECT_TRUE(fichier("ACCORD").contains(personne + "001")) << personne;
    }
    EXPECT_EQ(avecAccord.size(), fichier("CIVILAIDE").size());
}

TEST(DemoSchema, RequestLinesAreParallel) {
    for (const auto& [cle, r] : fichier("DEMANDACC")) {
        const int lignes = DemoLue::nombreDeValeurs(r, 2);
        EXPECT_GE(lignes, 1) << cle;
        for (int a : {1, 3, 4}) {
            EXPECT_EQ(DemoLue::nombreDeValeurs(r, a), lignes) << cle;
        }
        for (int i = 1; i <= lignes; ++i) {
            EXPECT_TRUE(fichier("ORGPRISECHARGE").contains(DemoLue::valeur(r, 1, i))) << cle;
            EXPECT_LE(std::stoi(DemoLue::valeur(r, 3, i)), std::stoi(DemoLue::valeur(r, 4, i)));
        }
    }
}

TEST(DemoSchema, FundingBodiesServeTheirEntityActivities) {
    for (const auto& [code, r] : fichier("ORGPRISECHARGE")) {
        EXPECT_TRUE(fichier("ASSOCIATION").contains(att(r, 46))) << code;
        EXPECT_GE(DemoLue::nombreDeValeurs(r, 47), 1) << code;
        for (int v = 1; v <= DemoLue::nombreDeValeurs(r, 47); ++v) {
            const auto activite = DemoLue::valeur(r, 47, v);
            EXPECT_TRUE(fichier("ACTIVITES").contains(activite)) << code;
            EXPECT_EQ(activite.substr(0, 3), att(r, 46)) << code;
        }
        EXPECT_FALSE(att(r, 1).empty());
        EXPECT_FALSE(att(r, 2).empty());
    }
}

TEST(DemoSchema, RightsGiveAdminEverythingSectorsSomeAndTheReaderNoPrint) {
    const auto& droits = fichier("DROITS");
    ASSERT_EQ(droits.size(), 3u);
    const auto& admin = droits.at("admin");
    EXPECT_EQ(admin[0], nlohmann::json({"PAIE", "ARDOINE"}));
    EXPECT_EQ(admin[1], nlohmann::json({"1", "2"}));
    EXPECT_EQ(admin[2], nlohmann::json({"*", "*"}));
    const auto& secteurs = droits.at("secteurs");
    EXPECT_EQ(DemoLue::valeur(secteurs, 1, 1), "ARDOINE");
    EXPECT_EQ(DemoLue::valeur(secteurs, 2, 1), "2");
    ASSERT_TRUE(secteurs[2][0].is_array());
    EXPECT_GE(secteurs[2][0].size(), 2u);
    EXPECT_LT(secteurs[2][0].size(), fichier("SECTEUR").size());
    for (const auto& s : secteurs[2][0]) {
        EXPECT_TRUE(fichier("SECTEUR").contains(s.get<std::string>()));
    }
    const auto& lecteur = droits.at("lecteur");
    EXPECT_EQ(DemoLue::valeur(lecteur, 1, 1), "ARDOINE");
    EXPECT_EQ(DemoLue::valeur(lecteur, 2, 1), "1");
}
