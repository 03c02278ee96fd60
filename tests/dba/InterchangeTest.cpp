#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BaseTemporaire.h"
#include "dba/Erreur.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

TEST(Interchange, ExportWritesFilesByNameRecordsByKeyAndAttributesAsTexts) {
    BaseTemporaire base;
    base.importer(
        "{\"file\":\"ACCORD\",\"id\":\"00012003\",\"record\":[\"041\",\"001\",\"001002\",\"\","
        "19845,19967]}\n"
        "{\"file\":\"ACCORD\",\"id\":\"00012001\",\"record\":[[\"a\",[\"x\",\"y\"]],[1.5],"
        "-3,\"\",\"\"]}\n"
        "{\"file\":\"COMMUNES\",\"id\":\"2A004\",\"record\":[\"AJACCIO\"]}\n"
        "{\"file\":\"DICT ACCORD\",\"id\":\"Fin\",\"record\":[\"D\",\"6\",\"\",\"\",\"R\"]}\n");
    EXPECT_EQ(
        base.exporter(),
        "{\"file\":\"ACCORD\",\"id\":\"00012001\",\"record\":[[\"a\",[\"x\",\"y\"]],\"1.5\","
        "\"-3\"]}\n"
        "{\"file\":\"ACCORD\",\"id\":\"00012003\",\"record\":[\"041\",\"001\",\"001002\",\"\","
        "\"19845\",\"19967\"]}\n"
        "{\"file\":\"COMMUNES\",\"id\":\"2A004\",\"record\":[\"AJACCIO\"]}\n"
        "{\"file\":\"DICT ACCORD\",\"id\":\"Fin\",\"record\":[\"D\",\"6\",\"\",\"\",\"R\"]}\n");
}

TEST(Interchange, ExportImportExportGivesIdenticalBytes) {
    BaseTemporaire premiere;
    premiere.importer(
        "{\"file\":\"F\",\"id\":\"é\",\"record\":[\"Élodie \\\"L\\\"\",[\"\",\"\"],[[]],"
        "[[\"1\",\"\"]],\"\\u00e9\\t\"]}\n"
        "{\"file\":\"F\",\"id\":\"b\",\"record\":[]}\n"
        "{\"file\":\"E\",\"id\":\"a\",\"record\":[\"\",\"x\",[\"y\"],\"\"]}\n");
    const std::string exportee = premiere.exporter();
    BaseTemporaire seconde;
    seconde.importer(exportee);
    EXPECT_EQ(seconde.exporter(), exportee);
    EXPECT_THAT(seconde.base().fichiers(), ElementsAre("DICT E", "DICT F", "E", "F"));
}

TEST(Interchange, ImportCreatesFilesWithTheirDictionariesAndReplacesRecords) {
    BaseTemporaire base;
    base.importer("{\"file\":\"DICT ACCORD\",\"id\":\"Fin\",\"record\":[\"D\",\"6\"]}\n");
    EXPECT_THAT(base.base().fichiers(), ElementsAre("ACCORD", "DICT ACCORD"));
    base.importer(
        "{\"file\":\"ACCORD\",\"id\":\"1\",\"record\":[\"a\"]}\n"
        "{\"file\":\"ACCORD\",\"id\":\"1\",\"record\":[\"b\",[\"c\",\"d\"]]}\n");
    const auto enreg = base.base().lire("ACCORD", "1");
    ASSERT_TRUE(enreg.has_value());
    EXPECT_EQ((*enreg)(1), "b");
    EXPECT_EQ((*enreg)(2, 2), "d");
    EXPECT_FALSE(base.base().lire("ACCORD", "2").has_value());
}

struct LigneFautive {
    std::string ligne;
    std::string raison;
};

class LignesFautives : public testing::TestWithParam<LigneFautive> {};

TEST_P(LignesFautives, AreReportedWithTheirNumberAndNothingOfTheRunIsStored) {
    BaseTemporaire base;
    base.importer("{\"file\":\"A\",\"id\":\"1\",\"record\":[\"avant\"]}\n");
    const std::string avant = base.exporter();
    const std::string lot =
        "{\"file\":\"A\",\"id\":\"1\",\"record\":[\"apres\"]}\n"
        "\n"
        "{\"file\":\"B\",\"id\":\"1\",\"record\":[\"x\"]}\n" +
        GetParam().ligne + "\n{\"file\":\"C\",\"id\":\"1\",\"record\":[\"x\"]}\n";
    try {
        base.importer(lot);
        FAIL() << "ligne acceptée : " << GetParam().ligne;
    } catch (const dba::Erreur& erreur) {
        EXPECT_EQ(erreur.numero(), dba::ErrImport);
        EXPECT_THAT(erreur.texte(), testing::StartsWith("ligne 4 : "));
        EXPECT_THAT(erreur.texte(), HasSubstr(GetParam().raison));
    }
    EXPECT_EQ(base.exporter(), avant);
    EXPECT_THAT(base.base().fichiers(), ElementsAre("A", "DICT A"));
}

INSTANTIATE_TEST_SUITE_P(
    Import, LignesFautives,
    testing::Values(
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\",\"record\":[\"x\"]", "JSON invalide"},
        LigneFautive{"[\"A\",\"2\"]", "objet JSON attendu"},
        LigneFautive{"{\"id\":\"2\",\"record\":[]}", "champ « file » manquant"},
        LigneFautive{"{\"file\":\"A\",\"record\":[]}", "champ « id » manquant"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\"}", "champ « record » manquant"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"\",\"record\":[]}", "clé vide"},
        LigneFautive{"{\"file\":\"A\",\"id\":2,\"record\":[]}", "« id » doit être un texte"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\",\"record\":[\"a\xFE"
                     "b\"]}",
                     "marque"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\",\"record\":\"x\"}", "doit être une liste"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\",\"record\":[true]}", "attribut 1"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\",\"record\":[\"\",null]}", "attribut 2"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\",\"record\":[[\"a\",[[\"x\"]]]]}",
                     "attribut 1, valeur 2, sous-valeur 1"},
        LigneFautive{"{\"file\":\"A\",\"id\":\"2\",\"record\":[],\"extra\":1}",
                     "champ « extra » inconnu"},
        LigneFautive{"{\"file\":\"A B\",\"id\":\"2\",\"record\":[]}", "Nom de fichier incorrect"}));

TEST(Interchange, ReadOnlyDatabaseRefusesImport) {
    BaseTemporaire base;
    mvdb::Base lecture = mvdb::Base::ouvrir(base.chemin(), mvdb::Mode::LectureSeule);
    std::istringstream flux("{\"file\":\"A\",\"id\":\"1\",\"record\":[]}\n");
    try {
        lecture.importer(flux);
        FAIL();
    } catch (const dba::Erreur& erreur) {
        EXPECT_EQ(erreur.numero(), dba::ErrStockage);
        EXPECT_THAT(erreur.texte(), HasSubstr("lecture seule"));
    }
}

}  // namespace
