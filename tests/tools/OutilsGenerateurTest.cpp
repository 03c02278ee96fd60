#include <gtest/gtest.h>

#include "dba/Erreur.h"
#include "demogen/Codes.h"
#include "demogen/JourInterne.h"
#include "demogen/MajusculesSansAccents.h"
#include "demogen/TailleDemo.h"

using namespace demogen;

TEST(MajusculesSansAccents, DropsDiacriticsSpellsOutLigaturesAndPlainsApostrophes) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"Évry-Courcouronnes", "EVRY-COURCOURONNES"},
        {"L'Haÿ-les-Roses", "L'HAY-LES-ROSES"},
        {"Saint-Étienne-du-Rouvray", "SAINT-ETIENNE-DU-ROUVRAY"},
        {"Îles-de-Çà-et-Là", "ILES-DE-CA-ET-LA"},
        {"Œuilly", "OEUILLY"},
        {"Cœuvres-et-Valsery", "COEUVRES-ET-VALSERY"},
        {"Jeanne d’Arc", "JEANNE D'ARC"},
    };
    for (const auto& [nom, attendu] : cas) {
        EXPECT_EQ(majusculesSansAccents(nom), attendu) << nom;
    }
}

TEST(JourInterne, CountsDaysFromFirstJanuary1968) {
    EXPECT_EQ(jourInterne(1968, 1, 1), 1);
    EXPECT_EQ(jourInterne(1967, 12, 31), 0);
    EXPECT_EQ(jourInterne(2000, 1, 1), 11689);
    EXPECT_EQ(jourInterne(2026, 12, 1), jourInterne(2026, 11, 30) + 1);
}

TEST(JourInterne, WholeMonthsEndTheDayBeforeTheSameDateAndRunIntoNextYears) {
    EXPECT_EQ(dernierJourApresMois(jourInterne(2026, 1, 1), 1), jourInterne(2026, 1, 31));
    EXPECT_EQ(dernierJourApresMois(jourInterne(2026, 3, 15), 12), jourInterne(2027, 3, 14));
    EXPECT_EQ(dernierJourApresMois(jourInterne(2024, 1, 31), 1), jourInterne(2024, 2, 29));
    EXPECT_EQ(dernierJourApresMois(jourInterne(2025, 1, 31), 1), jourInterne(2025, 2, 28));
    // Months past twelve run into the next years.
    EXPECT_EQ(premierJourDuMois(2025, 1), jourInterne(2025, 1, 1));
    EXPECT_EQ(premierJourDuMois(2025, 37), jourInterne(2028, 1, 1));
}

TEST(CodeAide, FiveCharactersInByteOrderBeyondNinetyNineThousand) {
    EXPECT_EQ(codeAide(1), "00001");
    EXPECT_EQ(codeAide(99999), "99999");
    EXPECT_EQ(codeAide(100000), "A0000");
    EXPECT_EQ(codeAide(125000), "C5000");
    EXPECT_LT(codeAide(99999), codeAide(100000));
    EXPECT_LT(codeAide(109999), codeAide(110000));
    EXPECT_EQ(codeNumerique(7, 3), "007");
}

TEST(TailleDemo, EveryNameItListsIsASizeAndNoOther) {
    for (const std::string& nom : TailleDemo::noms()) {
        EXPECT_GT(TailleDemo::parNom(nom).nombreMois, 0) << nom;
    }
    EXPECT_THROW(TailleDemo::parNom("bench-2ans"), dba::Erreur);
}

// Persons and years beyond what the codes and the calendar hold are refused, not wrapped.
TEST(TailleDemo, MadeToMeasureWithinTheCodesAndTheCalendar) {
    const TailleDemo taille = TailleDemo::surMesure(359999, 150);
    EXPECT_EQ(taille.aides, 359999);
    EXPECT_EQ(taille.premiereAnnee, 2017);
    EXPECT_EQ(taille.nombreMois, 1800);
    EXPECT_EQ(codeAide(taille.aides), "Z9999");
    for (const auto& [aides, annees] : {std::pair{360000, 10}, {0, 10}, {1000, 0}, {1000, 151}}) {
        try {
            TailleDemo::surMesure(aides, annees);
            ADD_FAILURE() << aides << " aidés sur " << annees << " ans acceptés";
        } catch (const dba::Erreur& e) {
            EXPECT_EQ(e.numero(), dba::ErrArgument);
            EXPECT_TRUE(e.texte().find("hors limites") != std::string::npos) << e.texte();
        }
    }
}
