#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BaseTemporaire.h"

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

struct Cas {
    const char* phrase;
    std::vector<std::string> cles;
};

// Each sentence with the keys it selects, in order.
const std::vector<Cas> Phrases = {
    {"SSELECT PERS", {"P01", "P02", "P03", "P04", "P05"}},
    {R"(SSELECT PERS AVEC 1 = "DURAND")", {"P02"}},
    {R"(SSELECT PERS AVEC 1 <> "DURAND")", {"P01", "P03", "P04", "P05"}},
    // "9", "09" and "9.0" are one number; "abc" is text, compared byte-wise ("abc" > "9.5").
    {R"(SSELECT PERS AVEC 3 = "9")", {"P01", "P03", "P04"}},
    {R"(SSELECT PERS AVEC 3 >= "9.5")", {"P02", "P05"}},
    {R"(SSELECT PERS AVEC 3 <= "9")", {"P01", "P03", "P04"}},
    // Against a text every value compares byte-wise: "10" < "9" < "9.0" < "a".
    {R"(SSELECT PERS AVEC 3 >= "9!")", {"P04", "P05"}},
    {R"(SSELECT PERS AVEC 3 <= "1x")", {"P02", "P03"}},
    {R"(SSELECT PERS AVEC 1 >= "M" AND AVEC 1 <= "MARTIN")", {"P01"}},
    // Any value of a multi-valued attribute satisfies the clause.
    {R"(SSELECT PERS AVEC 2 = "A1")", {"P01", "P04"}},
    {R"(SSELECT PERS AVEC 2 <> "A1")", {"P01", "P02", "P03", "P04", "P05"}},
    // A closing bracket ends a prefix; two quotes match the empty value.
    {R"(SSELECT PERS AVEC 1 = "MARTIN]")", {"P01", "P03"}},
    {R"(SSELECT PERS AVEC 0 = "P0]")", {"P01", "P02", "P03", "P04", "P05"}},
    {R"(SSELECT PERS AVEC 4 = "")", {"P03", "P05"}},
    {R"(SSELECT PERS AVEC 2 = "")", {"P05"}},
    // Attribute 9 exists nowhere: it reads as empty.
    {R"(SSELECT PERS AVEC 9 = "")", {"P01", "P02", "P03", "P04", "P05"}},
    // Sort clauses stand anywhere among the clauses.
    {R"(SSELECT PERS AVEC Ville = "PARIS" PAR Nom AND AVEC 3 = "9")", {"P04", "P01"}},
    {"SSELECT PERS PAR Ville PAR Nom", {"P05", "P03", "P02", "P04", "P01"}},
    {"SSELECT   PERS  AVEC  1   =   \"DURAND\"   PAR  0  ", {"P02"}},
    // Keywords inside a quoted value are just text.
    {R"(SSELECT PERS AVEC 1 = "AVEC")", {"P05"}},
    {R"(SSELECT PERS AVEC 1 = "X AND AVEC 1 = DURAND")", {}},
    {R"(SSELECT PERS AVEC 1 = "PAR 0")", {}},
    // Right-justified items sort as numbers (9 = 09 = 9.0 < 10), ties in key order; the same
    // attribute left-justified, or by number, sorts byte-wise.
    {R"(SSELECT PERS AVEC 3 <> "abc" PAR Montant)", {"P01", "P03", "P04", "P02"}},
    {"SSELECT PERS PAR MontantTexte", {"P03", "P02", "P01", "P04", "P05"}},
    {"SSELECT PERS PAR 3", {"P03", "P02", "P01", "P04", "P05"}},
    // A dictionary is a file of its own, named in two words.
    {R"(SSELECT DICT PERS AVEC 1 = "D" AND AVEC 2 = "3")", {"Montant", "MontantTexte"}},
};

class Selection : public testing::Test {
  protected:
    void SetUp() override { base_.importer(Personnes); }
    BaseTemporaire base_;
};

TEST_F(Selection, ClausesOperatorsAndSortsSelectTheirKeysInOrder) {
    for (const auto& [phrase, attendues] : Phrases) {
        SCOPED_TRACE(phrase);
        EXPECT_EQ(cles(base_.base(), phrase), attendues);
    }
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

const std::vector<PhraseFautive> Fautives = {
    {"", dba::ErrSyntaxe, "Position 1 de la phrase : « SSELECT » attendu"},
    {"SELECT PERS", dba::ErrSyntaxe, "Position 1 de la phrase"},
    {"SSELECT", dba::ErrSyntaxe, "Position 8 de la phrase : nom de fichier"},
    {"SSELECT NUL", dba::ErrFichierInconnu, "Position 9 de la phrase : le fichier « NUL »"},
    {"SSELECT PERS AVEC Age = \"3\"", dba::ErrItemInconnu,
     "Position 19 de la phrase : L'item « Age »"},
    {"SSELECT PERS PAR Age", dba::ErrItemInconnu, "Position 18 de la phrase"},
    {"SSELECT PERS AVEC 1 == \"3\"", dba::ErrSyntaxe, "Position 21 de la phrase : opérateur"},
    {"SSELECT PERS AVEC 1 = 3", dba::ErrSyntaxe,
     "Position 23 de la phrase : valeur entre guillemets"},
    {"SSELECT PERS AVEC 1 = \"3", dba::ErrSyntaxe, "Position 23 de la phrase : guillemet fermant"},
    {"SSELECT PERS AND AVEC 1 = \"3\"", dba::ErrSyntaxe,
     "Position 14 de la phrase : « AVEC » ou « PAR »"},
    {"SSELECT PERS AVEC 1 = \"3\" AVEC 1 = \"4\"", dba::ErrSyntaxe,
     "Position 27 de la phrase : « AND AVEC » ou « PAR »"},
    {"SSELECT PERS PAR", dba::ErrSyntaxe, "Position 17 de la phrase : attribut de tri"},
    {"SSELECT PERS AVEC 1 = \"é\" ETC", dba::ErrSyntaxe, "Position 27 de la phrase"}};

TEST_F(Selection, FaultySentencesRaiseTheirErrorSayingWhere) {
    for (const auto& [phrase, numero, debutTexte] : Fautives) {
        SCOPED_TRACE(phrase);
        // A lambda names a structured binding only through a capture of its own (clang 14).
        const dba::Erreur erreur =
            erreurDe([&, &phrase = phrase] { base_.base().selectionner(phrase, "0"); });
        EXPECT_EQ(erreur.numero(), numero) << erreur.texte();
        EXPECT_THAT(erreur.texte(), testing::StartsWith(debutTexte));
    }
}

TEST_F(Selection, UnknownColumnItemIsReported) {
    const dba::Erreur erreur =
        erreurDe([&] { base_.base().selectionner("SSELECT PERS", "0 Age"); });
    EXPECT_EQ(erreur.numero(), dba::ErrItemInconnu);
    EXPECT_THAT(erreur.texte(), testing::HasSubstr("« Age »"));
}

}  // namespace
