#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "BaseTemporaire.h"
#include "mvdb/Depot.h"
#include "mvdb/Ouverture.h"
#include "mvdb/Plan.h"

using testing::ElementsAre;

namespace {

// Values chosen to mix numbers written several ways, texts, empty values and multi-values.
const std::vector<std::string> Valeurs = {"7", "07",  "7.0", "12",  "-3", "abc", "ab",
                                          "",  "9.5", "0",   "100", "1x", "Zed", "é"};

std::string jsonTexte(const std::string& texte) {
    return "\"" + texte + "\"";
}

// Keys mostly numeric with leading zeros, some not numeric at all.
std::string lot(unsigned graine, int nombre) {
    std::mt19937 hasard(graine);
    const auto valeur = [&] { return Valeurs[hasard() % Valeurs.size()]; };
    std::string lignes;
    for (int i = 0; i < nombre; ++i) {
        const std::string cle =
            i % 10 == 9 ? "K" + std::to_string(i)
                        : std::string(5 - std::to_string(i).size(), '0') + std::to_string(i);
        const std::string attribut1 =
            hasard() % 4 == 0 ? "[" + jsonTexte(valeur()) + "," + jsonTexte(valeur()) + "]"
                              : jsonTexte(valeur());
        lignes += "{\"file\":\"T\",\"id\":\"" + cle + "\",\"record\":[" + attribut1 + "," +
                  std::to_string(19800 + static_cast<int>(hasard() % 200)) + ",\"" + valeur() +
                  "\"]}\n";
    }
    lignes +=
        "{\"file\":\"DICT T\",\"id\":\"Code\",\"record\":[\"D\",\"1\",\"\",\"\",\"L\"]}\n"
        "{\"file\":\"DICT T\",\"id\":\"Fin\",\"record\":[\"D\",\"2\",\"\",\"\",\"R\"]}\n"
        "{\"file\":\"DICT T\",\"id\":\"Cle\",\"record\":[\"D\",\"0\",\"\",\"\",\"L\"]}\n";
    return lignes;
}

const std::vector<std::string> Phrases = {
    "SSELECT T AVEC Code = \"7\"",
    "SSELECT T AVEC Code = \"abc\" PAR Fin",
    "SSELECT T AVEC Code = \"\"",
    "SSELECT T AVEC Code = \"a]\"",
    "SSELECT T AVEC Code = \"1]\" PAR 3",
    "SSELECT T AVEC Code >= \"7\" AND AVEC Code <= \"12\"",
    "SSELECT T AVEC Code >= \"ab\" AND AVEC Code <= \"abd\"",
    "SSELECT T AVEC Code >= \"1\" AND AVEC Code <= \"b\"",
    "SSELECT T AVEC Code <= \"0\"",
    "SSELECT T AVEC Code >= \"Z\"",
    "SSELECT T AVEC Code <> \"7\" AND AVEC Fin >= \"19850\"",
    "SSELECT T AVEC 2 >= \"19850\" AND AVEC 2 <= \"019900\" PAR Code",
    "SSELECT T AVEC Fin = \"19890.0\"",
    "SSELECT T AVEC 0 = \"00042\"",
    "SSELECT T AVEC 0 = \"42\"",
    "SSELECT T AVEC Cle = \"K19\"",
    "SSELECT T AVEC 0 = \"001]\"",
    "SSELECT T AVEC 0 >= \"50\" AND AVEC 0 <= \"60.5\"",
    "SSELECT T AVEC 0 >= \"K\" AND AVEC Code = \"7\"",
    "SSELECT T AVEC 0 <= \"00010\" AND AVEC Fin <= \"19900\" PAR Fin PAR Code",
};

void comparer(const std::vector<std::string>& obtenus, const std::vector<std::string>& attendus) {
    ASSERT_EQ(obtenus.size(), Phrases.size());
    for (std::size_t i = 0; i < Phrases.size(); ++i) {
        EXPECT_EQ(obtenus[i], attendus[i]) << Phrases[i];
    }
}

std::vector<std::string> resultats(BaseTemporaire& base) {
    std::vector<std::string> tout;
    for (const std::string& phrase : Phrases) {
        tout.push_back(lisible(base.base().selectionner(phrase, "0 1 2")));
    }
    return tout;
}

TEST(Index, SelectionsGiveTheSameRowsInTheSameOrderWithAndWithoutIndex) {
    BaseTemporaire base;
    base.importer(lot(1, 400));
    const std::vector<std::string> sansIndex = resultats(base);
    base.base().declarerIndex("T", "Code");
    base.base().declarerIndex("T", "2");
    comparer(resultats(base), sansIndex);
    EXPECT_THAT(base.base().index("T"), ElementsAre("2", "Code"));
    // Each sentence selects something or nothing for a reason: not all empty.
    EXPECT_GT(std::count_if(sansIndex.begin(), sansIndex.end(),
                            [](const std::string& r) { return !r.empty(); }),
              15);
}

TEST(Index, ImportKeepsIndexesUpToDate) {
    BaseTemporaire indexee;
    BaseTemporaire simple;
    indexee.importer(lot(2, 200));
    simple.importer(lot(2, 200));
    indexee.base().declarerIndex("T", "Code");
    indexee.base().declarerIndex("T", "Fin");
    // The same keys again with other values: old index entries must go.
    indexee.importer(lot(3, 150));
    simple.importer(lot(3, 150));
    comparer(resultats(indexee), resultats(simple));
    indexee.base().reconstruireIndex("T", "Code");
    comparer(resultats(indexee), resultats(simple));
    // Entries are held back and stored in index order: a key written several times in one
    // import, with values that come and go, keeps exactly its last entries.
    const std::string reecritures = lot(5, 150) + lot(6, 250) + lot(5, 100) + lot(7, 120);
    indexee.importer(reecritures);
    simple.importer(reecritures);
    comparer(resultats(indexee), resultats(simple));
}

// The entries of an index, read straight from the store: every key with a value of the attribute.
std::vector<std::string> entrees(const BaseTemporaire& base, const std::string& fichier,
                                 int attribut) {
    const mvdb::Depot depot(mvdb::ouvrirStockage(base.chemin(), mvdb::Mode::LectureSeule));
    mvdb::Recherche tout;
    tout.surCle = false;
    tout.attribut = attribut;
    std::vector<std::string> cles;
    depot.chercher(depot.fichier(fichier), tout, cles);
    return cles;
}

TEST(Index, ANameRedeclaredOnAnotherAttributeLeavesNoEntriesOfTheOldOne) {
    BaseTemporaire base;
    base.importer(lot(4, 60));
    base.base().declarerIndex("T", "Code");
    base.base().declarerIndex("T", "2");
    ASSERT_FALSE(entrees(base, "T", 1).empty());
    // Code now names attribute 3; attribute 2 keeps its own declaration.
    base.importer("{\"file\":\"DICT T\",\"id\":\"Code\",\"record\":[\"D\",\"3\"]}\n");
    base.base().reconstruireIndex("T", "Code");
    EXPECT_TRUE(entrees(base, "T", 1).empty());
    EXPECT_EQ(entrees(base, "T", 3).size(), 60u);
    EXPECT_FALSE(entrees(base, "T", 2).empty());
    // Fin moves onto attribute 2, which the declaration "2" still covers: its entries stay.
    base.base().declarerIndex("T", "Fin");
    base.importer("{\"file\":\"DICT T\",\"id\":\"Fin\",\"record\":[\"D\",\"3\"]}\n");
    base.base().reconstruireIndex("T", "Fin");
    EXPECT_EQ(entrees(base, "T", 2).size(), 60u);
}

TEST(Index, OnlyDItemsAndAttributeNumbersCanBeIndexed) {
    BaseTemporaire base;
    base.importer(lot(4, 5) +
                  "{\"file\":\"DICT T\",\"id\":\"Calcul\",\"record\":[\"I\",\"@ID[1,2]\"]}\n");
    const auto numeroErreur = [](const std::function<void()>& operation) {
        return erreurDe(operation).numero();
    };
    EXPECT_EQ(numeroErreur([&] { base.base().declarerIndex("T", "Calcul"); }), dba::ErrArgument);
    EXPECT_EQ(numeroErreur([&] { base.base().declarerIndex("T", "Cle"); }), dba::ErrArgument);
    EXPECT_EQ(numeroErreur([&] { base.base().declarerIndex("T", "Absent"); }), dba::ErrItemInconnu);
    EXPECT_EQ(numeroErreur([&] { base.base().declarerIndex("NUL", "1"); }), dba::ErrFichierInconnu);
    EXPECT_EQ(numeroErreur([&] { base.base().reconstruireIndex("T", "Code"); }), dba::ErrArgument);
    EXPECT_TRUE(base.base().index("T").empty());
}

}  // namespace
