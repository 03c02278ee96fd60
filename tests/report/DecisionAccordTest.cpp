#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "liste/ReglesAccord.h"

// The rules that decide the list, each on records built by hand: what a printed list shows
// (ImpressionTest, LectureAccordTest) follows from these answers.

namespace {

dba::Enregistrement Fiche(const std::vector<std::pair<int, std::string>>& attributs) {
    dba::Enregistrement fiche;
    for (const auto& [attribut, valeur] : attributs) {
        fiche.definir(attribut, valeur);
    }
    return fiche;
}

dba::Enregistrement Accord(const std::string& debut, const std::string& marque = "") {
    return Fiche({{1, "CAF"}, {5, debut}, {18, marque}});
}

dba::Enregistrement Organisme(const std::string& type, const std::string& statut = "") {
    return Fiche({{1, "CAISSE"}, {18, type}, {20, statut}});
}

}  // namespace

TEST(RegleRenouvellement, UnAccordSuivantDebuteLeLendemainQuandSonDebutEstCeJourLa) {
    EXPECT_TRUE(rapport::Debute_Le(Accord("19000"), 19000));
    EXPECT_TRUE(rapport::Debute_Le(Accord("19000.5"), 19000));
    EXPECT_FALSE(rapport::Debute_Le(Accord("18999"), 19000));
    EXPECT_FALSE(rapport::Debute_Le(Accord("19001"), 19000));
    EXPECT_FALSE(rapport::Debute_Le(Accord(""), 19000));
    EXPECT_FALSE(rapport::Debute_Le(Accord("01/01/2022"), 19000));
}

TEST(RegleRenouvellement, IlCompteSiNonMarqueEtSonOrganismeFinanceEtPrendEncoreDesAccords) {
    const dba::Enregistrement finance = Organisme("P");
    EXPECT_TRUE(rapport::Accord_Renouvelle(Accord("19000"), &finance));
    const dba::Enregistrement actif = Organisme("P", "1");
    EXPECT_TRUE(rapport::Accord_Renouvelle(Accord("19000", "N"), &actif));

    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord("19000", "O"), &finance));
    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord("19000"), nullptr));
    const dba::Enregistrement autreGenre = Organisme("A");
    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord("19000"), &autreGenre));
    const dba::Enregistrement ferme = Organisme("P", "0");
    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord("19000"), &ferme));
}

TEST(RegleRenouvellement, LesAccordsDeLAideSArretentAuPremierNumeroManquantSauf001) {
    EXPECT_FALSE(rapport::Manque_Termine_Les_Accords(1));
    EXPECT_TRUE(rapport::Manque_Termine_Les_Accords(2));
    EXPECT_TRUE(rapport::Manque_Termine_Les_Accords(999));
}

TEST(RegleDemande, UnePeriodeContientLeJourBornesComprises) {
    EXPECT_TRUE(rapport::Periode_Contient("100", "200", 100));
    EXPECT_TRUE(rapport::Periode_Contient("100", "200", 150));
    EXPECT_TRUE(rapport::Periode_Contient("100", "200", 200));
    EXPECT_FALSE(rapport::Periode_Contient("100", "200", 99));
    EXPECT_FALSE(rapport::Periode_Contient("100", "200", 201));
    EXPECT_FALSE(rapport::Periode_Contient("", "200", 150));
    EXPECT_FALSE(rapport::Periode_Contient("100", "fin", 150));
}

TEST(RegleDemande, SeulUnOrganismeConnuQuiFinanceCouvreLaLigne) {
    const dba::Enregistrement finance = Organisme("P");
    EXPECT_TRUE(rapport::Organisme_Couvre(&finance));
    const dba::Enregistrement ferme = Organisme("P", "0");
    EXPECT_TRUE(rapport::Organisme_Couvre(&ferme));
    const dba::Enregistrement autreGenre = Organisme("A");
    EXPECT_FALSE(rapport::Organisme_Couvre(&autreGenre));
    EXPECT_FALSE(rapport::Organisme_Couvre(nullptr));
}

TEST(RegleDroits, LeSecteurEstLesTroisPremiersCaracteresDeLAttribut40) {
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "S01NORD"}})), "S01");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "S0"}})), "S0");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "ÉTÉ9"}})), "ÉTÉ");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{39, "R01"}})), "");
}

TEST(RegleDroits, UnAideNEstVisibleQueSiLUtilisateurVoitSonSecteur) {
    std::vector<std::string> demandes;
    const std::set<std::string> autorises{"S01"};
    const auto autorise = [&](const std::string& secteur) {
        demandes.push_back(secteur);
        return autorises.count(secteur) != 0;
    };
    EXPECT_TRUE(rapport::Aide_Visible(Fiche({{40, "S01NORD"}}), autorise));
    EXPECT_FALSE(rapport::Aide_Visible(Fiche({{40, "S02SUD"}}), autorise));
    EXPECT_EQ(demandes, (std::vector<std::string>{"S01", "S02"}));
}
