#include <gtest/gtest.h>

#include "DonneesRapport.h"
#include "ImpressionEssai.h"
#include "dba/Erreur.h"

// Which agreements ending in May 2018 reach the list: not followed by an agreement starting
// on 1 June (the day after), not covered by a request line holding that day.

namespace {

using essai::Accord;
using essai::FinMai;
using essai::ImpressionEssai;
using essai::LigneAccord;
using essai::LigneDemande;
using Codes = std::vector<std::string>;

std::string Jour(std::int64_t decalage) {
    return std::to_string(essai::LendemainFinMai() + decalage);
}

// The agreement of May for each person: key person + "001", unless given.
std::string AccordDeMai(const std::string& cle) {
    return LigneAccord(Accord{cle, essai::TexteJour(2017, 6, 1), FinMai()});
}

std::string Personne(const std::string& code, const std::string& nom) {
    return essai::Aide({code, nom, "Jean"});
}

Codes Imprimes(const std::vector<std::string>& lignes) {
    ImpressionEssai impression(essai::Avec(lignes));
    impression.Imprimer();
    EXPECT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    if (impression.imprimantes->Ouvertures().empty() ||
        impression.Imprimante().Documents().empty()) {
        return {};
    }
    return essai::Codes(impression.Document());
}

TEST(Renouvellement, UnAccordQuiDebuteLeLendemainRenouvelleMaisPasLeSurlendemain) {
    EXPECT_EQ(Imprimes({
                  Personne("A0001", "ALPHA"),
                  AccordDeMai("A0001001"),
                  LigneAccord({"A0001002", Jour(0), Jour(365)}),
                  Personne("B0001", "BETA"),
                  AccordDeMai("B0001001"),
                  LigneAccord({"B0001002", Jour(1), Jour(365)}),
              }),
              (Codes{"B0001"}));
}

TEST(Renouvellement, LaMarqueOLOrganismeNonPOuFermeNeRenouvellentPas) {
    EXPECT_EQ(Imprimes({
                  Personne("A0001", "ALPHA"),
                  AccordDeMai("A0001001"),
                  LigneAccord({"A0001002", Jour(0), Jour(365), "001", "O"}),
                  Personne("B0001", "BETA"),
                  AccordDeMai("B0001001"),
                  LigneAccord({"B0001002", Jour(0), Jour(365), "003"}),
                  Personne("C0001", "GAMMA"),
                  AccordDeMai("C0001001"),
                  LigneAccord({"C0001002", Jour(0), Jour(365), "002"}),
                  // One that does not count, then one that does: the search goes on.
                  Personne("D0001", "DELTA"),
                  AccordDeMai("D0001001"),
                  LigneAccord({"D0001002", Jour(0), Jour(365), "003"}),
                  LigneAccord({"D0001003", Jour(0), Jour(365)}),
              }),
              (Codes{"A0001", "B0001", "C0001"}));
}

TEST(Renouvellement, LaRechercheSArreteAuPremierTrouMaisPasSurUn001Absent) {
    EXPECT_EQ(
        Imprimes({
            // "004" would renew, but "003" is missing.
            Personne("A0001", "ALPHA"),
            AccordDeMai("A0001001"),
            LigneAccord({"A0001002", essai::TexteJour(2016, 1, 1), essai::TexteJour(2016, 12, 31)}),
            LigneAccord({"A0001004", Jour(0), Jour(365)}),
            // No "001": "002" renews the agreement "003" of May.
            Personne("B0001", "BETA"),
            LigneAccord({"B0001002", Jour(0), Jour(365)}),
            AccordDeMai("B0001003"),
        }),
        (Codes{"A0001"}));
}

TEST(Renouvellement, UnePersonneSansSuiteNePrendJamaisLaSuiteDUneAutre) {
    // ALPHA is renewed; BETA's only agreement is "005", so no "001" nor "002" is on file and
    // nothing read for ALPHA may stand for BETA's agreements.
    EXPECT_EQ(Imprimes({
                  Personne("A0001", "ALPHA"),
                  AccordDeMai("A0001001"),
                  LigneAccord({"A0001002", Jour(0), Jour(365)}),
                  Personne("B0001", "BETA"),
                  AccordDeMai("B0001005"),
              }),
              (Codes{"B0001"}));
}

TEST(Renouvellement, UneDateQuiNEstPasUnNombreNeRenouvellePas) {
    EXPECT_EQ(Imprimes({
                  Personne("A0001", "ALPHA"),
                  AccordDeMai("A0001001"),
                  LigneAccord({"A0001002", "le lendemain", Jour(365)}),
                  Personne("B0001", "BETA"),
                  AccordDeMai("B0001001"),
                  LigneAccord({"B0001002", Jour(0) + ".0", Jour(365)}),
              }),
              (Codes{"A0001"}));
}

TEST(Demande, UneLigneQuiContientLeLendemainCouvreSesDeuxBoutsCompris) {
    EXPECT_EQ(Imprimes({
                  Personne("A0001", "ALPHA"),
                  AccordDeMai("A0001001"),
                  essai::Demande("A0001", {{"001", Jour(-30), Jour(0)}}),
                  Personne("B0001", "BETA"),
                  AccordDeMai("B0001001"),
                  essai::Demande("B0001", {{"001", Jour(0), Jour(90)}}),
                  Personne("C0001", "GAMMA"),
                  AccordDeMai("C0001001"),
                  essai::Demande("C0001", {{"001", Jour(-30), Jour(-1)}}),
                  Personne("D0001", "DELTA"),
                  AccordDeMai("D0001001"),
              }),
              (Codes{"D0001", "C0001"}));
}

TEST(Demande, UneLigneDUnOrganismeNonPNeCouvrePasMaisUneLigneSuivantePeut) {
    EXPECT_EQ(
        Imprimes({
            Personne("A0001", "ALPHA"),
            AccordDeMai("A0001001"),
            essai::Demande("A0001", {{"003", Jour(-30), Jour(30)}}),
            Personne("B0001", "BETA"),
            AccordDeMai("B0001001"),
            essai::Demande("B0001", {{"003", Jour(-30), Jour(30)}, {"001", Jour(-10), Jour(10)}}),
            // The request looks at the body's type only, not at its status.
            Personne("C0001", "GAMMA"),
            AccordDeMai("C0001001"),
            essai::Demande("C0001", {{"002", Jour(-10), Jour(10)}}),
            // A line whose dates are not numbers covers nothing.
            Personne("D0001", "DELTA"),
            AccordDeMai("D0001001"),
            essai::Demande("D0001", {{"001", "", Jour(10)}}),
        }),
        (Codes{"A0001", "D0001"}));
}

TEST(Lecture, UnOrganismeIntrouvableNeCouvreNiNeRenouvelle) {
    ImpressionEssai impression(essai::Avec({
        Personne("A0001", "ALPHA"),
        AccordDeMai("A0001001"),
        LigneAccord({"A0001002", Jour(0), Jour(365), "009"}),
        Personne("B0001", "BETA"),
        AccordDeMai("B0001001"),
        essai::Demande("B0001", {{"009", Jour(-10), Jour(10)}}),
    }));
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    EXPECT_EQ(essai::Codes(impression.Document()), (Codes{"A0001", "B0001"}));
}

TEST(Lecture, UneDefaillanceDeLaBaseArreteLImpressionSansRienDeclarerRenouvele) {
    ImpressionEssai impression(essai::Avec({
        Personne("A0001", "ALPHA"),
        AccordDeMai("A0001001"),
        LigneAccord({"A0001002", Jour(0), Jour(365)}),
    }));
    impression.base->Pieger("ACCORD", "A0001002", dba::ErrStockage);
    impression.Imprimer();
    ASSERT_EQ(impression.erreurs.size(), 1U);
    EXPECT_EQ(impression.erreurs.front(),
              "Impression interrompue : Lecture impossible de A0001002.");
}

}  // namespace
