#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <tuple>

#include "BaseEssai.h"
#include "CommandeDemo.h"
#include "DemandeImpression.h"
#include "DonneesRapport.h"
#include "ImpressionQt.h"
#include "PdfRelu.h"
#include "TableauRelu.h"

// The print command of the demo host, run as a program: the PDF it leaves, what it writes
// on its error output and its exit status.

namespace {

using essai::Execution;

Execution Lancer(const QStringList& arguments) {
    return essai::Lancer_Demo(QStringList{"print"} + arguments);
}

// Two legal entities, so that none is chosen by Init and the code must be typed.
std::vector<std::string> DonneesDeMai() {
    auto lignes = essai::Avec(
        essai::AidesDeMai({{"A0001", "ALPHA", "Jean"}, {"B0001", "BETA", "Marie", "R02", "S02"}}));
    lignes.push_back(essai::Ligne("ASSOCIATION", "052", {{1, "AUTRE ENTITE"}}));
    return lignes;
}

class Commande : public ::testing::Test {
  protected:
    QStringList Arguments(const QStringList& autres) const {
        return QStringList{"--db", QString::fromStdString(base.Chemin()), "--sortie", pdf} + autres;
    }

    essai::BaseEssai base{DonneesDeMai()};
    QTemporaryDir dossier;
    QString pdf = dossier.filePath(QStringLiteral("liste.pdf"));
};

// The list in the PDF file, the legal entity typed short as a person types it (completed when
// the box is left); the table files, their kind chosen by the output file's extension, hold the
// lines of the PDF under the grouping asked.
TEST_F(Commande, UneListeImprimeeDansLeFichierSortAvec0) {
    const Execution execution = Lancer(Arguments({"--entite", "41", "--mois", "2018-05"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    EXPECT_TRUE(execution.erreurs.isEmpty()) << execution.erreurs.toStdString();
    const QStringList lignes = essai::LignesDuPdf(pdf);
    EXPECT_EQ(lignes.filter("LISTE DES ACCORDS NON RENOUVELES").size(), 2);
    EXPECT_EQ(lignes.filter(QRegularExpression("^Date : ../../.... Page : 2$")).size(), 1);
    for (const char* ligne :
         {"SUR MAI 2018", "CODE NOM PRENOM AIDE ORGANISME DE PRISE EN CHARGE FIN ACCORD",
          "Responsable : DUPONT Jean", "Responsable : MARTIN Anne"}) {
        EXPECT_TRUE(lignes.contains(ligne)) << ligne;
    }
    const QString csv = dossier.filePath(QStringLiteral("liste.csv"));
    const QString xlsx = dossier.filePath(QStringLiteral("liste.xlsx"));
    for (const QString& fichier : {csv, xlsx}) {
        const Execution tableau =
            Lancer({"--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
                    "2018-05", "--par", "commune", "--sortie", fichier});
        ASSERT_EQ(tableau.code, 0) << tableau.erreurs.toStdString();
    }
    essai::Rangees rangees = essai::Lire_Csv(csv.toStdString());
    essai::Rangees feuille = essai::Lire_Feuille_Xlsx(xlsx.toStdString(), 1);
    ASSERT_EQ(rangees.size(), 3U);
    ASSERT_EQ(feuille.size(), 11U);
    for (std::size_t rang = 1; rang < rangees.size(); ++rang) {
        auto& r = rangees[rang];
        EXPECT_EQ(r.at(0), "75056");
        r.at(5) = essai::Date_Csv_Sur_La_Page(r.at(5));
        EXPECT_TRUE(
            lignes.contains(QString::fromStdString(r[2] + " " + r[3] + " " + r[4] + " " + r[5])))
            << r[2];
        EXPECT_EQ(
            std::vector<std::string>(feuille[rang + 8].begin(), feuille[rang + 8].begin() + 6),
            std::vector<std::string>(r.begin(), r.begin() + 6));
    }
}

// The criteria and the copies asked; --par may repeat the grouping of the code given.
TEST_F(Commande, LesCriteresEtLesExemplairesSontCeuxDemandes) {
    const Execution execution =
        Lancer(Arguments({"--entite", "041", "--secteur", "S02", "--par", "secteur", "--mois",
                          "2018-05", "--copies", "2"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const QString texte = essai::LignesDuPdf(pdf).join('\n');
    EXPECT_EQ(texte.count("Secteur : SUD"), 2);
    EXPECT_EQ(texte.count("Page : 1"), 2);
    EXPECT_FALSE(texte.contains("ALPHA"));
}

TEST_F(Commande, RienAImprimerSortAvec1EtLeMessageDuControle) {
    const Execution execution = Lancer(Arguments({"--entite", "041", "--mois", "2018-04"}));
    EXPECT_EQ(execution.code, 1);
    EXPECT_EQ(execution.erreurs,
              "Message KORVANE : Aucun accord correspondant aux critères sélectionnés.");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(Commande, UneDemandeMalFormeeOuImpossibleSortAvec2) {
    const QList<std::pair<QStringList, QString>> cas{
        {{"--mois", "2018-05"}, "L'option --entite est obligatoire."},
        {{"--entite", "041", "--mois", "2018-13"},
         "Mois invalide : « 2018-13 » (attendu AAAA-MM, courant, precedent, +N ou -N)."},
        {{"--entite", "041", "--mois", "2018-05\n"},
         "Mois invalide : « 2018-05\n » (attendu AAAA-MM, courant, precedent, +N ou -N)."},
        {{"--entite", "041", "--mois", "2018-05", "--par", "rue"},
         "Regroupement inconnu : « rue » (responsable, secteur ou commune)."},
        {{"--entite", "041", "--mois", "2018-05", "--secteur", "S01", "--commune", "75056"},
         "--responsable, --secteur et --commune s'excluent."},
        {{"--entite", "041", "--mois", "2018-05", "--secteur", "S02", "--par", "responsable"},
         "--par responsable contredit le code de regroupement donné."},
        {{"--entite", "041", "--mois", "2018-05", "--copies", "0"},
         "Nombre d'exemplaires invalide : « 0 » (de 1 à 999)."},
        {{"--entite", "041", "--mois", "2018-05", "--copies", " 2"},
         "Nombre d'exemplaires invalide : «  2 » (de 1 à 999)."},
        {{"--entite", "041", "--mois", "2018-05", "--copies", "2\n"},
         "Nombre d'exemplaires invalide : « 2\n » (de 1 à 999)."},
        {{"--entite", "0411", "--mois", "2018-05"},
         "Le code « 041… » est trop long : 3 caractères au plus."},
        {{"--entite", "041", "--activite", QString(100000, '1'), "--mois", "2018-05"},
         "Le code « 111… » est trop long : 3 caractères au plus."},
        {{"--entité", "041", "--mois", "2018-05"}, "Option inconnue : --entité (voir --help)."},
        {{"--entite", "041", "--mois"}, "Il manque la valeur de l'option --mois."},
        {{"--entite", "041", "--mois", "2018-05", "--sortie", "/nulle/part/liste.pdf"},
         "Le dossier « /nulle/part » n'existe pas."},
        {{"--entite", "041", "--mois", "2018-05", "--sortie", "liste.txt"},
         "Extension inconnue pour --sortie : « liste.txt » (.pdf, .xlsx ou .csv)."},
        {{"--entite", "041", "--mois", "2018-05", "--imprimante", "Nulle part"},
         "--sortie et --imprimante s'excluent."},
        {{"--entite", "041"}, "L'option --mois, ou --du et --au, est obligatoire."},
        {{"--entite", "041", "--mois", "2018-05", "--du", "2018-05", "--au", "2018-06"},
         "--mois et --du/--au s'excluent."},
        {{"--entite", "041", "--mois", "2018-05", "--au", "2018-06"},
         "--mois et --du/--au s'excluent."},
        {{"--entite", "041", "--du", "2018-05"},
         "--du et --au vont ensemble : l'option --au manque."},
        {{"--entite", "041", "--au", "2018-05"},
         "--du et --au vont ensemble : l'option --du manque."},
        {{"--entite", "041", "--du", "2018-06", "--au", "2018-05"},
         "Période inversée : --au 2018-05 précède --du 2018-06."},
        {{"--entite", "041", "--du", "2018-05", "--au", "2020-05"},
         "Période trop longue : 25 mois de 2018-05 à 2020-05 (24 au plus)."},
        {{"--entite", "041", "--du", "+1", "--au", "2018-13"},
         "Mois invalide : « 2018-13 » (attendu AAAA-MM, courant, precedent, +N ou -N)."},
        {{"--entite", "041", "--mois", "0000-01"},
         "Mois hors des dates possibles : « 0000-01 » (de 0001-01 à 9999-12)."},
        {{"--entite", "041", "--du", "0000-12", "--au", "2026-12"},
         "Mois hors des dates possibles : « 0000-12 » (de 0001-01 à 9999-12)."},
        {{"--entite", "041", "--du", "0001-01", "--au", "0001-02"},
         "Le mois 0001-01 est hors de portée du sélecteur de période."},
        {{"--entite", "041", "--du", "+ 1", "--au", "+2"},
         "Mois invalide : « + 1 » (attendu AAAA-MM, courant, precedent, +N ou -N)."},
        // What the rights refuse is said with whose rights they are.
        {{"--login", "inconnu", "--entite", "041", "--mois", "2018-05"},
         "Utilisateur inconnu : « inconnu ». Sans droits, l'impression n'est pas possible."},
        {{"--login", "secteur1", "--entite", "041", "--secteur", "S02", "--mois", "2018-05"},
         "Le secteur « S02 » est refusé par les droits de l'utilisateur « secteur1 »."},
    };
    for (const auto& [arguments, message] : cas) {
        const Execution execution = Lancer(Arguments(arguments));
        EXPECT_EQ(execution.code, 2) << message.toStdString();
        EXPECT_EQ(execution.erreurs, message);
    }
    const Execution absente =
        Lancer({"--db", "/nulle/part.db", "--entite", "041", "--mois", "2018-05", "--sortie", pdf});
    EXPECT_EQ(absente.code, 2);
    EXPECT_EQ(absente.erreurs, "Base de données introuvable : /nulle/part.db");
    EXPECT_FALSE(QFile::exists(pdf));
}

// The months of --mois, --du and --au counted from today's.
TEST(DemandeImpression, LesMoisSeComptentDepuisCeluiDAujourdhui) {
    const QDate aujourdhui(2026, 1, 31);
    const auto lire = [&](const QString& du, const QString& au) {
        demo::OptionsImpression options;
        options.entite = QStringLiteral("041");
        (au.isEmpty() ? options.mois : options.du) = du;
        options.au = au;
        const demo::DemandeImpression demande = demo::Lire_Demande(options, {}, aujourdhui, false);
        return std::tuple{demande.annee, demande.mois, demande.moisImprimes};
    };
    EXPECT_EQ(lire("courant", ""), std::tuple(2026, 1, 1));
    EXPECT_EQ(lire("precedent", ""), std::tuple(2025, 12, 1));
    EXPECT_EQ(lire("+1", ""), std::tuple(2026, 2, 1));
    EXPECT_EQ(lire("-13", ""), std::tuple(2024, 12, 1));
    EXPECT_EQ(lire("2018-05", ""), std::tuple(2018, 5, 1));
    EXPECT_EQ(lire("courant", "+2"), std::tuple(2026, 1, 3));
    EXPECT_EQ(lire("-6", "precedent"), std::tuple(2025, 7, 6));
    EXPECT_EQ(lire("2025-11", "courant"), std::tuple(2025, 11, 3));
    EXPECT_EQ(lire("-23", "courant"), std::tuple(2024, 2, 24));
    EXPECT_EQ(lire("courant", "courant"), std::tuple(2026, 1, 1));
}

// The explanation, asked of the program: printed where the PDF has the line, in French or JSON.
TEST_F(Commande, LExplicationDitOuLaLigneEstImprimee) {
    const auto expliquer = [&](const QStringList& autres) {
        const Execution explique = essai::Lancer_Demo(
            QStringList{"explique", "--db", QString::fromStdString(base.Chemin()), "--entite",
                        "041", "--mois", "2018-05"} +
            autres);
        EXPECT_EQ(explique.code, 0) << explique.erreurs.toStdString();
        return explique.sortie.join('\n');
    };
    EXPECT_TRUE(expliquer({"--aide", "B0001"}).contains("Verdict : imprimé page 2, ligne 1"));
    const QString json = expliquer({"--aide", "A0001", "--accord", "A0001001", "--json"});
    EXPECT_TRUE(json.contains("\"verdict\": \"imprimé page 1, ligne 1\""));
    EXPECT_TRUE(json.contains("\"imprime\": true"));
}

// Started without a session's runtime folder (by cron, a service, a shell without a login
// session), the programs still write nothing on their error output, not even a note of the
// toolkit, and leave no folder behind.
TEST_F(Commande, SansDossierDExecutionLesProgrammesNEcriventRienSurLeurSortieDErreur) {
    QTemporaryDir temporaire;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.remove("XDG_RUNTIME_DIR");
    environnement.insert("TMPDIR", temporaire.path());
    environnement.insert("QT_QPA_PLATFORM", "offscreen");
    const QString chemin = QString::fromStdString(base.Chemin());
    const QStringList mai{"--db", chemin, "--entite", "041", "--mois", "2018-05"};
    const QList<std::pair<QString, QStringList>> lancements{
        {ARDOINE_DEMO, QStringList{"print"} + mai + QStringList{"--sortie", pdf}},
        {ARDOINE_DEMO, QStringList{"explique"} + mai + QStringList{"--aide", "A0001"}},
        {ARDOINE_DEMO, {"--db", chemin, "--screenshot", dossier.filePath("formulaire.png")}},
        {ARDOINE_DB_PROGRAMME, {"select", chemin, "SSELECT ACCORD"}},
    };
    for (const auto& [programme, arguments] : lancements) {
        QProcess lance;
        lance.setProcessEnvironment(environnement);
        lance.start(programme, arguments);
        ASSERT_TRUE(lance.waitForFinished(60000));
        const std::string appel = arguments.join(' ').toStdString();
        EXPECT_EQ(lance.exitCode(), 0) << appel;
        EXPECT_EQ(QString::fromUtf8(lance.readAllStandardError()), QString()) << appel;
    }
    EXPECT_EQ(QDir(temporaire.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{});
}

// A temporary folder that is not there (TMPDIR naming a missing folder, or a file), or where
// no file can be made: the pages waiting in a PDF and the workbook's private folder both need
// one; the print stops on a French message that names it, and writes nothing.
TEST_F(Commande, UnDossierTemporaireIntrouvableEstNommeEnFrancais) {
    const QString absent = dossier.filePath("absent");
    const QString fichier = dossier.filePath("fichier");
    ASSERT_TRUE(QFile(fichier).open(QIODevice::WriteOnly));
    const QString classeur = dossier.filePath("liste.xlsx");
    const QList<std::tuple<QString, QString, QStringList>> cas{
        {absent,
         "Le dossier temporaire « " + absent + " » n'existe pas (variable TMPDIR).",
         {pdf, classeur}},
        {fichier,
         "Le dossier temporaire « " + fichier + " » n'est pas un dossier (variable TMPDIR).",
         {pdf, classeur}},
        {"/proc",
         "Impossible de garder les pages en attente d'impression dans « /proc » : ",
         {pdf}},
    };
    for (const auto& [temporaire, message, sorties] : cas) {
        for (const QString& sortie : sorties) {
            SCOPED_TRACE((temporaire + " " + sortie).toStdString());
            QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
            environnement.insert("TMPDIR", temporaire);
            QProcess lance;
            lance.setProcessEnvironment(environnement);
            lance.start(ARDOINE_DEMO,
                        QStringList{"print", "--db", QString::fromStdString(base.Chemin()),
                                    "--sortie", sortie, "--entite", "41", "--mois", "2018-05"});
            ASSERT_TRUE(lance.waitForFinished(60000));
            const QString erreurs = QString::fromUtf8(lance.readAllStandardError());
            EXPECT_EQ(lance.exitCode(), 2);
            EXPECT_TRUE(erreurs.contains(message)) << erreurs.toStdString();
            EXPECT_FALSE(QFileInfo::exists(sortie));
        }
    }
}

// What the print writes over: only a plain file the user may write, replaced whole; a link, a
// pipe (a device alike), a folder or a read-only file is refused and left as it was.
class SortieFichier : public Commande {
  protected:
    Execution Imprimer_Dans(const QString& fichier) {
        return Lancer({"--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
                       "2018-05", "--par", "commune", "--sortie", fichier});
    }

    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }

    static QByteArray Contenu(const QString& fichier) {
        QFile entree(fichier);
        return entree.open(QIODevice::ReadOnly) ? entree.readAll() : QByteArray();
    }

    static void Ecrire(const QString& fichier, const QByteArray& contenu) {
        QFile sortie(fichier);
        ASSERT_TRUE(sortie.open(QIODevice::WriteOnly));
        sortie.write(contenu);
    }

    static mode_t Mode(const QString& fichier) {
        struct stat etat {};
        ::lstat(fichier.toLocal8Bit().constData(), &etat);
        return etat.st_mode;
    }

    // Nothing but these names in the folder: no provisional file left behind.
    void Verifier_Dossier(QStringList noms) const {
        noms.sort();
        EXPECT_EQ(
            QDir(dossier.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Name),
            noms);
    }

    void Verifier_Refus(const QString& fichier, const QString& cause) {
        const Execution execution = Imprimer_Dans(fichier);
        EXPECT_EQ(execution.code, 2) << fichier.toStdString();
        EXPECT_TRUE(execution.erreurs.contains(
            QStringLiteral("Impossible d'écrire le fichier « %1 » : %2.").arg(fichier, cause)))
            << execution.erreurs.toStdString();
    }

    const QStringList extensions{"csv", "xlsx", "pdf"};
};

TEST_F(SortieFichier, UnLienUnPeripheriqueUnTubeOuUnFichierEnLectureSeuleSontRefusesIntacts) {
    QStringList noms;
    for (const QString& extension : extensions) {
        SCOPED_TRACE(extension.toStdString());
        const QString victime = Chemin("victime." + extension);
        Ecrire(victime, "à garder");
        const QString lien = Chemin("lien." + extension);
        ASSERT_TRUE(QFile::link(victime, lien));
        Verifier_Refus(lien, "c'est un lien symbolique ; indiquez le fichier lui-même");
        EXPECT_EQ(Contenu(victime), "à garder");
        EXPECT_TRUE(S_ISLNK(Mode(lien)));

        const QString seul = Chemin("seul." + extension);
        Ecrire(seul, "à garder");
        ::chmod(seul.toLocal8Bit().constData(), 0444);
        Verifier_Refus(seul, "le fichier est en lecture seule");
        EXPECT_EQ(Contenu(seul), "à garder");

        const QString tube = Chemin("tube." + extension);
        ASSERT_EQ(::mkfifo(tube.toLocal8Bit().constData(), 0644), 0);
        Verifier_Refus(tube, "ce n'est pas un fichier ordinaire (périphérique, tube ou socket)");
        EXPECT_TRUE(S_ISFIFO(Mode(tube)));
        const QString sousDossier = Chemin("dossier." + extension);
        QDir().mkpath(sousDossier);
        const Execution execution = Imprimer_Dans(sousDossier);
        EXPECT_EQ(execution.code, 2);
        EXPECT_EQ(execution.erreurs,
                  QStringLiteral("« %1 » est un dossier, pas un fichier.").arg(sousDossier));
        EXPECT_TRUE(QFileInfo(sousDossier).isDir());
        noms << "victime." + extension << "lien." + extension << "seul." + extension
             << "tube." + extension << "dossier." + extension;
    }
    Verifier_Dossier(noms);
}

TEST_F(SortieFichier, UnFichierRemplaceGardeSesPermissionsUnNouveauSuitLeMasque) {
    const mode_t masque = ::umask(027);
    for (const QString& extension : extensions) {
        SCOPED_TRACE(extension.toStdString());
        const QString ancien = Chemin("ancien." + extension);
        Ecrire(ancien, "ancien");
        ::chmod(ancien.toLocal8Bit().constData(), 0604);
        ASSERT_EQ(Imprimer_Dans(ancien).code, 0);
        EXPECT_NE(Contenu(ancien), "ancien");
        EXPECT_EQ(Mode(ancien) & 07777, 0604U);

        const QString nouveau = Chemin("nouveau." + extension);
        ASSERT_EQ(Imprimer_Dans(nouveau).code, 0);
        EXPECT_EQ(Mode(nouveau) & 07777, 0640U);
    }
    ::umask(masque);
}

}  // namespace
