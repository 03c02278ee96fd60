#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BaseTemporaire.h"
#include "dba/Erreur.h"

using testing::HasSubstr;

namespace {

std::string item(const std::string& nom, const std::string& type, const std::string& definition) {
    return itemJson("AIDE", nom, type, definition);
}

class Expressions : public testing::Test {
  protected:
    void SetUp() override {
        base_.importer(
            "{\"file\":\"AIDE\",\"id\":\"0000100\",\"record\":[\"Été\",\"dupont\"]}\n"
            "{\"file\":\"AIDE\",\"id\":\"0000200\",\"record\":[\"Noël\",\"durand\"]}\n"
            "{\"file\":\"AIDE\",\"id\":\"0000300\",\"record\":[\"Ali\",\"martin\"]}\n"
            "{\"file\":\"PERSONNE\",\"id\":\"00001\",\"record\":[\"JEAN\",[\"a\",\"b\"]]}\n"
            "{\"file\":\"PERSONNE\",\"id\":\"00002\",\"record\":[\"ANNE\"]}\n" +
            item("Prenom", "D", "1") + item("Personne", "I", "@ID[1,5]") +
            item("NomPersonne", "I", "TRANS(\"PERSONNE\", Personne, 1, \"X\")") +
            item("Listes", "I", "TRANS(\"PERSONNE\", @ID[1,5], 2, \"X\")") +
            item("Complet", "I", "NomPersonne : \" \" : @RECORD<1>[1,2] : \"/\" : @RECORD<9>") +
            item("Groupe", "I", "(@RECORD<2> : \"XYZ\")[2,3]") + item("Boucle", "I", "Boucle2") +
            item("Boucle2", "I", "\"a\" : Boucle") +
            item("Faux", "I", "TRANS(\"PERSONNE\", @ID, 1)") +
            item("Inconnu", "I", "@RECORD<1> : Absent") +
            item("FichierAbsent", "I", "TRANS(\"NUL\", @ID, 1, \"X\")") +
            item("MauvaisType", "A", "1") + item("MauvaisNumero", "D", "un"));
    }
    std::string colonnes(const std::string& attributs) {
        return lisible(base_.base().selectionner("SSELECT AIDE", attributs));
    }
    dba::Erreur erreur(const std::string& attributs) {
        try {
            base_.base().selectionner("SSELECT AIDE", attributs);
        } catch (const dba::Erreur& e) {
            return e;
        }
        return dba::Erreur(0, "aucune erreur");
    }
    BaseTemporaire base_;
};

TEST_F(Expressions, SubstringCountsCharactersNotBytes) {
    EXPECT_EQ(colonnes("Prenom Personne"), "Été,00001 | Noël,00002 | Ali,00003");
}

TEST_F(Expressions, TransReadsAnotherFileAndGivesEmptyTextForAMissingRecord) {
    EXPECT_EQ(colonnes("NomPersonne Listes"), "JEAN,a/b | ANNE, | ,");
}

TEST_F(Expressions, ConcatenationOfItemsLiteralsAndAttributes) {
    EXPECT_EQ(colonnes("Complet"), "JEAN Ét/ | ANNE No/ |  Al/");
}

TEST_F(Expressions, ParenthesesGroupBeforeASubstring) {
    EXPECT_EQ(colonnes("Groupe"), "upo | ura | art");
}

TEST_F(Expressions, FaultyDefinitionsRaiseTheirErrors) {
    EXPECT_EQ(erreur("Boucle").numero(), dba::ErrSyntaxe);
    EXPECT_THAT(erreur("Boucle").texte(), HasSubstr("elle-même"));
    EXPECT_EQ(erreur("Faux").numero(), dba::ErrSyntaxe);
    EXPECT_THAT(erreur("Faux").texte(),
                HasSubstr("« Faux » incorrecte à la position 25 : « , » attendu"));
    EXPECT_EQ(erreur("Inconnu").numero(), dba::ErrItemInconnu);
    EXPECT_THAT(erreur("Inconnu").texte(), HasSubstr("« Absent »"));
    EXPECT_EQ(erreur("FichierAbsent").numero(), dba::ErrFichierInconnu);
    EXPECT_EQ(erreur("MauvaisType").numero(), dba::ErrSyntaxe);
    EXPECT_EQ(erreur("MauvaisNumero").numero(), dba::ErrSyntaxe);
}

TEST_F(Expressions, ClausesAndSortsUseItems) {
    EXPECT_EQ(lisible(base_.base().selectionner("SSELECT AIDE AVEC Listes = \"\" PAR Prenom", "0")),
              "0000300 | 0000200");
    EXPECT_EQ(lisible(base_.base().selectionner(
                  "SSELECT AIDE AVEC NomPersonne = \"\" AND AVEC Listes = \"\"", "0")),
              "0000300");
    EXPECT_EQ(
        lisible(base_.base().selectionner("SSELECT AIDE AVEC Listes = \"b\" PAR NomPersonne", "0")),
        "0000100");
    EXPECT_EQ(lisible(base_.base().selectionner("SSELECT AIDE PAR NomPersonne", "0")),
              "0000300 | 0000200 | 0000100");
}

}  // namespace
