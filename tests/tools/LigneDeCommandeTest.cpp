#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "AppelsEnPanne.h"
#include "ConsoleEssai.h"
#include "FluxEnPause.h"
#include "mvdb/Base.h"

namespace {

using essai::Lancer;

std::string lireFichier(const QString& chemin) {
    std::ifstream fichier(chemin.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), {}};
}

const std::string Lignes =
    R"({"file":"ACCORD","id":"00012001","record":["041","001","041002","",19845,19967]})"
    "\n"
    R"({"file":"ACCORD","id":"00012002","record":["041","001","041002","",19968,20100]})"
    "\n"
    R"({"file":"DEMANDACC","id":"00012","record":[["001","007"],[19800,19900],["19801","19901"],[19999,20099]]})"
    "\n"
    R"({"file":"DICT ACCORD","id":"DateFinAccord","record":["D","6","","","R"]})"
    "\n";

class LigneDeCommande : public ::testing::Test {
  protected:
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }
    QStringList fichiersDuDossier() const {
        return QDir(dossier_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    }
    // A database holding the lines above.
    QString baseRemplie() {
        const QString base = chemin(QStringLiteral("remplie.db"));
        EXPECT_EQ(Lancer({"create", base}).code, 0);
        const auto import = Lancer({"import", base}, Lignes);
        EXPECT_EQ(import.code, 0) << import.erreurs;
        return base;
    }

    QTemporaryDir dossier_;
};

}  // namespace

TEST_F(LigneDeCommande, CreateMakesAnEmptyDatabaseAndNeverReplacesAFile) {
    const QString base = chemin(QStringLiteral("vide.db"));
    const auto cree = Lancer({"create", base});
    EXPECT_EQ(cree.code, 0) << cree.erreurs;
    EXPECT_EQ(Lancer({"export", base}).sortie, "");

    std::ofstream(base.toStdString()) << "pas une base";
    const auto encore = Lancer({"create", base});
    EXPECT_EQ(encore.code, 1);
    EXPECT_EQ(encore.erreurs, "erreur : le fichier existe déjà : " + base.toStdString() + "\n");
    EXPECT_EQ(lireFichier(base), "pas une base");
    // No provisional file left behind.
    EXPECT_TRUE(fichiersDuDossier().filter(".partiel").isEmpty());
}

// Standard input that breaks off after good lines: an error, and the good lines are not kept.
TEST_F(LigneDeCommande, ImportOfAnInputThatBreaksOffStoresNothing) {
    const QString base = baseRemplie();
    const std::string avant = Lancer({"export", base}).sortie;
    FluxEnPause source({R"({"file":"ACCORD","id":"00012001","record":["999"]})",
                        R"({"file":"NOUVEAU","id":"1","record":["x"]})"},
                       2, [] { throw std::runtime_error("tube rompu"); });
    std::istream entree(&source);
    std::ostringstream sortie, erreurs;
    dbtool::Console console{entree, sortie, erreurs};
    EXPECT_EQ(dbtool::executer({"import", base, "-"}, console), 2);
    EXPECT_TRUE(erreurs.str().starts_with(
        "erreur : Lecture de l'entrée standard interrompue après la ligne 2 : erreur de lecture ; "
        "rien n'a été importé.\n"))
        << erreurs.str();
    EXPECT_EQ(Lancer({"export", base}).sortie, avant);
}

TEST_F(LigneDeCommande, SelectPrintsOneTabSeparatedRowPerRecord) {
    const QString base = baseRemplie();
    const auto lignes =
        Lancer({"select", base, R"(SSELECT ACCORD AVEC DateFinAccord >= "19967" PAR 0)",
                "--columns", "0 6 1"});
    ASSERT_EQ(lignes.code, 0) << lignes.erreurs;
    EXPECT_EQ(lignes.sortie, "00012001\t19967\t041\n00012002\t20100\t041\n");

    const auto valeurs = Lancer({"select", base, "SSELECT DEMANDACC", "--columns", "1 0"});
    EXPECT_EQ(valeurs.sortie, "001]007\t00012\n");

    EXPECT_EQ(Lancer({"select", base, R"(SSELECT ACCORD AVEC 6 = "1")"}).sortie, "");
    const auto fautive = Lancer({"select", base, "SSELECT ACCORD AVEC"});
    EXPECT_EQ(fautive.code, 1);
    EXPECT_TRUE(fautive.erreurs.starts_with("erreur : ")) << fautive.erreurs;
    EXPECT_EQ(fautive.sortie, "");
}

// Keys and values may hold tabs and line ends: escaped, each output line stays one row. NUL
// and the other control characters would reach the terminal as they are: each is written as
// its hexadecimal code, the bytes of other characters stay as they are.
TEST_F(LigneDeCommande, SelectEscapesWhatWouldSplitARowOrReachTheTerminal) {
    const QString base = baseRemplie();
    const auto import = Lancer(
        {"import", base},
        R"({"file":"NOTE","id":"a\tb","record":["ligne 1\nligne 2\r","c:\\temp",["x\ty","z"]]})"
        "\n"
        R"({"file":"NOTE","id":"a\u0000b","record":["\u0001\u001b[2J\u007f","é~"]})"
        "\n");
    ASSERT_EQ(import.code, 0) << import.erreurs;
    const auto lignes = Lancer({"select", base, "SSELECT NOTE", "--columns", "0 1 2 3"});
    ASSERT_EQ(lignes.code, 0) << lignes.erreurs;
    EXPECT_EQ(lignes.sortie,
              "a\\x00b\t\\x01\\x1b[2J\\x7f\té~\t\n"
              "a\\tb\tligne 1\\nligne 2\\r\tc:\\\\temp\tx\\ty]z\n");
    const std::string aide = Lancer({"select", "--help"}).sortie;
    EXPECT_NE(aide.find("« \\t »"), std::string::npos);
    EXPECT_NE(aide.find("« \\xHH »"), std::string::npos);
}

TEST_F(LigneDeCommande, ReadPrintsOneAttributePerLineAndReportsAMissingKey) {
    const QString base = baseRemplie();
    const auto lu = Lancer({"read", base, "DEMANDACC", "00012"});
    ASSERT_EQ(lu.code, 0) << lu.erreurs;
    EXPECT_EQ(lu.sortie, "0\t00012\n1\t001]007\n2\t19800]19900\n3\t19801]19901\n4\t19999]20099\n");

    const auto absent = Lancer({"read", base, "ACCORD", "99999001"});
    EXPECT_EQ(absent.code, 1);
    EXPECT_EQ(absent.erreurs,
              "erreur : l'enregistrement 99999001 n'existe pas dans le fichier ACCORD\n");
    EXPECT_EQ(absent.sortie, "");
    EXPECT_EQ(Lancer({"read", base, "INCONNU", "1"}).code, 1);
}

TEST_F(LigneDeCommande, IndexIsDeclaredThenRebuilt) {
    const QString base = baseRemplie();
    const auto declare = Lancer({"index", base, "ACCORD", "DateFinAccord"});
    ASSERT_EQ(declare.code, 0) << declare.erreurs;
    EXPECT_EQ(mvdb::Base::ouvrir(base.toStdString(), mvdb::Mode::LectureSeule).index("ACCORD"),
              std::vector<std::string>{"DateFinAccord"});
    EXPECT_EQ(Lancer({"index", base, "ACCORD", "DateFinAccord", "--rebuild"}).code, 0);
    EXPECT_EQ(Lancer({"index", base, "ACCORD", "ItemInconnu"}).code, 1);
}

TEST_F(LigneDeCommande, DemoCreatesTheDatabaseWithItsIndex) {
    const QString base = chemin(QStringLiteral("demo.db"));
    const auto demo = Lancer({"demo", base, "--seed", "3"});
    ASSERT_EQ(demo.code, 0) << demo.erreurs;
    const auto ouverte = mvdb::Base::ouvrir(base.toStdString(), mvdb::Mode::LectureSeule);
    EXPECT_EQ(ouverte.index("ACCORD"), std::vector<std::string>{"DateFinAccord"});
    EXPECT_EQ(ouverte.selectionner("SSELECT CIVILAIDE", "0").DCount(), 600);
    EXPECT_TRUE(ouverte.lire("DROITS", "admin").has_value());
}

TEST_F(LigneDeCommande, FailedDemoLeavesNoFileBehind) {
    const QString base = chemin(QStringLiteral("demo.db"));
    const QString rien = chemin(QStringLiteral("rien"));
    const auto sansDonnees = Lancer({"demo", base, "--data", rien});
    EXPECT_EQ(sansDonnees.code, 1);
    EXPECT_EQ(sansDonnees.erreurs, "erreur : fichier de données absent ou vide : " +
                                       rien.toStdString() + "/communes.tsv\n");
    EXPECT_TRUE(fichiersDuDossier().isEmpty()) << fichiersDuDossier().join(' ').toStdString();
}

// A size or a number the command does not take is a usage error, as an unknown option is;
// numbers are digits alone, with nothing before or after.
TEST_F(LigneDeCommande, DemoRefusesASizeOrANumberItDoesNotTakeAsAUsageError) {
    const QString base = chemin(QStringLiteral("demo.db"));
    const std::pair<QStringList, std::string> cas[] = {
        {{"--size", "geante"},
         "erreur : taille inconnue : geante (demo, bench-1an, bench-10ans ou bench-140ans "
         "attendu)\n"},
        {{"--aides", "360000"}, "erreur : nombre d'aidés hors limites : 360000 (de 1 à 359999)\n"},
        {{"--annees", "151"}, "erreur : nombre d'années hors limites : 151 (de 1 à 150)\n"},
        {{"--aides", "99999999999"},
         "erreur : nombre d'aidés invalide : 99999999999 (entier positif attendu)\n"},
        {{"--aides", "3\n"}, "erreur : nombre d'aidés invalide : 3\n (entier positif attendu)\n"},
        {{"--seed", "-4"}, "erreur : graine invalide : -4 (entier positif attendu)\n"},
        {{"--seed", " 3"}, "erreur : graine invalide :  3 (entier positif attendu)\n"},
        {{"--seed", "3\n"}, "erreur : graine invalide : 3\n (entier positif attendu)\n"},
    };
    for (const auto& [options, debut] : cas) {
        const auto refus = Lancer(QStringList{"demo", base} + options);
        EXPECT_EQ(refus.code, 2) << debut;
        EXPECT_TRUE(refus.erreurs.starts_with(debut)) << refus.erreurs;
    }
    EXPECT_TRUE(fichiersDuDossier().isEmpty()) << fichiersDuDossier().join(' ').toStdString();
}

TEST_F(LigneDeCommande, WrongCommandLinesExitWithTwoAndHelpIsInFrench) {
    const auto rien = Lancer({});
    EXPECT_EQ(rien.code, 2);
    EXPECT_NE(rien.erreurs.find("Commandes :"), std::string::npos);
    const auto inconnue = Lancer({"drop"});
    EXPECT_EQ(inconnue.code, 2);
    EXPECT_TRUE(inconnue.erreurs.starts_with("erreur : commande inconnue : drop\n"));
    const auto manque = Lancer({"read", "base.db"});
    EXPECT_EQ(manque.code, 2);
    EXPECT_TRUE(manque.erreurs.starts_with("erreur : arguments attendus : BASE FICHIER CLE\n"));
    const auto aide = Lancer({"select", "--help"});
    EXPECT_EQ(aide.code, 0);
    EXPECT_TRUE(aide.sortie.starts_with("Utilisation : ardoine-db select [options] BASE PHRASE\n"));
    EXPECT_NE(aide.sortie.find("--columns"), std::string::npos);
    for (const char* commande : {"create", "import", "export", "read", "index", "demo"}) {
        EXPECT_EQ(Lancer({commande, "-h"}).code, 0) << commande;
    }
}

// Export through the program's one writer: the old file stays whole whichever call to the
// system fails, and only a plain file the user may write is replaced.
TEST_F(LigneDeCommande, AnExportOnAFailingDiskLeavesTheOldFileWhole) {
    const QString base = chemin(QStringLiteral("grande.db"));
    ASSERT_EQ(Lancer({"create", base}).code, 0);
    // Enough lines for several writes of the writer's buffer.
    std::string lignes;
    for (int i = 0; i < 3000; ++i) {
        lignes += R"({"file":"ACCORD","id":"K)" + std::to_string(100000 + i) + R"(","record":[")" +
                  std::string(60, 'v') + R"(","041"]})" + "\n";
    }
    ASSERT_EQ(Lancer({"import", base}, lignes).code, 0);
    QTemporaryDir sorties;
    const std::string jsonl = sorties.filePath(QStringLiteral("export.jsonl")).toStdString();
    const int appels = essai::Essayer_Chaque_Panne(jsonl, [&] {
        const auto resultat = Lancer({"export", base, "-o", QString::fromStdString(jsonl)});
        return resultat.code == 0 ? std::string() : resultat.erreurs;
    });
    std::cout << "[          ] export : " << appels << " appels au système essayés en panne\n";
    EXPECT_GE(appels, 13);
    EXPECT_EQ(lireFichier(QString::fromStdString(jsonl)), Lancer({"export", base}).sortie);
}

TEST_F(LigneDeCommande, AnExportRefusesALinkADeviceAFolderAndAReadOnlyFile) {
    const QString base = baseRemplie();
    const auto refus = [&](const QString& sortie, const std::string& cause) {
        const auto resultat = Lancer({"export", base, "-o", sortie});
        EXPECT_EQ(resultat.code, 1) << sortie.toStdString();
        EXPECT_EQ(resultat.erreurs, "erreur : Impossible d'écrire le fichier « " +
                                        sortie.toStdString() + " » : " + cause + ".\n");
    };
    std::ofstream(chemin(QStringLiteral("victime")).toStdString()) << "à garder";
    ASSERT_TRUE(QFile::link(chemin(QStringLiteral("victime")), chemin(QStringLiteral("lien"))));
    refus(chemin(QStringLiteral("lien")),
          "c'est un lien symbolique ; indiquez le fichier lui-même");
    QDir().mkpath(chemin(QStringLiteral("dossier")));
    refus(chemin(QStringLiteral("dossier")), "c'est un dossier");
    std::ofstream(chemin(QStringLiteral("seul")).toStdString()) << "à garder";
    QFile::setPermissions(chemin(QStringLiteral("seul")), QFile::ReadOwner | QFile::ReadOther);
    refus(chemin(QStringLiteral("seul")), "le fichier est en lecture seule");
    refus(chemin(QStringLiteral("absent/export.jsonl")),
          "le dossier « " + chemin(QStringLiteral("absent")).toStdString() + " » n'existe pas");
    EXPECT_EQ(lireFichier(chemin(QStringLiteral("victime"))), "à garder");
    EXPECT_EQ(lireFichier(chemin(QStringLiteral("seul"))), "à garder");

    // Root once replaced the device itself with a regular file.
    refus(QStringLiteral("/dev/null"),
          "ce n'est pas un fichier ordinaire (périphérique, tube ou socket)");
    struct stat etat {};
    ASSERT_EQ(::lstat("/dev/null", &etat), 0);
    EXPECT_TRUE(S_ISCHR(etat.st_mode));
    EXPECT_TRUE(QDir(dossier_.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .filter(QStringLiteral("provisoire"))
                    .isEmpty());
}
