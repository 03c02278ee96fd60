#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>

#include "BaseEssai.h"
#include "DemandeImpression.h"
#include "DonneesRapport.h"
#include "ImpressionQt.h"
#include "PdfRelu.h"
#include "TableauRelu.h"

// The print command of the demo host, run as a program: the PDF it leaves, what it writes
// on its error output and its exit status.

namespace {

struct Execution {
    int code;
    QString erreurs;
};

// What the program wrote on its error output.
QString Erreurs(QProcess& programme) {
    return QString::fromUtf8(programme.readAllStandardError()).trimmed();
}

Execution Lancer(const QStringList& arguments) {
    QProcess demo;
    demo.start(QStringLiteral(ARDOINE_DEMO), QStringList{"print"} + arguments);
    demo.waitForFinished(60000);
    return {demo.exitCode(), Erreurs(demo)};
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

TEST_F(Commande, UneListeImprimeeDansLeFichierPdfSortAvec0) {
    const Execution execution = Lancer(Arguments({"--entite", "041", "--mois", "2018-05"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    EXPECT_TRUE(execution.erreurs.isEmpty()) << execution.erreurs.toStdString();
    const QString texte = essai::LignesDuPdf(pdf).join('\n');
    EXPECT_TRUE(texte.contains("SUR MAI 2018"));
    EXPECT_TRUE(texte.contains("A0001 ALPHA Jean CONSEIL DEPARTEMENTAL 31/05/2018"));
    EXPECT_TRUE(texte.contains("B0001 BETA Marie CONSEIL DEPARTEMENTAL 31/05/2018"));
}

TEST_F(Commande, LesCriteresEtLesExemplairesSontCeuxDemandes) {
    const Execution execution = Lancer(
        Arguments({"--entite", "041", "--secteur", "S02", "--mois", "2018-05", "--copies", "2"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const QString texte = essai::LignesDuPdf(pdf).join('\n');
    EXPECT_EQ(texte.count("Secteur : SUD"), 2);
    EXPECT_EQ(texte.count("Page : 1"), 2);
    EXPECT_FALSE(texte.contains("ALPHA"));
}

// Codes typed as a person types them: a short one is completed when the box is left.
TEST_F(Commande, UnCodeCourtEstCompleteCommeAuFormulaire) {
    const Execution execution = Lancer(Arguments({"--entite", "41", "--mois", "2018-05"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const QString texte = essai::LignesDuPdf(pdf).join('\n');
    EXPECT_TRUE(texte.contains("A0001 ALPHA Jean CONSEIL DEPARTEMENTAL 31/05/2018"));
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
        {{"--entite", "041", "--du", "+ 1", "--au", "+2"},
         "Mois invalide : « + 1 » (attendu AAAA-MM, courant, precedent, +N ou -N)."},
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

// A range prints its schedule, then each month's list; the longest range is two years.
TEST_F(Commande, UnePeriodeImprimeLEcheancierPuisChaqueMois) {
    const Execution execution =
        Lancer(Arguments({"--entite", "041", "--du", "2018-04", "--au", "2018-05"}));
    ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    const QStringList lignes = essai::LignesDuPdf(pdf);
    // The schedule, then May's page of each manager; April has no line.
    ASSERT_EQ(essai::PagesDuPdf(pdf), 3);
    EXPECT_EQ(lignes.value(1), "ECHEANCIER");
    EXPECT_EQ(lignes.value(2), "DE AVRIL 2018 A MAI 2018");
    EXPECT_TRUE(lignes.contains("Total : 2 accords non renouvelés"));
    EXPECT_TRUE(lignes.contains("TOTAL 0 2 2"));
    EXPECT_TRUE(lignes.contains("SUR MAI 2018"));
    EXPECT_FALSE(lignes.contains("SUR AVRIL 2018"));

    const Execution longue =
        Lancer(Arguments({"--entite", "041", "--du", "2018-05", "--au", "2020-04"}));
    ASSERT_EQ(longue.code, 0) << longue.erreurs.toStdString();
    EXPECT_TRUE(essai::LignesDuPdf(pdf).contains("DE MAI 2018 A AVRIL 2020"));

    const Execution vide =
        Lancer(Arguments({"--entite", "041", "--du", "2018-06", "--au", "2018-07"}));
    EXPECT_EQ(vide.code, 1);
    EXPECT_EQ(vide.erreurs,
              "Message KORVANE : Aucun accord correspondant aux critères sélectionnés.");
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

// The output file's extension chooses its kind; the table files hold the lines of the PDF.
TEST_F(Commande, LaSortieSeChoisitParSonExtension) {
    ASSERT_EQ(Lancer(Arguments({"--entite", "041", "--mois", "2018-05"})).code, 0);
    const QStringList lignes = essai::LignesDuPdf(pdf);
    const QString csv = dossier.filePath(QStringLiteral("liste.csv"));
    const QString xlsx = dossier.filePath(QStringLiteral("liste.xlsx"));
    for (const QString& fichier : {csv, xlsx}) {
        const Execution execution =
            Lancer({"--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
                    "2018-05", "--sortie", fichier});
        ASSERT_EQ(execution.code, 0) << execution.erreurs.toStdString();
    }
    essai::Rangees rangees = essai::Lire_Csv(csv.toStdString());
    essai::Rangees feuille = essai::Lire_Feuille_Xlsx(xlsx.toStdString(), 1);
    ASSERT_EQ(rangees.size(), 3U);
    ASSERT_EQ(feuille.size(), 11U);
    for (std::size_t rang = 1; rang < rangees.size(); ++rang) {
        auto& r = rangees[rang];
        r.at(5) = essai::Date_Csv_Sur_La_Page(r.at(5));
        EXPECT_TRUE(
            lignes.contains(QString::fromStdString(r[2] + " " + r[3] + " " + r[4] + " " + r[5])))
            << r[2];
        EXPECT_EQ(
            std::vector<std::string>(feuille[rang + 8].begin(), feuille[rang + 8].begin() + 6),
            std::vector<std::string>(r.begin(), r.begin() + 6));
    }
}

// The explanation, asked of the program: printed where the PDF has the line, in French or JSON.
TEST_F(Commande, LExplicationDitOuLaLigneEstImprimee) {
    const auto expliquer = [&](const QStringList& autres) {
        QProcess demo;
        demo.start(QStringLiteral(ARDOINE_DEMO),
                   QStringList{"explique", "--db", QString::fromStdString(base.Chemin()),
                               "--entite", "041", "--mois", "2018-05"} +
                       autres);
        demo.waitForFinished(60000);
        EXPECT_EQ(demo.exitCode(), 0) << Erreurs(demo).toStdString();
        return QString::fromUtf8(demo.readAllStandardOutput());
    };
    EXPECT_TRUE(expliquer({"--aide", "B0001"}).contains("Verdict : imprimé page 2, ligne 1"));
    const QString json = expliquer({"--aide", "A0001", "--accord", "A0001001", "--json"});
    EXPECT_TRUE(json.contains("\"verdict\": \"imprimé page 1, ligne 1\""));
    EXPECT_TRUE(json.contains("\"imprime\": true"));
}

// What the rights refuse is said with whose rights they are.
TEST_F(Commande, UnUtilisateurInconnuOuUnSecteurInterditSortentAvec2) {
    const QList<std::pair<QStringList, QString>> cas{
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

// What the print writes over: only a plain file the user may write, replaced whole; a link, a
// device, a pipe, a folder or a read-only file is refused and left as it was.
class SortieFichier : public Commande {
  protected:
    Execution Imprimer_Dans(const QString& fichier) {
        return Lancer({"--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
                       "2018-05", "--sortie", fichier});
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
    const bool racine = ::geteuid() == 0;
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

        // A device node such as /dev/null (only root makes one).
        if (racine) {
            const QString peripherique = Chemin("nul." + extension);
            ASSERT_EQ(
                ::mknod(peripherique.toLocal8Bit().constData(), S_IFCHR | 0666, ::makedev(1, 3)),
                0);
            Verifier_Refus(peripherique,
                           "ce n'est pas un fichier ordinaire (périphérique, tube ou socket)");
            EXPECT_TRUE(S_ISCHR(Mode(peripherique)));
            noms << "nul." + extension;
        }
    }
    Verifier_Dossier(noms);
}

// A link planted where the workbook used to be written first makes no file overwritten.
TEST_F(SortieFichier, UnLienPlanteAuNomProvisoireNEstPasSuivi) {
    const QString victime = Chemin("victime");
    Ecrire(victime, "à garder");
    for (const QString& extension : extensions) {
        const QString lien = Chemin(".liste." + extension + ".part");
        ASSERT_TRUE(QFile::link(victime, lien));
        const Execution execution = Imprimer_Dans(Chemin("liste." + extension));
        EXPECT_EQ(execution.code, 0) << execution.erreurs.toStdString();
        EXPECT_EQ(Contenu(victime), "à garder");
        EXPECT_TRUE(S_ISLNK(Mode(lien)));
    }
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

// A real full disk: a small file system of its own, filled up (root only mounts one).
TEST_F(SortieFichier, UnDisquePleinLaisseLaListeDuMoisDernierEntiere) {
    const QString plein = Chemin("plein");
    QDir().mkpath(plein);
    if (::mount("tmpfs", plein.toLocal8Bit().constData(), "tmpfs", 0, "size=512k") != 0) {
        GTEST_SKIP() << "pas de système de fichiers à monter ici";
    }
    const std::shared_ptr<void> demonte(nullptr,
                                        [&](void*) { ::umount(plein.toLocal8Bit().constData()); });
    std::vector<QString> fichiers;
    for (const QString& extension : extensions) {
        fichiers.push_back(plein + "/liste." + extension);
        Ecrire(fichiers.back(), "la liste du mois dernier");
    }
    {
        std::ofstream remplissage((plein + "/remplissage").toStdString(), std::ios::binary);
        const std::string bloc(4096, 'x');
        while (remplissage.write(bloc.data(), static_cast<std::streamsize>(bloc.size())) &&
               remplissage.flush()) {
        }
    }
    for (const QString& fichier : fichiers) {
        Verifier_Refus(fichier, "le disque est plein");
        EXPECT_EQ(Contenu(fichier), "la liste du mois dernier");
    }
    EXPECT_EQ(
        QDir(plein).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
        (QStringList{"liste.csv", "liste.pdf", "liste.xlsx", "remplissage"}));
}

}  // namespace
