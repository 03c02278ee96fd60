#include <gtest/gtest.h>

#include <sstream>

#include "DemoLue.h"
#include "demogen/FluxDemo.h"
#include "demogen/GenerateurDemo.h"
#include "demogen/JourInterne.h"

using namespace demogen;

namespace {

GenerateurDemo generateur(const std::string& taille, std::uint64_t graine) {
    return GenerateurDemo(DonneesReference::charger(ARDOINE_DATA_DIR), TailleDemo::parNom(taille),
                          graine);
}

}  // namespace

TEST(GenerateurDemo, SameSeedGivesSameBytesAlsoAsAStreamAnotherSeedOtherData) {
    std::ostringstream memeGraine;
    generateur("demo", 7).ecrireTout(memeGraine);
    EXPECT_EQ(memeGraine.str(), texteDemo(7));
    auto g = generateur("demo", 7);
    FluxDemo flux(g);
    std::ostringstream lu;
    lu << flux.rdbuf();
    EXPECT_EQ(lu.str(), texteDemo(7));
    EXPECT_NE(texteDemo(8), texteDemo(7));
}

// One year of the benchmark volume: about 8,300 agreements end each month, and every person
// has an agreement in force.
TEST(GenerateurDemo, BenchmarkYearEndsAboutAHundredThousandAgreementsIn2026) {
    auto g = generateur("bench-1an", 3);
    const int premier2026 = jourInterne(2026, 1, 1), premier2027 = jourInterne(2027, 1, 1);
    std::string lot;
    std::size_t en2026 = 0, aides = 0;
    while (g.lotSuivant(lot)) {
        std::istringstream lignes(lot);
        for (std::string ligne; std::getline(lignes, ligne);) {
            if (ligne.starts_with(R"({"file":"CIVILAIDE")")) {
                ++aides;
            } else if (ligne.starts_with(R"({"file":"ACCORD")")) {
                const int fin = nlohmann::json::parse(ligne)["record"][5].get<int>();
                en2026 += fin >= premier2026 && fin < premier2027;
            }
        }
        lot.clear();
    }
    EXPECT_EQ(aides, 125000u);
    EXPECT_GT(en2026, 95000u);
    EXPECT_LT(en2026, 105000u);
}
