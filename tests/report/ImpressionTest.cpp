#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "DonneesRapport.h"
#include "Face.h"
#include "ImpressionEssai.h"
#include "dba/Erreur.h"
#include "outils/Outils.h"

// One press of "Imprimer" from the click to the end of the run: messages, busy states,
// printer choice, copies, what is sent or abandoned, and the closing of the host form.

namespace {

using essai::ImpressionEssai;
using Lignes = std::vector<std::string>;
using imprimante::ImprimanteEnregistree;

Lignes Aides(int nombre) {
    return essai::AidesDeMai(essai::Serie(nombre));
}

// A person whose agreement of May is followed by another: nothing to list.
Lignes Renouvele() {
    Lignes lignes = Aides(1);
    lignes.push_back(
        essai::LigneAccord({"00001002", std::to_string(essai::LendemainFinMai()), "99999"}));
    return lignes;
}

// The host form was asked to close and unloaded.
bool Fermee(const ImpressionEssai& impression) {
    return impression.controle->W_Sortir() &&
           impression.plateforme->Appels().contains(QStringLiteral("dechargement"));
}

TEST(Execution, UneListeImprimeeEstEnvoyeePuisLaFormeSeFerme) {
    ImpressionEssai impression(essai::Avec(Aides(2)));
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    EXPECT_TRUE(impression.Envoye());
    EXPECT_EQ(essai::Codes(impression.Document()), (Lignes{"00001", "00002"}));
    EXPECT_EQ(impression.choix->FormatsDemandes(), Lignes{"A4"});
    EXPECT_EQ(impression.choix->DocumentsNommes(), Lignes{"accords-non-renouveles-2018-05"});
    EXPECT_TRUE(impression.Messages().empty());
    EXPECT_TRUE(Fermee(impression));
    EXPECT_TRUE(impression.controle->isEnabled());
    EXPECT_TRUE(
        essai::Face(*impression.controle).Prg_Accord->isVisibleTo(impression.controle.get()));
    EXPECT_EQ(essai::Face(*impression.controle).Prg_Accord->maximum(), 3);
    EXPECT_EQ(essai::Face(*impression.controle).Prg_Accord->value(), 3);
    // Busy while selecting, free while the printer is chosen, busy while printing, free at
    // the end.
    QStringList pointeurs;
    for (const QString& appel : impression.plateforme->Appels()) {
        if (appel.startsWith(QLatin1String("pointeur")) || appel == QLatin1String("dechargement")) {
            pointeurs << appel;
        }
    }
    EXPECT_EQ(pointeurs, (QStringList{"pointeur 11", "pointeur 0", "pointeur 11", "pointeur 0",
                                      "dechargement"}));
}

TEST(Execution, UneSelectionVideLeDitEffaceLesCriteresEtFermeLaForme) {
    ImpressionEssai impression(essai::Socle());
    essai::Face(*impression.controle).Txt_Responsable->setText(QStringLiteral("R01"));
    impression.Imprimer();
    EXPECT_EQ(impression.Messages(),
              Lignes{"Information | Aucun accord correspondant aux critères sélectionnés."});
    EXPECT_TRUE(essai::Face(*impression.controle).Txt_Association->text().isEmpty());
    EXPECT_TRUE(essai::Face(*impression.controle).Txt_Responsable->text().isEmpty());
    EXPECT_FALSE(essai::Face(*impression.controle).Cmd_Imprimer->isEnabled());
    EXPECT_TRUE(impression.choix->FormatsDemandes().empty());
    EXPECT_TRUE(Fermee(impression));
}

TEST(Execution, SansImprimanteChoisieRienNEstImprimeNiDitEtLaFormeSeFerme) {
    ImpressionEssai impression(essai::Avec(Aides(1)));
    impression.choix = std::make_shared<imprimante::ChoixImprimanteScripte>(std::nullopt);
    outils::Outils::Partage().RemplacerServices(impression.imprimantes, impression.choix);
    impression.Imprimer();
    EXPECT_TRUE(impression.imprimantes->Ouvertures().empty());
    EXPECT_TRUE(impression.Messages().empty());
    EXPECT_TRUE(Fermee(impression));
}

TEST(Execution, RienANeRenouvelerAbandonneChaqueExemplaireEtLeDitAChaqueFois) {
    ImpressionEssai impression(essai::Avec(Renouvele()), "admin", 2);
    impression.Imprimer();
    const Lignes aucun{"Information | Aucun accord non renouvelé sur MAI 2018"};
    EXPECT_EQ(impression.Messages(), (Lignes{aucun[0], aucun[0]}));
    const auto& documents = impression.Imprimante().Documents();
    ASSERT_FALSE(documents.empty());
    for (const auto& document : documents) {
        EXPECT_TRUE(document.document.vide());
    }
    EXPECT_TRUE(Fermee(impression));
}

TEST(Execution, UneErreurEnCoursAbandonneLeDocumentRendLaMainEtLaissePourRecommencer) {
    ImpressionEssai impression(essai::Avec(Aides(3)));
    impression.base->Pieger("ORGPRISECHARGE", "001", dba::ErrStockage, 2);
    impression.Imprimer();

    ASSERT_EQ(impression.erreurs, Lignes{"Impression interrompue : Lecture impossible de 001."});
    const auto& documents = impression.Imprimante().Documents();
    ASSERT_EQ(documents.size(), 1U);
    EXPECT_EQ(documents.front().sort, ImprimanteEnregistree::Sort::Abandonne);
    EXPECT_EQ(essai::Codes(documents.front().document), Lignes{"00001"});
    EXPECT_EQ(impression.plateforme->Appels().filter(QStringLiteral("pointeur")).last(),
              "pointeur 0");
    EXPECT_TRUE(impression.controle->isEnabled());
    EXPECT_FALSE(
        essai::Face(*impression.controle).Prg_Accord->isVisibleTo(impression.controle.get()));
    EXPECT_FALSE(impression.controle->W_Sortir());
    EXPECT_FALSE(impression.plateforme->Appels().contains(QStringLiteral("dechargement")));

    impression.base->Desamorcer();
    impression.Imprimer();
    EXPECT_EQ(impression.erreurs.size(), 1U);
    const auto& deuxieme = impression.imprimantes->Ouvertures().back().imprimante->Documents();
    ASSERT_EQ(deuxieme.size(), 1U);
    EXPECT_EQ(deuxieme.front().sort, ImprimanteEnregistree::Sort::Envoye);
    EXPECT_EQ(essai::Codes(deuxieme.front().document), (Lignes{"00001", "00002", "00003"}));
    EXPECT_TRUE(Fermee(impression));
}

// Rows that sort equal (one name, one manager) keep the order of their keys, whatever the
// order they were stored in, on lists far longer than a sort's small-array case.
TEST(Execution, DesLignesEgalesPourLeTriSortentDansLOrdreDesCles) {
    std::vector<essai::Personne> personnes;
    for (int i = 1; i <= 300; ++i) {
        personnes.push_back({std::to_string(10000 + i), "MEME", "Nom"});
    }
    std::shuffle(personnes.begin(), personnes.end(), std::mt19937(7));
    ImpressionEssai impression(essai::Avec(essai::AidesDeMai(personnes)));
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    Lignes attendus;
    for (int i = 1; i <= 300; ++i) {
        attendus.push_back(std::to_string(10000 + i));
    }
    EXPECT_EQ(essai::Codes(impression.Document()), attendus);
}

// The user is warned even when every person of the month is hidden (one hidden among others:
// DroitsDAcces).
TEST(Execution, TousLesAidesCachesDonnentLAvertissement) {
    ImpressionEssai tous(essai::Avec(essai::AidesDeMai({{"B0001", "BETA", "Jean", "R01", "S02"}})),
                         "secteur1");
    tous.Imprimer();
    EXPECT_EQ(tous.Messages(),
              (Lignes{"Information | Vous n'avez pas le droit d'accèder à tous les aidés, "
                      "certains ne seront donc pas édités.",
                      "Information | Aucun accord non renouvelé sur MAI 2018"}));
    EXPECT_TRUE(tous.Document().vide());
}

// More rows than a 16-bit counter holds: all are printed, pages numbered on.
TEST(Execution, UnMoisDePlusDe32766AccordsSImprimeEnEntier) {
    constexpr int Nombre = 32800;
    ImpressionEssai impression(essai::Avec(Aides(Nombre)));
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    const auto& document = impression.Document();
    constexpr int Pages = (Nombre + 50) / 51;
    ASSERT_EQ(document.pages, Pages);
    EXPECT_EQ(essai::Codes(document).size(), static_cast<std::size_t>(Nombre));
    EXPECT_EQ(essai::Codes(document).back(), "32800");
    EXPECT_TRUE(essai::Lignes(document, Pages)[2].ends_with("Page : " + std::to_string(Pages)));
    EXPECT_EQ(essai::Face(*impression.controle).Prg_Accord->maximum(), Nombre + 1);
}

// An end date the selection takes as a number prints as its day however it is written; a
// value that is no day number at all leaves the date empty and the list goes on.
TEST(Execution, UneFinEcriteAutrementSImprimeSonJourEtUneFinIllisibleResteVide) {
    const auto personnes = essai::Serie(3);
    const Lignes fins{essai::FinMai() + ".0", "+" + essai::FinMai(),
                      essai::TexteJour(2018, 5, 1) + "x"};
    Lignes lignes;
    for (std::size_t i = 0; i < personnes.size(); ++i) {
        lignes.push_back(essai::Aide(personnes[i]));
        lignes.push_back(essai::LigneAccord({personnes[i].code + "001", "1", fins[i]}));
    }
    ImpressionEssai impression(essai::Avec(lignes));
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    EXPECT_TRUE(impression.Envoye());
    const Lignes details = essai::Details(impression.Document(), 1);
    ASSERT_EQ(details.size(), 3U);
    EXPECT_TRUE(details[0].ends_with(" 31/05/2018")) << details[0];
    EXPECT_TRUE(details[1].ends_with(" 31/05/2018")) << details[1];
    EXPECT_TRUE(details[2].starts_with("00003 ")) << details[2];
    EXPECT_EQ(details[2].find("/2018"), std::string::npos) << details[2];
}

}  // namespace
