#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>

#include "DonneesRapport.h"
#include "ImpressionEssai.h"
#include "outils/Outils.h"
#include "printer/ImprimantesSysteme.h"

// A print run with a storage failure at each call it makes to the database in turn: the
// selection, the frozen view, every file opened and every read of every record.

namespace {

using essai::ImpressionEssai;
using Lignes = std::vector<std::string>;
using imprimante::ImprimanteEnregistree;

// Three persons of May, one with a renewal request and one with a following agreement: the
// run reads agreements, requests, funding bodies and persons.
Lignes Donnees() {
    Lignes lignes = essai::AidesDeMai(essai::Serie(3));
    lignes.push_back(essai::Demande("00002", {{"001", "1", "99999"}}));
    lignes.push_back(
        essai::LigneAccord({"00003002", std::to_string(essai::LendemainFinMai()), "99999"}));
    return essai::Avec(lignes);
}

QString DernierPointeur(const ImpressionEssai& impression) {
    return impression.plateforme->Appels().filter(QStringLiteral("pointeur")).last();
}

void VerifierAbandonPropre(ImpressionEssai& impression, int rang) {
    ASSERT_EQ(impression.erreurs.size(), 1U);
    EXPECT_NE(impression.erreurs.front().find("Panne du disque à l'appel " + std::to_string(rang)),
              std::string::npos)
        << impression.erreurs.front();
    for (const auto& ouverture : impression.imprimantes->Ouvertures()) {
        for (const auto& document : ouverture.imprimante->Documents()) {
            EXPECT_EQ(document.sort, ImprimanteEnregistree::Sort::Abandonne);
        }
    }
    EXPECT_EQ(DernierPointeur(impression), "pointeur 0");
    EXPECT_TRUE(impression.controle->isEnabled());
    EXPECT_FALSE(impression.controle->W_Sortir());
}

int AppelsDUneImpressionSansPanne() {
    ImpressionEssai impression(Donnees());
    impression.base->PiegerAppel(0);
    impression.Imprimer();
    EXPECT_TRUE(impression.erreurs.empty());
    EXPECT_TRUE(impression.Envoye());
    return impression.base->Appels();
}

TEST(PannesImpression, UnePanneAChaqueAppelAbandonneLeDocumentEtLaisseLaFormeUtilisable) {
    const int appels = AppelsDUneImpressionSansPanne();
    ASSERT_GE(appels, 10);
    for (int rang = 1; rang <= appels; ++rang) {
        SCOPED_TRACE(rang);
        ImpressionEssai impression(Donnees());
        impression.base->PiegerAppel(rang);
        impression.Imprimer();
        VerifierAbandonPropre(impression, rang);
        // The form stays usable: the same run without the failure prints the list.
        impression.base->PiegerAppel(0);
        impression.Imprimer();
        EXPECT_TRUE(impression.erreurs.size() == 1U);
        const auto& documents = impression.imprimantes->Ouvertures().back().imprimante->Documents();
        ASSERT_FALSE(documents.empty());
        EXPECT_EQ(documents.back().sort, ImprimanteEnregistree::Sort::Envoye);
        EXPECT_EQ(essai::Codes(documents.back().document), (Lignes{"00001"}));
    }
    std::cout << "[          ] " << appels << " appels à la base essayés en panne\n";
}

int Fichiers_Ouverts() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size());
}

// Nor any file, of the three kinds, nor a provisional one, nor one left open: a table file's
// rows are on the disk before the walk ends.
TEST(PannesImpression, UnePanneAChaqueAppelNeLaisseAucunFichier) {
    const int appels = AppelsDUneImpressionSansPanne();
    const std::vector<std::pair<std::int32_t, QString>> sorties{
        {0, QStringLiteral("pdf")}, {1, QStringLiteral("xlsx")}, {2, QStringLiteral("csv")}};
    for (const auto& [entree, extension] : sorties) {
        QTemporaryDir dossier;
        for (int rang = 1; rang <= appels; ++rang) {
            SCOPED_TRACE(extension.toStdString() + " " + std::to_string(rang));
            const QString fichier = dossier.filePath(QStringLiteral("liste.") + extension);
            const int ouverts = Fichiers_Ouverts();
            auto impression = std::make_unique<ImpressionEssai>(Donnees());
            outils::Outils::Partage().RemplacerServices(
                std::make_shared<imprimante::ImprimantesSysteme>(),
                std::make_shared<imprimante::ChoixImprimanteScripte>(imprimante::Choix{
                    entree, 1, imprimante::Reglages{"A4", false, fichier.toStdString()}}));
            impression->base->PiegerAppel(rang);
            impression->Imprimer();
            ASSERT_EQ(impression->erreurs.size(), 1U);
            EXPECT_EQ(DernierPointeur(*impression), "pointeur 0");
            EXPECT_TRUE(impression->controle->isEnabled());
            EXPECT_TRUE(QDir(dossier.path())
                            .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
            impression.reset();
            EXPECT_EQ(Fichiers_Ouverts(), ouverts);
        }
    }
}

// An item of DICT ACCORD nested 25,000 levels deep used to overflow the stack and kill the
// host; the run now stops through the host's error handler, naming the item.
TEST(PannesImpression, UnItemTropImbriqueArreteLImpressionEnNommantLItem) {
    Lignes lignes = essai::Avec(essai::AidesDeMai(essai::Serie(1)));
    nlohmann::ordered_json item;
    item["file"] = "DICT ACCORD";
    item["id"] = "NomPrenomAide";
    item["record"] = nlohmann::ordered_json::array(
        {"I", std::string(25000, '(') + "@ID" + std::string(25000, ')')});
    lignes.push_back(item.dump());
    ImpressionEssai impression(lignes);
    impression.Imprimer();
    ASSERT_EQ(impression.erreurs.size(), 1U);
    EXPECT_NE(impression.erreurs.front().find("Définition de l'item « NomPrenomAide »"),
              std::string::npos)
        << impression.erreurs.front();
    EXPECT_EQ(DernierPointeur(impression), "pointeur 0");
    EXPECT_TRUE(impression.controle->isEnabled());
}

}  // namespace
