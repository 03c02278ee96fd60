#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "DonneesRapport.h"
#include "Face.h"
#include "ImpressionEssai.h"
#include "RelaisRetarde.h"

// The control's exchanges with the server, counted through a relay on the loopback: each round
// trip costs a distant office the delay of its link, so their number, not the time here, is
// what must not grow. The lists are printed whole: a count that drops because a run failed
// would prove nothing.

namespace {

using essai::ImpressionEssai;

// The most round trips each exchange may take. The connection, its rights, Init and the legal
// entity the test control starts with are one exchange here.
constexpr std::int64_t ConnexionEtInitAuPlus = 26;
constexpr std::int64_t CodeTapeAuPlus = 9;
constexpr std::int64_t PasDePeriodeAuPlus = 0;
// A print run of one month of three persons, of 1,200 (the selection scans two blocks of the
// file more: these files have no index on the end date), and what each further month of a
// range adds.
constexpr std::int64_t PetiteImpressionAuPlus = 12;
constexpr std::int64_t GrandeImpressionAuPlus = 14;
constexpr std::int64_t MoisEnPlusAuPlus = 2;

class AllersRetoursSurServeur : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* dossier = std::getenv("ARDOINE_TEST_SERVEUR");
        if (dossier == nullptr) {
            GTEST_SKIP() << "sur le serveur seulement";
        }
        relais = std::make_unique<RelaisRetarde>(std::string(dossier) + "/.s.PGSQL.5439",
                                                 std::chrono::milliseconds(0));
    }

    // A control on May's persons whose client reaches the server through the relay: the
    // relay's address, last in the connection string, overrides the cluster's socket.
    std::unique_ptr<ImpressionEssai> Controle(int personnes) {
        return std::make_unique<ImpressionEssai>(
            essai::Avec(essai::AidesDeMai(essai::Serie(personnes))), "admin", 1,
            "relais host=127.0.0.1 port=" + std::to_string(relais->port()));
    }

    std::int64_t AllersRetours(const std::function<void()>& echange) const {
        const CompteEchanges avant = relais->comptes();
        echange();
        return (relais->comptes() - avant).allersRetours;
    }

    // The round trips of a print run of `mois` months from May 2018, checked to print.
    std::int64_t Impression(ImpressionEssai& impression, int mois) const {
        impression.controle->Mois_Imprimes(mois);
        const std::int64_t allersRetours = AllersRetours([&] { impression.Imprimer(); });
        EXPECT_TRUE(impression.erreurs.empty());
        EXPECT_TRUE(impression.Envoye());
        return allersRetours;
    }

    std::unique_ptr<RelaisRetarde> relais;
};

TEST_F(AllersRetoursSurServeur, LaConnexionEtLInitialisation) {
    std::unique_ptr<ImpressionEssai> impression;
    const std::int64_t allersRetours = AllersRetours([&] { impression = Controle(3); });
    EXPECT_LE(allersRetours, ConnexionEtInitAuPlus);
    EXPECT_TRUE(impression->erreurs.empty());
}

TEST_F(AllersRetoursSurServeur, UnCodeTapeEnEntierAvecLesListesQuIlRemplit) {
    const auto impression = Controle(3);
    auto* association = essai::Face(*impression->controle).Txt_Association;
    association->clear();
    EXPECT_LE(AllersRetours([&] { QTest::keyClicks(association, QStringLiteral("041")); }),
              CodeTapeAuPlus);
    EXPECT_EQ(association->text(), QStringLiteral("041"));
}

TEST_F(AllersRetoursSurServeur, UnPasDeLaPeriodeNeDemandeRienAuServeur) {
    const auto impression = Controle(3);
    auto* periode = essai::Face(*impression->controle).Txt_Periode;
    const QString avant = periode->text();
    EXPECT_EQ(AllersRetours([&] { essai::Face(*impression->controle).Bdh_Periode->stepBy(1); }),
              PasDePeriodeAuPlus);
    EXPECT_NE(periode->text(), avant);
}

TEST_F(AllersRetoursSurServeur, UneImpressionDUnMoisQuelleQueSoitSaTaille) {
    EXPECT_LE(Impression(*Controle(3), 1), PetiteImpressionAuPlus);
    EXPECT_LE(Impression(*Controle(1200), 1), GrandeImpressionAuPlus);
}

TEST_F(AllersRetoursSurServeur, ChaqueMoisDePlusDUnePlage) {
    const auto impression = Controle(3);
    const std::int64_t unMois = Impression(*impression, 1);
    EXPECT_LE(Impression(*impression, 3) - unMois, 2 * MoisEnPlusAuPlus);
}

}  // namespace
