#include <gtest/gtest.h>

#include <sstream>

#include "DonneesRapport.h"
#include "ImpressionEssai.h"
#include "mvdb/Base.h"
#include "outils/Outils.h"

// The list of a print run is the database of one moment: the selection and every read of the
// walk see the same records, whatever another workstation writes meanwhile.

namespace {

using essai::ImpressionEssai;
using Lignes = std::vector<std::string>;

// Answers the printer choice as the scripted one does, once another workstation has imported
// lines into the database: the user takes time to choose, the office goes on writing.
class ChoixPendantImportation : public imprimante::ChoixImprimanteScripte {
  public:
    ChoixPendantImportation(std::string base, Lignes lignes)
        : ChoixImprimanteScripte(imprimante::Choix{}),
          base_(std::move(base)),
          lignes_(std::move(lignes)) {}

    std::optional<imprimante::Choix> Choisir(const imprimante::Imprimantes& imprimantes,
                                             const std::string& format,
                                             const std::string& nomDocument) override {
        auto autrePoste = mvdb::Base::ouvrir(base_, mvdb::Mode::LectureEcriture);
        std::stringstream texte;
        for (const std::string& ligne : lignes_) {
            texte << ligne << '\n';
        }
        autrePoste.importer(texte);
        return ChoixImprimanteScripte::Choisir(imprimantes, format, nomDocument);
    }

  private:
    std::string base_;
    Lignes lignes_;
};

// Three persons of May; the import renews the second and adds a fourth whose agreement ends
// in May.
TEST(VueUnique, UneImportationPendantLeChoixDeLImprimanteNeChangePasLaListeEnCours) {
    ImpressionEssai impression(essai::Avec(essai::AidesDeMai(essai::Serie(3))));
    const Lignes importees{essai::Suivant("00002002"), essai::Aide({"00004", "NOM00004", "Prenom"}),
                           essai::AccordDeMai("00004001")};
    outils::Outils::Partage().RemplacerServices(
        impression.imprimantes,
        std::make_shared<ChoixPendantImportation>(impression.donnees.Chemin(), importees));
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    ASSERT_TRUE(impression.Envoye());
    EXPECT_EQ(essai::Codes(impression.Document()), (Lignes{"00001", "00002", "00003"}));

    // The next run sees the import.
    outils::Outils::Partage().RemplacerServices(impression.imprimantes, impression.choix);
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    const auto& suivante = impression.imprimantes->Ouvertures().back().imprimante->Documents();
    ASSERT_EQ(suivante.size(), 1U);
    EXPECT_EQ(essai::Codes(suivante.front().document), (Lignes{"00001", "00003", "00004"}));
}

// A second run of the same control after another workstation changed records the first run
// read (the names of a person, a funding body and a manager, a renewal, an end moved to the
// next month) prints what a control that never printed prints on the database as it now
// stands: nothing read or selected by the first run is kept.
TEST(VueUnique, UneSecondeImpressionApresDesChangementsImprimeLaBaseTelleQuElleEst) {
    const Lignes avant = essai::Avec(essai::AidesDeMai(essai::Serie(3)));
    const Lignes changements{
        essai::Aide({"00001", "NOUVEAU", "Nom"}),
        essai::Ligne("ORGPRISECHARGE", "001", {{1, "NOUVEL ORGANISME"}, {18, "P"}, {46, "041"}}),
        essai::Ligne("RESPONSABLE", "R01", {{1, "DURAND Paul"}}), essai::Suivant("00002002"),
        essai::LigneAccord({"00003001", "1", essai::TexteJour(2018, 6, 15)})};
    ImpressionEssai impression(avant);
    impression.controle->Mois_Imprimes(2);
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    auto autrePoste = mvdb::Base::ouvrir(impression.donnees.Chemin(), mvdb::Mode::LectureEcriture);
    std::stringstream texte;
    for (const std::string& ligne : changements) {
        texte << ligne << '\n';
    }
    autrePoste.importer(texte);
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();

    Lignes apres = avant;
    apres.insert(apres.end(), changements.begin(), changements.end());
    ImpressionEssai nouvelle(apres);
    nouvelle.controle->Mois_Imprimes(2);
    nouvelle.Imprimer();
    const auto& seconde = impression.imprimantes->Ouvertures().back().imprimante->Documents();
    ASSERT_EQ(seconde.size(), 1U);
    ASSERT_EQ(seconde.front().document.pages, nouvelle.Document().pages);
    for (int page = 1; page <= nouvelle.Document().pages; ++page) {
        EXPECT_EQ(essai::Lignes(seconde.front().document, page),
                  essai::Lignes(nouvelle.Document(), page))
            << page;
    }
    const Lignes mai = essai::Details(nouvelle.Document(), 2);
    ASSERT_EQ(mai.size(), 1U);
    EXPECT_TRUE(mai.front().starts_with("00001 NOUVEAU Nom")) << mai.front();
    EXPECT_NE(mai.front().find("NOUVEL ORGANISME"), std::string::npos) << mai.front();
    EXPECT_EQ(essai::Details(nouvelle.Document(), 3).at(0).substr(0, 5), "00003");
    EXPECT_EQ(essai::Lignes(nouvelle.Document(), 2)[9], "Responsable : DURAND Paul");
}

}  // namespace
