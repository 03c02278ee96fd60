#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <ios>
#include <system_error>

#include "BaseTemporaire.h"
#include "FluxEnPause.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// A number keeps its text whatever the strings before it hold: an escaped quote or backslash
// does not end a string, so the digits inside it are never taken for the number.
TEST(Interchange, ExportWritesFilesByNameRecordsByKeyAndAttributesAsTexts) {
    BaseTemporaire base;
    base.importer(
        "{\"file\":\"ACCORD\",\"id\":\"00012003\",\"record\":[\"041\",\"001\",\"001002\",\"\","
        "19845,19967]}\n"
        "{\"file\":\"ACCORD\",\"id\":\"00012002\",\"record\":[\"dit \\\"7\\\" \\\\\",-0,"
        "\"\\\\\\\"2\",12345678901234567890]}\n"
        "{\"file\":\"ACCORD\",\"id\":\"00012001\",\"record\":[[\"a\",[\"x\",\"y\"]],[1.5],"
        "-3,\"\",\"\"]}\n"
        "{\"file\":\"COMMUNES\",\"id\":\"2A004\",\"record\":[\"AJACCIO\"]}\n"
        "{\"file\":\"DICT ACCORD\",\"id\":\"Fin\",\"record\":[\"D\",\"6\",\"\",\"\",\"R\"]}\n");
    EXPECT_EQ(
        base.exporter(),
        "{\"file\":\"ACCORD\",\"id\":\"00012001\",\"record\":[[\"a\",[\"x\",\"y\"]],\"1.5\","
        "\"-3\"]}\n"
        "{\"file\":\"ACCORD\",\"id\":\"00012002\",\"record\":[\"dit \\\"7\\\" \\\\\",\"-0\","
        "\"\\\\\\\"2\",\"12345678901234567890\"]}\n"
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

// A faulty line and what its error tells.
const std::vector<std::pair<std::string, std::string>> LignesFautives = {
    {"{\"file\":\"A\",\"id\":\"2\",\"record\":[\"x\"]", "JSON invalide"},
    {"[\"A\",\"2\"]", "objet JSON attendu"},
    {"{\"id\":\"2\",\"record\":[]}", "champ « file » manquant"},
    {"{\"file\":\"A\",\"record\":[]}", "champ « id » manquant"},
    {"{\"file\":\"A\",\"id\":\"2\"}", "champ « record » manquant"},
    {"{\"file\":\"A\",\"id\":\"\",\"record\":[]}", "clé vide"},
    {"{\"file\":\"A\",\"id\":2,\"record\":[]}", "« id » doit être un texte"},
    {"{\"file\":\"A\",\"id\":\"2\",\"record\":[\"a\xFE"
     "b\"]}",
     "marque"},
    {"{\"file\":\"A\",\"id\":\"2\",\"record\":\"x\"}", "doit être une liste"},
    {"{\"file\":\"A\",\"id\":\"2\",\"record\":[true]}", "attribut 1"},
    {"{\"file\":\"A\",\"id\":\"2\",\"record\":[\"\",null]}", "attribut 2"},
    {"{\"file\":\"A\",\"id\":\"2\",\"record\":[[\"a\",[[\"x\"]]]]}",
     "attribut 1, valeur 2, sous-valeur 1"},
    {"{\"file\":\"A\",\"id\":\"2\",\"record\":[],\"extra\":1}", "champ « extra » inconnu"},
    {"{\"file\":\"A B\",\"id\":\"2\",\"record\":[]}", "Nom de fichier incorrect"}};

TEST(Interchange, FaultyLineIsReportedWithItsNumberAndNothingOfTheRunIsStored) {
    BaseTemporaire base;
    base.importer("{\"file\":\"A\",\"id\":\"1\",\"record\":[\"avant\"]}\n");
    const std::string avant = base.exporter();
    for (const auto& [ligne, raison] : LignesFautives) {
        SCOPED_TRACE(ligne);
        const std::string lot =
            "{\"file\":\"A\",\"id\":\"1\",\"record\":[\"apres\"]}\n"
            "\n"
            "{\"file\":\"B\",\"id\":\"1\",\"record\":[\"x\"]}\n" +
            ligne + "\n{\"file\":\"C\",\"id\":\"1\",\"record\":[\"x\"]}\n";
        const dba::Erreur erreur = erreurDe([&] { base.importer(lot); });
        EXPECT_EQ(erreur.numero(), dba::ErrImport);
        EXPECT_THAT(erreur.texte(), testing::StartsWith("ligne 4 : "));
        EXPECT_THAT(erreur.texte(), HasSubstr(raison));
        EXPECT_EQ(base.exporter(), avant);
        EXPECT_THAT(base.base().fichiers(), ElementsAre("A", "DICT A"));
    }
}

// A source that breaks off is no end of the input: the good lines read before it, already
// written in the transaction with their index entries, are not stored either.
TEST(Interchange, AReadErrorAfterGoodLinesStoresNothing) {
    BaseTemporaire base;
    base.importer("{\"file\":\"A\",\"id\":\"1\",\"record\":[\"avant\"]}\n");
    base.base().declarerIndex("A", "1");
    const std::string avant = base.exporter();
    const std::vector<std::string> bonnes = {"{\"file\":\"A\",\"id\":\"1\",\"record\":[\"apres\"]}",
                                             "{\"file\":\"A\",\"id\":\"2\",\"record\":[\"apres\"]}",
                                             "{\"file\":\"B\",\"id\":\"1\",\"record\":[\"x\"]}"};
    const std::vector<std::pair<std::function<void()>, std::string>> pannes = {
        {[] { throw std::ios_base::failure("", std::error_code(EIO, std::system_category())); },
         "erreur d'entrée-sortie du disque"},
        {[] { throw std::runtime_error("connexion coupée"); }, "erreur de lecture"}};
    for (const auto& [panne, cause] : pannes) {
        SCOPED_TRACE(cause);
        FluxEnPause source(bonnes, bonnes.size(), panne);
        std::istream lignes(&source);
        const dba::Erreur erreur = erreurDe([&] { base.base().importer(lignes); });
        EXPECT_EQ(erreur.numero(), dba::ErrImport);
        EXPECT_EQ(erreur.texte(), "Lecture des lignes interrompue après la ligne 3 : " + cause +
                                      " ; rien n'a été importé.");
        EXPECT_EQ(base.exporter(), avant);
        EXPECT_THAT(base.base().fichiers(), ElementsAre("A", "DICT A"));
        EXPECT_THAT(cles(base.base(), "SSELECT A AVEC 1 = \"apres\""), testing::IsEmpty());
        EXPECT_THAT(cles(base.base(), "SSELECT A AVEC 1 = \"avant\""), ElementsAre("1"));
    }
}

TEST(Interchange, ReadOnlyDatabaseRefusesImport) {
    BaseTemporaire base;
    mvdb::Base lecture = mvdb::Base::ouvrir(base.chemin(), mvdb::Mode::LectureSeule);
    std::istringstream flux("{\"file\":\"A\",\"id\":\"1\",\"record\":[]}\n");
    const dba::Erreur erreur = erreurDe([&] { lecture.importer(flux); });
    EXPECT_EQ(erreur.numero(), dba::ErrStockage);
    EXPECT_THAT(erreur.texte(), HasSubstr("lecture seule"));
}

}  // namespace
