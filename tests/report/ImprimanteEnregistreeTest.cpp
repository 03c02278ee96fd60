#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AppelsEnPanne.h"
#include "dba/Erreur.h"
#include "printer/ImprimanteEnregistree.h"

using imprimante::ImprimanteEnregistree;
using imprimante::Police;

namespace {

constexpr double Cm = 567.0;
constexpr double Ligne10 = 0.39 * Cm;
constexpr double Precision = 1e-6;

using Sort = ImprimanteEnregistree::Sort;

TEST(ImprimanteEnregistree, TextWithoutLineEndContinuesTheLineAfterItsCharacters) {
    ImprimanteEnregistree imprimante;
    imprimante.CurrentX(0.1 * Cm);
    imprimante.CurrentY(6.9 * Cm);
    imprimante.PrintSansFin("00012 ");
    // An accented letter takes one column.
    imprimante.PrintSansFin("DUPONT JÉAN");

    EXPECT_NEAR(imprimante.CurrentX(), 0.1 * Cm + 17 * 120.0, Precision);
    EXPECT_NEAR(imprimante.CurrentY(), 6.9 * Cm, Precision);
    const auto textes = imprimante.DocumentEnCours().textes(1);
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_NEAR(textes[1].x, 0.1 * Cm + 6 * 120.0, Precision);
    EXPECT_NEAR(textes[1].y, 6.9 * Cm, Precision);
    EXPECT_FALSE(textes[1].finDeLigne);
}

TEST(ImprimanteEnregistree, LineEndGoesBackToTheMarginOneLineDown) {
    ImprimanteEnregistree imprimante;
    imprimante.Print("");
    imprimante.Print("");
    imprimante.PrintSansFin("Date : ");
    imprimante.Print("01/12/2026");

    EXPECT_EQ(imprimante.CurrentX(), 0.0);
    EXPECT_NEAR(imprimante.CurrentY(), 3 * Ligne10, Precision);
    const auto textes = imprimante.DocumentEnCours().textes(1);
    ASSERT_EQ(textes.size(), 4u);
    EXPECT_TRUE(textes[0].finDeLigne);
    EXPECT_NEAR(textes[1].y, Ligne10, Precision);
    EXPECT_NEAR(textes[3].x, 7 * 120.0, Precision);
    EXPECT_NEAR(textes[3].y, 2 * Ligne10, Precision);
}

TEST(ImprimanteEnregistree, AdvanceLineHeightAndStyleFollowTheFont) {
    ImprimanteEnregistree imprimante;
    imprimante.FontSize(14);
    imprimante.FontBold(true);
    imprimante.PrintSansFin("LISTE");
    EXPECT_NEAR(imprimante.CurrentX(), 5 * 168.0, Precision);
    imprimante.Print("");
    EXPECT_NEAR(imprimante.CurrentY(), 1.4 * Ligne10, Precision);
    imprimante.FontBold(false);
    imprimante.FontSize(10);
    imprimante.FontName("Arial");
    imprimante.FontItalic(true);
    imprimante.FontUnderline(true);
    imprimante.FontStrikethru(true);
    imprimante.Print("corps");
    EXPECT_NEAR(imprimante.CurrentY(), 2.4 * Ligne10, Precision);
    imprimante.DrawWidth(3);
    imprimante.Line(0.5 * Cm, 1.25 * Cm, 17 * Cm, 1.25 * Cm);
    // A finished page waits apart until the document is sent: it comes back as it was drawn.
    const imprimante::Document dessine = imprimante.DocumentEnCours();
    imprimante.NewPage();
    EXPECT_EQ(imprimante.DocumentEnCours().operationsDeLaPage(1), dessine.operations);
}

TEST(ImprimanteEnregistree, ALineMovesThePositionToItsSecondEnd) {
    ImprimanteEnregistree imprimante;
    imprimante.Line(17 * Cm, 5.5 * Cm, 17 * Cm, 6.5 * Cm);
    EXPECT_NEAR(imprimante.CurrentX(), 9639, Precision);
    EXPECT_NEAR(imprimante.CurrentY(), 3685.5, Precision);
}

TEST(ImprimanteEnregistree, NewPageStartsAtTheTopLeftCornerOfTheNextPage) {
    ImprimanteEnregistree imprimante;
    imprimante.Print("page 1");
    imprimante.CurrentX(500);
    imprimante.NewPage();
    EXPECT_EQ(imprimante.Page(), 2);
    EXPECT_EQ(imprimante.CurrentX(), 0.0);
    EXPECT_EQ(imprimante.CurrentY(), 0.0);
    imprimante.Print("page 2");

    const auto& document = imprimante.DocumentEnCours();
    EXPECT_EQ(document.pages, 2);
    ASSERT_EQ(document.textes(2).size(), 1u);
    EXPECT_EQ(document.textes(2)[0].texte, "page 2");
    EXPECT_EQ(document.textes(1)[0].texte, "page 1");
}

TEST(ImprimanteEnregistree, AnAbandonedDocumentIsKeptApartAndTheNextOneStartsAfresh) {
    ImprimanteEnregistree imprimante;
    imprimante.FontSize(14);
    imprimante.DrawWidth(3);
    imprimante.Print("abandonné");
    imprimante.NewPage();
    imprimante.KillDoc();

    EXPECT_EQ(imprimante.Page(), 1);
    EXPECT_EQ(imprimante.CurrentY(), 0.0);
    EXPECT_TRUE(imprimante.DocumentEnCours().vide());
    EXPECT_EQ(imprimante.FontSize(), 14);
    EXPECT_EQ(imprimante.DrawWidth(), 3);

    imprimante.Print("envoyé");
    imprimante.EndDoc();
    imprimante.EndDoc();
    const auto& documents = imprimante.Documents();
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_EQ(documents[0].sort, Sort::Abandonne);
    EXPECT_EQ(documents[0].document.pages, 2);
    EXPECT_EQ(documents[0].document.textes(1)[0].texte, "abandonné");
    EXPECT_EQ(documents[1].sort, Sort::Envoye);
    EXPECT_EQ(documents[1].document.textes(1)[0].texte, "envoyé");
    EXPECT_EQ(documents[1].document.textes(1)[0].y, 0.0);
    // An empty document can still be sent.
    EXPECT_EQ(documents[2].sort, Sort::Envoye);
    EXPECT_TRUE(documents[2].document.vide());
}

TEST(ImprimanteEnregistree, RefusesSizesAndWidthsThatCannotBeDrawn) {
    ImprimanteEnregistree imprimante;
    for (double taille : {0.0, -10.0}) {
        try {
            imprimante.FontSize(taille);
            ADD_FAILURE() << taille;
        } catch (const dba::Erreur& erreur) {
            EXPECT_EQ(erreur.numero(), dba::ErrArgument);
        }
    }
    EXPECT_THROW(imprimante.DrawWidth(0), dba::Erreur);
    EXPECT_EQ(imprimante.FontSize(), 10);
    EXPECT_EQ(imprimante.DrawWidth(), 1);
}

}  // namespace

namespace {

// Pages put in before a page of the document: drawn as they were, the pages from there on,
// the print position's included, moved back; a page outside the document is refused.
TEST(ImprimanteEnregistree, InsertedPagesComeBeforeTheirPageAndTheRestMovesBack) {
    ImprimanteEnregistree inserees;
    inserees.Print("I1");
    inserees.NewPage();
    inserees.Print("I2");

    ImprimanteEnregistree imprimante;
    imprimante.Print("A");
    imprimante.NewPage();
    imprimante.Print("B");
    imprimante.NewPage();
    imprimante.Print("C");
    EXPECT_THROW(imprimante.InsererPages(0, inserees.DocumentEnCours()), dba::Erreur);
    EXPECT_THROW(imprimante.InsererPages(4, inserees.DocumentEnCours()), dba::Erreur);
    imprimante.InsererPages(2, inserees.DocumentEnCours());
    imprimante.Print("D");

    const auto& document = imprimante.DocumentEnCours();
    ASSERT_EQ(document.pages, 5);
    const std::vector<std::string> attendus{"A", "I1", "I2", "B", "C"};
    for (int page = 1; page <= 5; ++page) {
        ASSERT_FALSE(document.textes(page).empty()) << page;
        EXPECT_EQ(document.textes(page).front().texte, attendus[page - 1]);
    }
    EXPECT_EQ(document.textes(5).back().texte, "D");
    EXPECT_EQ(imprimante.Page(), 5);
    std::vector<int> pages;
    for (const auto& operation : document.operations) {
        pages.push_back(operation.page);
    }
    EXPECT_TRUE(std::is_sorted(pages.begin(), pages.end()));
}

}  // namespace

namespace {

// The descriptors of this process open on a file of that folder.
int Fichiers_Ouverts_Dans(const std::string& dossier) {
    int ouverts = 0;
    for (const auto& entree : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code erreur;
        const std::string cible = std::filesystem::read_symlink(entree.path(), erreur).string();
        ouverts += !erreur && cible.starts_with(dossier + "/") ? 1 : 0;
    }
    return ouverts;
}

// Each document's texts, one page after the other: "<nom> page <n>", the later pages longer.
void Dessiner(ImprimanteEnregistree& imprimante, const std::string& nom, int pages) {
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) {
            imprimante.NewPage();
        }
        imprimante.Print(nom + " page " + std::to_string(page) + std::string(page * 40, '.'));
    }
}

}  // namespace

// The pages waiting in a hundred documents at once share one file, with no name, in the
// temporary folder that TMPDIR names; as documents go and others take their room, each page
// reads back as drawn; once no document is left, neither is the file.
TEST(ImprimanteEnregistree, LesPagesEnAttenteDeTousLesDocumentsPartagentUnFichierDeTmpdir) {
    const std::string temporaire =
        (std::filesystem::temp_directory_path() / ("attente-" + std::to_string(::getpid())))
            .string();
    std::filesystem::create_directory(temporaire);
    const char* avant = std::getenv("TMPDIR");
    const std::string ancien = avant != nullptr ? avant : "";
    ::setenv("TMPDIR", temporaire.c_str(), 1);
    {
        std::vector<std::unique_ptr<ImprimanteEnregistree>> documents;
        for (int rang = 0; rang < 100; ++rang) {
            documents.push_back(std::make_unique<ImprimanteEnregistree>());
            Dessiner(*documents.back(), "document " + std::to_string(rang), 1 + rang % 4);
        }
        EXPECT_EQ(Fichiers_Ouverts_Dans(temporaire), 1);
        for (int rang = 0; rang < 100; rang += 3) {
            documents[rang] = std::make_unique<ImprimanteEnregistree>();
            Dessiner(*documents[rang], "autre " + std::to_string(rang), 5);
        }
        EXPECT_EQ(Fichiers_Ouverts_Dans(temporaire), 1);
        for (int rang = 0; rang < 100; ++rang) {
            const bool autre = rang % 3 == 0;
            const int pages = autre ? 5 : 1 + rang % 4;
            const auto document = documents[rang]->DocumentEnCours();
            ASSERT_EQ(document.pages, pages);
            for (int page = 1; page <= pages; ++page) {
                ASSERT_EQ(document.textes(page).size(), 1U);
                EXPECT_EQ(document.textes(page)[0].texte,
                          (autre ? "autre " : "document ") + std::to_string(rang) + " page " +
                              std::to_string(page) + std::string(page * 40, '.'));
            }
        }
    }
    EXPECT_EQ(Fichiers_Ouverts_Dans(temporaire), 0);
    EXPECT_TRUE(std::filesystem::is_empty(temporaire));
    std::filesystem::remove(temporaire);
    if (avant != nullptr) {
        ::setenv("TMPDIR", ancien.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

// A waiting-page file that takes no byte (a write returning 0, as a full disk may answer) ends
// the drawing with the French cause, instead of trying the same write for ever.
TEST(ImprimanteEnregistree, UnFichierDAttenteQuiNePrendRienEstUnDisquePlein) {
    essai::PanneInstallee panne(
        std::make_shared<essai::AppelsEnPanne>(1, essai::AppelsEnPanne::Duree::Persistante, 0));
    ImprimanteEnregistree imprimante;
    try {
        Dessiner(imprimante, "plein", 3);
        ADD_FAILURE() << "aucune erreur";
    } catch (const dba::Erreur& erreur) {
        EXPECT_EQ(erreur.numero(), dba::ErrImprimante);
        EXPECT_NE(std::string(erreur.what()).find("le disque est plein"), std::string::npos)
            << erreur.what();
    }
}
