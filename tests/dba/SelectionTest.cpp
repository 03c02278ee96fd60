#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BaseTemporaire.h"
#include "dba/Erreur.h"

using testing::ElementsAre;

namespace {

// Persons with a surname (1), a multi-valued list of codes (2), an amount (3) and a town (4).
const char* const Personnes = R"(
{"file":"PERS","id":"P01","record":["MARTIN",["A1","B2"],"9","PARIS"]}
{"file":"PERS","id":"P02","record":["DURAND","B2","10","LYON"]}
{"file":"PERS","id":"P03","record":["MARTINEZ","C3","09",""]}
{"file":"PERS","id":"P04","record":["BERNARD",["C3","A1"],"9.0","PARIS"]}
{"file":"PERS","id":"P05","record":["AVEC","","abc"]}
{"file":"DICT PERS","id":"Nom","record":["D","1","","","L"]}
{"file":"DICT PERS","id":"Montant","record":["D","3","","","R"]}
{"file":"DICT PERS","id":"MontantTexte","record":["D","3","","","L"]}
{"file":"DICT PERS","id":"Ville","record":["D","4","","","L"]}
{"file":"DICT PERS","id":"Initiale","record":["I","@RECORD<1>[1,1]","","","L"]}
)";

class Selection : public testing::Test {
  protected:
    void SetUp() override { base_.importer(Personnes); }
    std::vector<std::string> cles(const std::string& phrase) {
        return ::cles(base_.base(), phrase);
    }
    BaseTemporaire base_;
};

TEST_F(Selection, WithoutClauseSelectsEveryRecordInKeyOrder) {
    EXPECT_THAT(cles("SSELECT PERS"), ElementsAre("P01", "P02", "P03", "P04", "P05"));
}

TEST_F(Selection, OperatorsOnTextAndNumbers) {
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 1 = "DURAND")"), ElementsAre("P02"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 1 <> "DURAND")"),
                ElementsAre("P01", "P03", "P04", "P05"));
    // "9", "09" and "9.0" are one number; "abc" is text, compared byte-wise ("abc" > "9.5").
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 3 = "9")"), ElementsAre("P01", "P03", "P04"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 3 >= "9.5")"), ElementsAre("P02", "P05"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 3 <= "9")"), ElementsAre("P01", "P03", "P04"));
    // Against a text every value compares byte-wise: "10" < "9" < "9.0" < "a".
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 3 >= "9!")"), ElementsAre("P04", "P05"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 3 <= "1x")"), ElementsAre("P02", "P03"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 1 >= "M" AND AVEC 1 <= "MARTIN")"), ElementsAre("P01"));
}

TEST_F(Selection, AnyValueOfAMultiValuedAttributeSatisfiesTheClause) {
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 2 = "A1")"), ElementsAre("P01", "P04"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 2 <> "A1")"),
                ElementsAre("P01", "P02", "P03", "P04", "P05"));
}

TEST_F(Selection, BracketEndsAPrefixAndTwoQuotesMatchTheEmptyValue) {
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 1 = "MARTIN]")"), ElementsAre("P01", "P03"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 0 = "P0]")"),
                ElementsAre("P01", "P02", "P03", "P04", "P05"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 4 = "")"), ElementsAre("P03", "P05"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 2 = "")"), ElementsAre("P05"));
    // Attribute 9 exists nowhere: it reads as empty.
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 9 = "")"),
                ElementsAre("P01", "P02", "P03", "P04", "P05"));
}

TEST_F(Selection, ClausesCombineWithAndAndSortClausesStandAnywhere) {
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC Ville = "PARIS" PAR Nom AND AVEC 3 = "9")"),
                ElementsAre("P04", "P01"));
    EXPECT_THAT(cles(R"(SSELECT PERS PAR Ville PAR Nom)"),
                ElementsAre("P05", "P03", "P02", "P04", "P01"));
}

TEST_F(Selection, RunsOfBlanksBetweenTokensAreAccepted) {
    EXPECT_THAT(cles("SSELECT   PERS  AVEC  1   =   \"DURAND\"   PAR  0  "), ElementsAre("P02"));
}

TEST_F(Selection, KeywordsInsideAQuotedValueAreJustText) {
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 1 = "AVEC")"), ElementsAre("P05"));
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 1 = "X AND AVEC 1 = DURAND")"), ElementsAre());
    EXPECT_THAT(cles(R"(SSELECT PERS AVEC 1 = "PAR 0")"), ElementsAre());
}

TEST_F(Selection, RightJustifiedItemsSortAsNumbersAndTiesKeepKeyOrder) {
    // Numbers: 9 = 09 = 9.0 < 10; "abc" is not a number, so it sorts as right-aligned text.
    EXPECT_THAT(cles("SSELECT PERS AVEC 3 <> \"abc\" PAR Montant"),
                ElementsAre("P01", "P03", "P04", "P02"));
    // The same attribute as a left-justified item sorts byte-wise.
    EXPECT_THAT(cles("SSELECT PERS PAR MontantTexte"),
                ElementsAre("P03", "P02", "P01", "P04", "P05"));
    EXPECT_THAT(cles("SSELECT PERS PAR 3"), ElementsAre("P03", "P02", "P01", "P04", "P05"));
}

TEST_F(Selection, ColumnsFollowTheAttributeListAndMultiValuesBecomeSubvalues) {
    const dba::ListeResultat liste =
        base_.base().selectionner(R"(SSELECT PERS AVEC 2 = "A1")", "0 2 Initiale Nom");
    EXPECT_EQ(lisible(liste), "P01,A1/B2,M,MARTIN | P04,C3/A1,B,BERNARD");
    EXPECT_EQ(liste(1, 2, 2), "B2");
}

struct PhraseFautive {
    const char* phrase;
    std::uint32_t numero;
    const char* debutTexte;
};

class PhrasesFautives : public testing::TestWithParam<PhraseFautive> {
  protected:
    static void SetUpTestSuite() {
        base_ = new BaseTemporaire;
        base_->importer(Personnes);
    }
    static void TearDownTestSuite() { delete base_; }
    static BaseTemporaire* base_;
};

BaseTemporaire* PhrasesFautives::base_ = nullptr;

TEST_P(PhrasesFautives, RaiseTheirErrorSayingWhere) {
    const PhraseFautive& cas = GetParam();
    try {
        base_->base().selectionner(cas.phrase, "0");
        FAIL() << "aucune erreur pour " << cas.phrase;
    } catch (const dba::Erreur& erreur) {
        EXPECT_EQ(erreur.numero(), cas.numero) << erreur.texte();
        EXPECT_THAT(erreur.texte(), testing::StartsWith(cas.debutTexte));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammaire, PhrasesFautives,
    testing::Values(
        PhraseFautive{"", dba::ErrSyntaxe, "Position 1 de la phrase : « SSELECT » attendu"},
        PhraseFautive{"SELECT PERS", dba::ErrSyntaxe, "Position 1 de la phrase"},
        PhraseFautive{"SSELECT", dba::ErrSyntaxe, "Position 8 de la phrase : nom de fichier"},
        PhraseFautive{"SSELECT NUL", dba::ErrFichierInconnu,
                      "Position 9 de la phrase : le fichier « NUL »"},
        PhraseFautive{"SSELECT PERS AVEC Age = \"3\"", dba::ErrItemInconnu,
                      "Position 19 de la phrase : L'item « Age »"},
        PhraseFautive{"SSELECT PERS PAR Age", dba::ErrItemInconnu, "Position 18 de la phrase"},
        PhraseFautive{"SSELECT PERS AVEC 1 == \"3\"", dba::ErrSyntaxe,
                      "Position 21 de la phrase : opérateur"},
        PhraseFautive{"SSELECT PERS AVEC 1 = 3", dba::ErrSyntaxe,
                      "Position 23 de la phrase : valeur entre guillemets"},
        PhraseFautive{"SSELECT PERS AVEC 1 = \"3", dba::ErrSyntaxe,
                      "Position 23 de la phrase : guillemet fermant"},
        PhraseFautive{"SSELECT PERS AND AVEC 1 = \"3\"", dba::ErrSyntaxe,
                      "Position 14 de la phrase : « AVEC » ou « PAR »"},
        PhraseFautive{"SSELECT PERS AVEC 1 = \"3\" AVEC 1 = \"4\"", dba::ErrSyntaxe,
                      "Position 27 de la phrase : « AND AVEC » ou « PAR »"},
        PhraseFautive{"SSELECT PERS PAR", dba::ErrSyntaxe,
                      "Position 17 de la phrase : attribut de tri"},
        PhraseFautive{"SSELECT PERS AVEC 1 = \"é\" ETC", dba::ErrSyntaxe,
                      "Position 27 de la phrase"}));

TEST(SelectionColonnes, UnknownColumnItemIsReported) {
    BaseTemporaire base;
    base.importer(Personnes);
    try {
        base.base().selectionner("SSELECT PERS", "0 Age");
        FAIL();
    } catch (const dba::Erreur& erreur) {
        EXPECT_EQ(erreur.numero(), dba::ErrItemInconnu);
        EXPECT_THAT(erreur.texte(), testing::HasSubstr("« Age »"));
    }
}

}  // namespace
