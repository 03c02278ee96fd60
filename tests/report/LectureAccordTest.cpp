#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "DonneesRapport.h"
#include "ImpressionEssai.h"

// Which agreements ending in May 2018 reach the list: not followed by an agreement starting
// on 1 June (the day after), not covered by a request line holding that day.

namespace {

using essai::FinMai;
using essai::ImpressionEssai;
using essai::LigneAccord;
using essai::LigneDemande;
using Lignes = std::vector<std::string>;

using essai::AccordDeMai;
using essai::JourApresMai;
using essai::Suivant;

// A person whose agreement "001" ends in May, then the lines given.
Lignes Aide(const std::string& code, const Lignes& suite) {
    Lignes lignes{essai::Aide({code, "NOM " + code, "Jean"}), AccordDeMai(code + "001")};
    lignes.insert(lignes.end(), suite.begin(), suite.end());
    return lignes;
}

// The codes listed when printing the persons given.
Lignes Imprimes(const std::vector<Lignes>& aides) {
    Lignes lignes;
    for (const Lignes& aide : aides) {
        lignes.insert(lignes.end(), aide.begin(), aide.end());
    }
    ImpressionEssai impression(essai::Avec(lignes));
    impression.Imprimer();
    EXPECT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    if (impression.imprimantes->Ouvertures().empty() ||
        impression.Imprimante().Documents().empty()) {
        return {};
    }
    return essai::Codes(impression.Document());
}

// Each condition on a single follow-on agreement: ExplicationTest, rule by rule.
TEST(Renouvellement, LaRechercheSArreteAuPremierTrouMaisPasSurUn001Absent) {
    EXPECT_EQ(
        Imprimes({
            // "004" would renew, but "003" is missing.
            Aide("A0001", {LigneAccord({"A0001002", essai::TexteJour(2016, 1, 1),
                                        essai::TexteJour(2016, 12, 31)}),
                           Suivant("A0001004")}),
            // No "001": "002" renews the agreement "003" of May.
            {essai::Aide({"B0001", "BETA", "Jean"}), Suivant("B0001002"), AccordDeMai("B0001003")},
            // One that does not count, then one that does: the search goes on.
            Aide("D0001", {Suivant("D0001002", 0, "003"), Suivant("D0001003")}),
            // A funding body not on file renews nothing.
            Aide("E0001", {Suivant("E0001002", 0, "009")}),
            // A renewed person, then one whose only agreement is "005": nothing read for the
            // first may stand for the second's missing "001" nor "002".
            Aide("F0001", {Suivant("F0001002")}),
            {essai::Aide({"G0001", "ZETA", "Jean"}), AccordDeMai("G0001005")},
        }),
        (Lignes{"A0001", "E0001", "G0001"}));
}

// Agreements "002" to "0nn" after the one of May, none starting the day after, then `dernier`.
Lignes Longue_Suite(const std::string& code, int nombre, const std::string& dernier) {
    Lignes suite;
    for (int numero = 2; numero <= nombre; ++numero) {
        suite.push_back(
            Suivant(code + std::string(numero < 10 ? "00" : "0") + std::to_string(numero), numero));
    }
    suite.push_back(dernier);
    return Aide(code, suite);
}

TEST(Renouvellement, UneLongueSuiteDAccordsEstLueJusquAuBout) {
    // On a server the later agreements are fetched by growing chunks: the renewing one comes
    // past the first ones, a missing number ends the search wherever it falls.
    EXPECT_EQ(Imprimes({Longue_Suite("A0001", 60, Suivant("A0001061")),
                        Longue_Suite("B0001", 60, Suivant("B0001062")),
                        Longue_Suite("C0001", 9, Suivant("C0001010", 3)),
                        Longue_Suite("D0001", 33, Suivant("D0001034"))}),
              (Lignes{"B0001", "C0001"}));
}

// Every record the walk reads by key was announced before, with its batch of rows or as a
// person's agreements went on, over two copies: none is fetched alone, and the batches are
// few. A wrong announcement would only cost speed, so the reads are counted.
TEST(Anticipation, ChaqueLectureDuParcoursEstAnnonceeAvecSonLot) {
    constexpr int Aides = 700;
    Lignes lignes;
    for (int i = 0; i < Aides; ++i) {
        std::string code = std::to_string(10000 + i);
        code.front() = 'A';
        const LigneDemande couvre{"001", JourApresMai(-30), JourApresMai(30)};
        const Lignes aide = i % 4 == 0   ? Aide(code, {Suivant(code + "002")})
                            : i % 4 == 1 ? Aide(code, {essai::Demande(code, {couvre})})
                            : i % 4 == 2 ? Longue_Suite(code, 30, Suivant(code + "031"))
                                         : Aide(code, {});
        lignes.insert(lignes.end(), aide.begin(), aide.end());
    }
    ImpressionEssai impression(essai::Avec(lignes), "admin", 2);
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    EXPECT_EQ(essai::Codes(impression.Document()).size(), 2U * Aides / 4);
    for (const char* fichier :
         {"ACCORD", "CIVILAIDE", "DEMANDACC", "ORGPRISECHARGE", "RESPONSABLE"}) {
        EXPECT_EQ(impression.base->Lectures_Non_Annoncees(fichier), 0) << fichier;
    }
    // The persons: one announcement per batch of rows and copy, a batch holding them all.
    EXPECT_EQ(impression.base->Annonces("CIVILAIDE"), 2);
}

// Each line of a request is read in turn, counted on attribute 2 whatever the other attributes
// hold; the cover of one line is a rule of its own (DecisionAccordTest).
TEST(Demande, ChaqueLigneDeLaDemandeEstLueJusquALaPremiereQuiCouvre) {
    using nlohmann::json;
    const auto demande = [](const std::string& code, const std::vector<LigneDemande>& lignes) {
        return Aide(code, {essai::Demande(code, lignes)});
    };
    const auto surAttribut2 = [](const std::string& code, const json& dates) {
        return Aide(code, {essai::Ligne("DEMANDACC", code,
                                        {{1, json::array({"003", "001"})},
                                         {2, dates},
                                         {3, json::array({JourApresMai(-30), JourApresMai(-5)})},
                                         {4, json::array({JourApresMai(30), JourApresMai(5)})}})});
    };
    const LigneDemande avant{"001", JourApresMai(-90), JourApresMai(-30)};
    const LigneDemande apres{"001", JourApresMai(30), JourApresMai(90)};
    const LigneDemande couvre{"001", JourApresMai(-5), JourApresMai(5)};
    EXPECT_EQ(Imprimes({
                  Aide("A0001", {}),
                  demande("A0002", {couvre}),
                  // Not of type "P" or not on file: no cover; a later line may cover.
                  demande("B0001", {{"003", JourApresMai(-30), JourApresMai(30)}, couvre}),
                  demande("B0002", {{"009", JourApresMai(-10), JourApresMai(10)}}),
                  // Lines that together span the day, none alone, do not cover.
                  demande("C0001", {avant, apres}),
                  demande("C0002", {avant, apres, couvre}),
                  // One line only: the second start and end are left-overs.
                  surAttribut2("D0001", json::array({JourApresMai(-30)})),
                  surAttribut2("D0002", json::array({JourApresMai(-30), JourApresMai(-5), ""})),
              }),
              (Lignes{"A0001", "B0002", "C0001", "D0001"}));
}

}  // namespace
