#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "BaseTemporaire.h"

using testing::HasSubstr;
using testing::StartsWith;

// What a careless administrator or a hostile file can hand the engine: every one is refused
// with a French error naming the line or the item, never a crash or a silent change.
namespace {

std::string repeter(const std::string& motif, int fois) {
    std::string texte;
    for (int i = 0; i < fois; ++i) {
        texte += motif;
    }
    return texte;
}

class DefinitionsProfondes : public testing::Test {
  protected:
    void SetUp() override {
        std::string lignes = "{\"file\":\"AIDE\",\"id\":\"1\",\"record\":[\"a\"]}\n";
        lignes +=
            itemJson("AIDE", "Parentheses", "I", repeter("(", 25000) + "@ID" + repeter(")", 25000));
        lignes += itemJson("AIDE", "Concatenation", "I", "@ID" + repeter(" : @ID", 63000));
        lignes += itemJson("AIDE", "SousChaines", "I", "@ID" + repeter("[1,5]", 8000));
        lignes +=
            itemJson("AIDE", "Traductions", "I",
                     repeter("TRANS(\"AIDE\", ", 5000) + "@ID" + repeter(", 1, \"X\")", 5000));
        // A chain of items, each naming the next.
        for (int i = 0; i < 8500; ++i) {
            lignes += itemJson("AIDE", "Chaine" + std::to_string(i), "I",
                               "\"x\" : Chaine" + std::to_string(i + 1));
        }
        lignes += itemJson("AIDE", "Chaine8500", "D", "1");
        base_.importer(lignes);
    }
    BaseTemporaire base_;
};

TEST_F(DefinitionsProfondes, DeepDefinitionsAreRefusedNamingTheItem) {
    for (const std::string item :
         {"Parentheses", "SousChaines", "Traductions", "Chaine0", "Chaine8000"}) {
        SCOPED_TRACE(item);
        const dba::Erreur erreur =
            erreurDe([&] { base_.base().selectionner("SSELECT AIDE", "0 " + item); });
        EXPECT_EQ(erreur.numero(), dba::ErrSyntaxe);
        EXPECT_THAT(erreur.texte(), HasSubstr("Définition de l'item « "));
        EXPECT_THAT(erreur.texte(), HasSubstr("au plus 64"));
    }
}

TEST_F(DefinitionsProfondes, LongChainsThatStayShallowAreEvaluated) {
    EXPECT_EQ(lisible(base_.base().selectionner("SSELECT AIDE", "Concatenation")),
              repeter("1", 63001));
    EXPECT_EQ(lisible(base_.base().selectionner("SSELECT AIDE", "Chaine8480")),
              repeter("x", 20) + "a");
}

// Import lines that used to be taken wrongly or silently.
TEST(ImportHostile, EveryByteOfALineCountsAndEveryFaultNamesItsLine) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"{\"file\":\"A\",\"id\":\"2\",\"record\":[]}" + std::string(1, '\0') +
             "{\"file\":\"A\",\"id\":\"HIDDEN\",\"record\":[]} garbage",
         "octet nul à l'octet 34"},
        {"{\"file\":\"A\",\"id\":\"2\",\"record\":[]} x", "JSON invalide"},
        {"{\"file\":\"A\",\"id\":\"2\",\"record\":[]}{}", "JSON invalide"},
        {"{\"file\":\"A\",\"id\":\"2\",\"record\":[1e400]}", "nombre hors limites"},
        {"{\"file\":\"A\",\"id\":\"1\",\"file\":\"B\",\"record\":[]}", "champ « file » en double"},
        {"{\"file\":\"A\",\"id\":\"2\",\"record\":[[[[[[\"x\"]]]]]]}", "trop de niveaux de listes"},
        {"{\"file\":\"A\",\"id\":\"2\",\"record\":" + repeter("[", 100000) + "}",
         "trop de niveaux de listes"},
    };
    BaseTemporaire base;
    base.importer("{\"file\":\"A\",\"id\":\"1\",\"record\":[\"avant\"]}\n");
    const std::string avant = base.exporter();
    for (const auto& [ligne, raison] : cas) {
        SCOPED_TRACE(raison);
        // A lambda names a structured binding only through a capture of its own (clang 14).
        const dba::Erreur erreur = erreurDe([&, &ligne = ligne] {
            base.importer("{\"file\":\"A\",\"id\":\"3\",\"record\":[]}\n\n" + ligne + "\n");
        });
        EXPECT_EQ(erreur.numero(), dba::ErrImport);
        EXPECT_THAT(erreur.texte(), StartsWith("ligne 3 : "));
        EXPECT_THAT(erreur.texte(), HasSubstr(raison));
        EXPECT_EQ(base.exporter(), avant);
    }
}

TEST(ImportHostile, NumbersAreKeptAsTheirDecimalText) {
    BaseTemporaire base;
    base.importer(
        "{\"file\":\"N\",\"id\":\"1\",\"record\":[123456789012345678901234567890,1E20,1e-400,"
        "1e2,-0,0.10,[-12.50,[7e+3]],18446744073709551616]}\n");
    EXPECT_EQ(base.exporter(),
              "{\"file\":\"N\",\"id\":\"1\",\"record\":[\"123456789012345678901234567890\","
              "\"1E20\",\"1e-400\",\"1e2\",\"-0\",\"0.10\",[\"-12.50\",\"7e+3\"],"
              "\"18446744073709551616\"]}\n");
}

TEST(PhraseLongue, AMegabyteSentenceParsesInLinearTime) {
    BaseTemporaire base;
    base.importer("{\"file\":\"A\",\"id\":\"1\",\"record\":[\"x\"]}\n");
    std::string phrase = "SSELECT A AVEC 1 = \"x\"";
    while (phrase.size() < 1000000) {
        phrase += " AND AVEC 0 <> \"é" + std::to_string(phrase.size()) + "\"";
    }
    // Slow parsing takes minutes here; the test's timeout catches it.
    EXPECT_EQ(lisible(base.base().selectionner(phrase, "0")), "1");
    const dba::Erreur erreur = erreurDe([&] { base.base().selectionner(phrase + " PAR", "0"); });
    EXPECT_THAT(erreur.texte(), StartsWith("Position "));
}

}  // namespace
