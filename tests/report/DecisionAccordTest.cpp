#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "liste/ReglesAccord.h"

// What the rules that decide the list read of a record, on records built by hand: a start day
// however it is written, a sector cut by characters, not bytes. The rules themselves are tried
// on printed lists (LectureAccordTest, ExplicationTest).

namespace {

dba::Enregistrement Fiche(const std::vector<std::pair<int, std::string>>& attributs) {
    dba::Enregistrement fiche;
    for (const auto& [attribut, valeur] : attributs) {
        fiche.definir(attribut, valeur);
    }
    return fiche;
}

dba::Enregistrement Accord(const std::string& debut) {
    return Fiche({{1, "CAF"}, {5, debut}});
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

TEST(RegleDroits, LeSecteurEstLesTroisPremiersCaracteresDeLAttribut40) {
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "S01NORD"}})), "S01");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "S0"}})), "S0");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{40, "ÉTÉ9"}})), "ÉTÉ");
    EXPECT_EQ(rapport::Secteur_Aide(Fiche({{39, "R01"}})), "");
}
