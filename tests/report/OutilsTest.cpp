#include <gtest/gtest.h>

#include <QDate>

#include "dba/Erreur.h"
#include "outils/Outils.h"
#include "printer/ChoixImpressionImprimantes.h"
#include "printer/ChoixImprimanteScripte.h"
#include "printer/ImprimantesEnregistrees.h"

using imprimante::Choix;
using imprimante::ChoixImprimanteScripte;
using imprimante::Destination;
using imprimante::ImprimantesEnregistrees;
using outils::Outils;

namespace {

std::shared_ptr<ImprimantesEnregistrees> troisImprimantes() {
    return std::make_shared<ImprimantesEnregistrees>(
        std::vector<Destination>{{"Fichier PDF", Destination::Genre::FichierPdf},
                                 {"Bureau", Destination::Genre::Systeme},
                                 {"Accueil", Destination::Genre::Systeme}});
}

// Tools over those printers, equipped as a control equips them.
Outils outilsSur(std::shared_ptr<ImprimantesEnregistrees> imprimantes,
                 std::shared_ptr<ChoixImprimanteScripte> choix) {
    Outils::Equiper(outils::FabriquesImprimantes());
    return Outils(outils::ChoixImpressionSur(std::move(imprimantes), std::move(choix)));
}

Outils outilsAvecReponse(std::optional<Choix> reponse) {
    return outilsSur(troisImprimantes(), std::make_shared<ChoixImprimanteScripte>(reponse));
}

// The error raised by the action: its number and text, or 0 when none was.
std::pair<std::uint32_t, std::string> erreurDe(auto action) {
    try {
        action();
    } catch (const dba::Erreur& erreur) {
        return {erreur.numero(), erreur.texte()};
    }
    return {0, ""};
}

TEST(OutilsDates, KnownDayNumbersAndTheEmptyText) {
    const auto outils = outilsAvecReponse(std::nullopt);
    const std::vector<std::pair<std::string, std::string>> cas{
        {"01/01/1968", "1"},
        {"31/12/1967", "0"},
        {"01/01/2000", "11689"},
        {"29/02/2024", "20514"},
        {"01/03/1900", "-24776"},
        {"01/01/2027", "21551"},
        {"", ""},
    };
    for (const auto& [date, jour] : cas) {
        SCOPED_TRACE(date);
        EXPECT_EQ(outils.DateInterne(date), jour);
        EXPECT_EQ(outils.DateExterne(jour), date);
    }
}

// Every day from 1900 to 2100 (leap years, 1900 and 2100 that are not, 2000 that is) goes
// there and back, each number one more than the day before.
TEST(OutilsDates, EveryDayOfTwoCenturiesGoesThereAndBack) {
    const auto outils = outilsAvecReponse(std::nullopt);
    auto precedent = std::stoll(outils.DateInterne("31/12/1899"));
    for (QDate jour(1900, 1, 1); jour <= QDate(2100, 12, 31); jour = jour.addDays(1)) {
        const auto texte = jour.toString("dd/MM/yyyy").toStdString();
        const auto numero = outils.DateInterne(texte);
        ASSERT_EQ(std::stoll(numero), precedent + 1) << texte;
        ASSERT_EQ(outils.DateExterne(numero), texte);
        precedent = std::stoll(numero);
    }
}

TEST(OutilsDates, RefusesWhatIsNotADateOrADayNumber) {
    const auto outils = outilsAvecReponse(std::nullopt);
    for (const std::string date :
         {"29/02/1900", "29/02/2023", "31/04/2026", "00/01/2026", "01/13/2026", "1/1/2026",
          "01/01/26", " 01/01/2026", "01/01/2026 ", "2026-01-01", "01-01-2026", "aujourd'hui"}) {
        EXPECT_EQ(erreurDe([&] { outils.DateInterne(date); }).first, dba::ErrArgument) << date;
    }
    for (const std::string jour : {"abc", "12a", "1.5", "12.01", " 12", "12 ", "+-12", "--1", "-",
                                   ".0", "12.", "12e0", "99999999", "99999999999999999999"}) {
        EXPECT_EQ(erreurDe([&] { outils.DateExterne(jour); }).first, dba::ErrArgument) << jour;
    }
    EXPECT_EQ(erreurDe([&] { outils.DateExterne("12a"); }).second,
              "« 12a » n'est pas un numéro de jour.");
}

// The database compares "21690", "+21690", "021690" and "21690.0" as one number: one day.
TEST(OutilsDates, AWholeNumberWrittenWithASignOrDecimalsIsItsDay) {
    const auto outils = outilsAvecReponse(std::nullopt);
    for (const std::string jour : {"21690", "+21690", "021690", "21690.0", "21690.000"}) {
        EXPECT_EQ(outils.DateExterne(jour), "20/05/2027") << jour;
    }
    EXPECT_EQ(outils.DateExterne("-0.0"), "31/12/1967");
}

TEST(OutilsImprimante, TheChosenPrinterOpensWithTheChosenSettings) {
    auto imprimantes = troisImprimantes();
    Choix reponse{.index = 2, .copies = 3, .reglages = {}};
    reponse.reglages.apercu = true;
    Outils outils = outilsSur(imprimantes, std::make_shared<ChoixImprimanteScripte>(reponse));

    EXPECT_EQ(outils.ChoisirImprimante("A3", "liste"), "2");
    EXPECT_EQ(outils.NbCopies(), 3);
    auto imprimante = outils.OuvrirImprimante(2);

    ASSERT_EQ(imprimantes->Ouvertures().size(), 1u);
    const auto& ouverture = imprimantes->Ouvertures()[0];
    EXPECT_EQ(ouverture.index, 2);
    EXPECT_EQ(ouverture.reglages.format, "A3");
    EXPECT_TRUE(ouverture.reglages.apercu);
    EXPECT_EQ(ouverture.imprimante, imprimante);
    EXPECT_EQ(erreurDe([&] { outils.OuvrirImprimante(3); }).first, dba::ErrArgument);
}

// A cancelled choice gives -1 and one copy, even after a choice of several.
TEST(OutilsImprimante, ACancelledChoiceGivesMinusOneAndOneCopy) {
    auto imprimantes = troisImprimantes();
    Outils outils = outilsSur(
        imprimantes, std::make_shared<ChoixImprimanteScripte>(Choix{.index = 1, .copies = 4}));
    outils.ChoisirImprimante("A4", "liste");
    auto choix = std::make_shared<ChoixImprimanteScripte>(std::nullopt);
    outils.RemplacerServices(imprimantes, choix);
    EXPECT_EQ(outils.ChoisirImprimante("A4", "liste"), "-1");
    EXPECT_EQ(outils.NbCopies(), 1);
    EXPECT_EQ(choix->FormatsDemandes(), std::vector<std::string>{"A4"});
}

TEST(OutilsPartage, OneInstanceWhoseServicesTestsCanReplace) {
    Outils::Equiper(outils::FabriquesImprimantes());
    auto& partage = Outils::Partage();
    EXPECT_EQ(partage.Imprimantes().Liste().at(0).genre, Destination::Genre::FichierPdf);

    auto imprimantes = troisImprimantes();
    partage.RemplacerServices(
        imprimantes, std::make_shared<ChoixImprimanteScripte>(Choix{.index = 0, .copies = 2}));
    EXPECT_EQ(Outils::Partage().ChoisirImprimante("A4", "liste"), "0");
    EXPECT_EQ(Outils::Partage().NbCopies(), 2);
    EXPECT_EQ(&Outils::Partage().Imprimantes(), imprimantes.get());
}

}  // namespace
