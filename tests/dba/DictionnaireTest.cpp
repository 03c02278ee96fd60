#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BaseTemporaire.h"

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
        return erreurDe([&] { base_.base().selectionner("SSELECT AIDE", attributs); });
    }
    BaseTemporaire base_;
};

TEST_F(Expressions, EvaluateToTheirColumns) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        // Substrings count characters, not bytes.
        {"Prenom Personne", "Été,00001 | Noël,00002 | Ali,00003"},
        // TRANS reads another file and gives an empty text for a missing record.
        {"NomPersonne Listes", "JEAN,a/b | ANNE, | ,"},
        {"Complet", "JEAN Ét/ | ANNE No/ |  Al/"},
        // Parentheses group before a substring.
        {"Groupe", "upo | ura | art"},
    };
    for (const auto& [attributs, attendu] : cas) {
        SCOPED_TRACE(attributs);
        EXPECT_EQ(colonnes(attributs), attendu);
    }
}

TEST_F(Expressions, FaultyDefinitionsRaiseTheirErrors) {
    const std::vector<std::tuple<std::string, std::uint32_t, std::string>> cas = {
        {"Boucle", dba::ErrSyntaxe, "elle-même"},
        {"Faux", dba::ErrSyntaxe, "« Faux » incorrecte à la position 25 : « , » attendu"},
        {"Inconnu", dba::ErrItemInconnu, "« Absent »"},
        {"FichierAbsent", dba::ErrFichierInconnu, ""},
        {"MauvaisType", dba::ErrSyntaxe, ""},
        {"MauvaisNumero", dba::ErrSyntaxe, ""},
    };
    for (const auto& [item, numero, texte] : cas) {
        SCOPED_TRACE(item);
        const dba::Erreur e = erreur(item);
        EXPECT_EQ(e.numero(), numero) << e.texte();
        EXPECT_THAT(e.texte(), HasSubstr(texte));
    }
}

TEST_F(Expressions, ClausesAndSortsUseItems) {
    using testing::ElementsAre;
    mvdb::Base& base = base_.base();
    EXPECT_THAT(cles(base, "SSELECT AIDE AVEC Listes = \"\" PAR Prenom"),
                ElementsAre("0000300", "0000200"));
    EXPECT_THAT(cles(base, "SSELECT AIDE AVEC NomPersonne = \"\" AND AVEC Listes = \"\""),
                ElementsAre("0000300"));
    EXPECT_THAT(cles(base, "SSELECT AIDE AVEC Listes = \"b\" PAR NomPersonne"),
                ElementsAre("0000100"));
    EXPECT_THAT(cles(base, "SSELECT AIDE PAR NomPersonne"),
                ElementsAre("0000300", "0000200", "0000100"));
}

}  // namespace
