#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "liste/ReglesAccord.h"

// The rules that decide the list, on records built by hand: the renewal by a later agreement,
// the cover by a line of a renewal request, and the rights on the person's sector. The walk that
// finds those records is tried on printed lists (LectureAccordTest, ExplicationTest).

namespace {

constexpr std::int64_t Lendemain = 19000;

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
    return Fiche({{18, type}, {20, statut}});
}

std::string Jour(std::int64_t decalage) {
    return std::to_string(Lendemain + decalage);
}

}  // namespace

TEST(RegleRenouvellement, UnAccordSuivantDebuteLeLendemainQuandSonDebutEstCeJourLa) {
    EXPECT_TRUE(rapport::Debute_Le(Accord("19000"), Lendemain));
    EXPECT_TRUE(rapport::Debute_Le(Accord("19000.5"), Lendemain));
    EXPECT_FALSE(rapport::Debute_Le(Accord("18999"), Lendemain));
    EXPECT_FALSE(rapport::Debute_Le(Accord("19001"), Lendemain));
    EXPECT_FALSE(rapport::Debute_Le(Accord(""), Lendemain));
    EXPECT_FALSE(rapport::Debute_Le(Accord("le lendemain"), Lendemain));
    EXPECT_FALSE(rapport::Debute_Le(Accord("01/01/2022"), Lendemain));
}

// Only an agreement not marked "O", of a funding body on file that funds care and still takes
// agreements (any status but "0"), renews.
TEST(RegleRenouvellement, UnAccordSuivantCompteSelonSaMarqueEtSonOrganisme) {
    const dba::Enregistrement soins = Organisme("P");
    EXPECT_TRUE(rapport::Accord_Renouvelle(Accord(Jour(0)), &soins));
    EXPECT_TRUE(rapport::Accord_Renouvelle(Accord(Jour(0), "N"), &soins));
    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord(Jour(0), "O"), &soins));
    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord(Jour(0)), nullptr));
    const dba::Enregistrement mutuelle = Organisme("M");
    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord(Jour(0)), &mutuelle));
    const dba::Enregistrement ferme = Organisme("P", "0");
    EXPECT_FALSE(rapport::Accord_Renouvelle(Accord(Jour(0)), &ferme));
    const dba::Enregistrement ouvert = Organisme("P", "1");
    EXPECT_TRUE(rapport::Accord_Renouvelle(Accord(Jour(0)), &ouvert));
}

TEST(RegleRenouvellement, SeulUn001AbsentNArretePasLaRechercheDesAccordsSuivants) {
    EXPECT_FALSE(rapport::Manque_Termine_Les_Accords(1));
    EXPECT_TRUE(rapport::Manque_Termine_Les_Accords(2));
    EXPECT_TRUE(rapport::Manque_Termine_Les_Accords(3));
}

// A request line covers the day when its own start and end, both included, hold it.
TEST(RegleDemande, UneLigneContientLeLendemainEntreSesBornesIncluses) {
    EXPECT_TRUE(rapport::Periode_Contient(Jour(-30), Jour(0), Lendemain));
    EXPECT_TRUE(rapport::Periode_Contient(Jour(0), Jour(90), Lendemain));
    EXPECT_TRUE(rapport::Periode_Contient(Jour(0), Jour(0), Lendemain));
    EXPECT_TRUE(rapport::Periode_Contient(Jour(-5) + ".5", Jour(5), Lendemain));
    EXPECT_FALSE(rapport::Periode_Contient(Jour(-30), Jour(-1), Lendemain));
    EXPECT_FALSE(rapport::Periode_Contient(Jour(1), Jour(90), Lendemain));
    EXPECT_FALSE(rapport::Periode_Contient("", Jour(10), Lendemain));
    EXPECT_FALSE(rapport::Periode_Contient(Jour(-10), "", Lendemain));
    EXPECT_FALSE(rapport::Periode_Contient(Jour(10), Jour(-10), Lendemain));
}

// ... and its funding body is on file and funds care, whatever its status.
TEST(RegleDemande, SeulUnOrganismeDeSoinsConnuCouvre) {
    const dba::Enregistrement soins = Organisme("P", "0");
    const dba::Enregistrement mutuelle = Organisme("M");
    EXPECT_TRUE(rapport::Organisme_Couvre(&soins));
    EXPECT_FALSE(rapport::Organisme_Couvre(&mutuelle));
    EXPECT_FALSE(rapport::Organisme_Couvre(nullptr));
}

TEST(RegleDroits, LeSecteurEstLesTroisPremiersCaracteresDeLAttribut40) {
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "S01NORD"}})), "S01");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "S0"}})), "S0");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "ÉTÉ9"}})), "ÉTÉ");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{39, "R01"}})), "");
}

TEST(RegleDroits, UnAideNEstVisibleQueSiLeSecteurLuEstPermis) {
    const auto seulS01 = [](const std::string& secteur) { return secteur == "S01"; };
    EXPECT_TRUE(rapport::Aide_Visible(Fiche({{40, "S01X"}}), seulS01));
    EXPECT_FALSE(rapport::Aide_Visible(Fiche({{40, "S02"}}), seulS01));
    EXPECT_FALSE(rapport::Aide_Visible(Fiche({{40, "S0"}}), seulS01));
}
