#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ProgrammesEssai.h"

// The installed program itself: standard streams and exit codes as a shell sees them.
using essai::Db;

TEST(Programme, ImportsFromStandardInputAndReportsFailuresOnStandardError) {
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("base.db"));
    ASSERT_EQ(Db({"create", base}).code, 0);
    const auto import =
        Db({"import", base, "-"}, R"({"file":"SECTEUR","id":"S01","record":["SECTEUR NORD"]})"
                                  "\n");
    ASSERT_EQ(import.code, 0) << import.erreurs.toStdString();
    // On a pipe, no progress lines.
    EXPECT_TRUE(import.erreurs.isEmpty()) << import.erreurs.toStdString();
    EXPECT_EQ(Db({"read", base, "SECTEUR", "S01"}).sortie, "0\tS01\n1\tSECTEUR NORD\n");
    // A pipe named by a path, as a shell's <(zcat lignes.jsonl.gz) gives: read as a file is.
    const auto tube = Db({"import", base, "/dev/stdin"},
                         R"({"file":"SECTEUR","id":"S02","record":["SECTEUR SUD"]})"
                         "\n");
    ASSERT_EQ(tube.code, 0) << tube.erreurs.toStdString();
    EXPECT_EQ(Db({"read", base, "SECTEUR", "S02"}).sortie, "0\tS02\n1\tSECTEUR SUD\n");

    const auto mauvais = Db({"import", base}, "pas du JSON\n");
    EXPECT_EQ(mauvais.code, 1);
    EXPECT_TRUE(mauvais.erreurs.startsWith("erreur : ligne 1 : ")) << mauvais.erreurs.toStdString();
    EXPECT_TRUE(mauvais.sortie.isEmpty());
}

namespace {

// What `script` shows of a command run on the terminal it gives.
QString SurUnTerminal(const QStringList& arguments) {
    QProcess terminal;
    terminal.start(
        "script",
        {"-qec", QStringLiteral(ARDOINE_DB_PROGRAMME) + " " + arguments.join(' '), "/dev/null"});
    EXPECT_TRUE(terminal.waitForFinished(60000));
    EXPECT_EQ(terminal.exitCode(), 0);
    return QString::fromUtf8(terminal.readAllStandardOutput());
}

}  // namespace

// On a terminal (here the one `script` gives), a long import says how far it has gone, and how
// long it has still to go: from the file's size for an import, from the persons made for demo.
TEST(Programme, OnATerminalImportAndDemoShowTheirProgress) {
    QTemporaryDir dossier;
    const QString base = dossier.filePath(QStringLiteral("base.db"));
    const QString lignes = dossier.filePath(QStringLiteral("lignes.jsonl"));
    ASSERT_EQ(Db({"create", base}).code, 0);
    QFile fichier(lignes);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    for (int numero = 1; numero <= 1000; ++numero) {
        fichier.write(QStringLiteral("{\"file\":\"SECTEUR\",\"id\":\"S%1\",\"record\":[\"NOM\"]}\n")
                          .arg(numero)
                          .toUtf8());
    }
    fichier.close();
    const QString import = SurUnTerminal({"import", base, lignes});
    EXPECT_TRUE(import.contains("1000 enregistrements")) << import.toStdString();
    EXPECT_TRUE(import.contains("reste environ 0 s")) << import.toStdString();

    const QString demo = SurUnTerminal({"demo", dossier.filePath("demo.db"), "--size", "demo"});
    EXPECT_TRUE(demo.contains("reste environ 0 s")) << demo.toStdString();
}

TEST(Programme, UnknownOptionIsAUsageErrorInFrench) {
    const auto option = Db({"export", "base.db", "--inconnue"});
    EXPECT_EQ(option.code, 2);
    EXPECT_TRUE(option.erreurs.startsWith("erreur : Option inconnue"))
        << option.erreurs.toStdString();
    EXPECT_TRUE(option.erreurs.contains("ardoine-db export --help"));
}

TEST(Programme, VersionNamesTheProjectQtAndSqlite) {
    const auto version = Db({"--version"});
    EXPECT_EQ(version.code, 0);
    const QString& texte = version.sortie;
    EXPECT_TRUE(texte.startsWith(QStringLiteral("ardoine-db " ARDOINE_VERSION " (Qt ") +
                                 QString::fromLatin1(qVersion()) + QStringLiteral(", SQLite 3.")))
        << texte.toStdString();
    EXPECT_TRUE(Db({"--help"}).sortie.contains("--version"));
}
