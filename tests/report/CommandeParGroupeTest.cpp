#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <map>

#include "BaseEssai.h"
#include "CommandeDemo.h"
#include "DonneesRapport.h"
#include "PdfRelu.h"
#include "TableauRelu.h"
#include "outils/AppelsFichier.h"
#include "outils/FichierEntier.h"
#include "outils/LotDeFichiers.h"

// The print command asked for one file per group: the files it leaves, the names it writes on
// its standard output, what it refuses, and the folder after a run that fails or is stopped.

namespace {

using essai::Execution;

// Two managers; in June, one more line, of the second manager.
std::vector<std::string> Donnees() {
    std::vector<std::string> lignes = essai::AidesDeMai({{"A0001", "ALPHA", "Jean", "R01"},
                                                         {"B0001", "BETA", "Marie", "R02"},
                                                         {"C0001", "GAMMA", "Paul", "R01"}});
    lignes.push_back(essai::Aide({"D0001", "DELTA", "Léa", "R02"}));
    lignes.push_back(essai::LigneAccord(
        {"D0001001", essai::TexteJour(2017, 7, 1), essai::TexteJour(2018, 6, 30)}));
    return essai::Avec(lignes);
}

const QStringList Mai{"--mois", "2018-05"};
const QStringList MaiJuin{"--du", "2018-05", "--au", "2018-06"};

class CommandeParGroupe : public ::testing::Test {
  protected:
    Execution Lancer(const QStringList& arguments, const QStringList& periode = Mai) const {
        return essai::Lancer_Demo(
            QStringList{"print", "--db", QString::fromStdString(base.Chemin()), "--entite", "041"} +
            periode + arguments);
    }

    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }

    QStringList Contenu() const {
        return QDir(dossier.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    essai::BaseEssai base{Donnees()};
    QTemporaryDir dossier;
};

// Several months: each manager's PDF opens on that manager's schedule, then holds month after
// month the pages of that manager's own list of the range, and with two copies all that twice;
// a table file holds the range's rows of its manager, in their order, and a workbook that
// manager's schedule.
TEST_F(CommandeParGroupe, UnePeriodeDonneAChaqueResponsableSonEcheancierPuisSesMois) {
    const Execution groupes =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("p.pdf")}, MaiJuin);
    ASSERT_EQ(groupes.code, 0) << groupes.erreurs.toStdString();
    EXPECT_EQ(groupes.erreurs, QString());
    // The names come out in the order of the managers, in full.
    ASSERT_EQ(groupes.sortie, (QStringList{Chemin("p-R01.pdf"), Chemin("p-R02.pdf")}));
    for (int rang : {0, 1}) {
        const QString responsable = rang == 0 ? "R01" : "R02";
        SCOPED_TRACE(responsable.toStdString());
        const QString seul = Chemin("seul-" + responsable + ".pdf");
        ASSERT_EQ(Lancer({"--responsable", responsable, "--sortie", seul}, MaiJuin).code, 0);
        const QString fichier = groupes.sortie[rang];
        EXPECT_EQ(essai::PagesDuPdf(fichier), essai::PagesDuPdf(seul));
        EXPECT_EQ(essai::LignesDuPdf(fichier, true, 2), essai::LignesDuPdf(seul, true, 2));
        const QString echeancier = essai::LignesDuPdf(fichier, true, 1, 1).join('\n');
        EXPECT_TRUE(echeancier.contains("ECHEANCIER")) << echeancier.toStdString();
        // The manager's own counts, May then June, and no other manager's.
        EXPECT_TRUE(echeancier.contains(rang == 0 ? "TOTAL 2 0 2" : "TOTAL 1 1 2"))
            << echeancier.toStdString();
        EXPECT_FALSE(echeancier.contains(rang == 0 ? "\nR02 " : "\nR01 "))
            << echeancier.toStdString();
    }
    const Execution copies =
        Lancer({"--un-fichier-par-groupe", "--copies", "2", "--sortie", Chemin("c.pdf")}, MaiJuin);
    ASSERT_EQ(copies.code, 0) << copies.erreurs.toStdString();
    ASSERT_EQ(copies.sortie.size(), 2);
    for (int rang : {0, 1}) {
        const QString exemplaire = essai::LignesDuPdf(groupes.sortie[rang]).join('\n');
        EXPECT_EQ(essai::LignesDuPdf(copies.sortie[rang]).join('\n').toStdString(),
                  (exemplaire + '\n' + exemplaire).toStdString());
    }

    const Execution classeurs =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("p.xlsx")}, MaiJuin);
    ASSERT_EQ(classeurs.code, 0) << classeurs.erreurs.toStdString();
    ASSERT_EQ(classeurs.sortie.size(), 2);
    const essai::Rangees debut{{"ECHEANCIER"},
                               {"DE MAI 2018 A JUIN 2018"},
                               {},
                               {"Code groupe", "Groupe", "MAI 2018", "JUIN 2018", "Total"}};
    essai::Rangees r01 = debut;
    r01.insert(r01.end(), {{"R01", "DUPONT Jean", "2", "0", "2"}, {"Total", "", "2", "0", "2"}});
    essai::Rangees r02 = debut;
    r02.insert(r02.end(), {{"R02", "MARTIN Anne", "1", "1", "2"}, {"Total", "", "1", "1", "2"}});
    EXPECT_EQ(essai::Lire_Feuille_Xlsx(classeurs.sortie[0].toStdString(), 3), r01);
    EXPECT_EQ(essai::Lire_Feuille_Xlsx(classeurs.sortie[1].toStdString(), 3), r02);
    // Each workbook counts its own group's lines only.
    for (const QString& classeur : classeurs.sortie) {
        EXPECT_EQ(essai::Lire_Feuille_Xlsx(classeur.toStdString(), 2).back(),
                  (std::vector<std::string>{"Total", "", "2"}));
    }

    const QString range = Chemin("periode.csv");
    ASSERT_EQ(Lancer({"--sortie", range}, MaiJuin).code, 0);
    const Execution tableaux =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("p.csv")}, MaiJuin);
    ASSERT_EQ(tableaux.code, 0) << tableaux.erreurs.toStdString();
    ASSERT_EQ(tableaux.sortie.size(), 2);
    const essai::Rangees toutes = essai::Lire_Csv(range.toStdString());
    for (int rang : {0, 1}) {
        essai::Rangees attendues{toutes.front()};
        for (const auto& rangee : toutes) {
            if (rangee.front() == (rang == 0 ? "R01" : "R02")) {
                attendues.push_back(rangee);
            }
        }
        EXPECT_EQ(essai::Lire_Csv(tableaux.sortie[rang].toStdString()), attendues);
    }
}

// Without a file that can take the groups' codes, or with a printer, nothing is printed; nor
// is anything for a month without lines.
TEST_F(CommandeParGroupe, SansFichierANommerParGroupeLaCommandeRefuseEtSortAvec2) {
    const QString demandeSortie =
        "--un-fichier-par-groupe demande --sortie DOSSIER/NOM.ext (pdf, xlsx ou csv) : chaque "
        "fichier s'appelle DOSSIER/NOM-<code du groupe>.ext.";
    const QList<std::pair<QStringList, QString>> cas{
        {{}, demandeSortie},
        {{"--sortie", Chemin(".pdf")}, demandeSortie},
        {{"--sortie", Chemin("liste")}, demandeSortie},
        {{"--sortie", Chemin("liste.")}, demandeSortie},
        {{"--sortie", dossier.path() + "/"}, demandeSortie},
        {{"--imprimante", "PDF"},
         "--un-fichier-par-groupe n'écrit que des fichiers : il exclut --imprimante."},
        {{"--sortie", Chemin("liste.pdf"), "--imprimante", "PDF"},
         "--un-fichier-par-groupe n'écrit que des fichiers : il exclut --imprimante."},
        {{"--sortie", Chemin("liste.txt")},
         "Extension inconnue pour --sortie : « " + Chemin("liste.txt") +
             " » (.pdf, .xlsx ou .csv)."},
    };
    for (const auto& [arguments, message] : cas) {
        const Execution execution = Lancer(QStringList{"--un-fichier-par-groupe"} + arguments);
        EXPECT_EQ(execution.code, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(execution.erreurs, message);
        EXPECT_EQ(execution.sortie, QStringList{});
    }
    // A month without lines writes nothing and says so, as the single list does.
    const Execution avril =
        Lancer({"--un-fichier-par-groupe", "--sortie", Chemin("liste.csv")}, {"--mois", "2018-04"});
    EXPECT_EQ(avril.code, 1);
    EXPECT_EQ(avril.sortie, QStringList{});
    EXPECT_EQ(Contenu(), QStringList{});

    const Execution explique = essai::Lancer_Demo(
        {"explique", "--db", QString::fromStdString(base.Chemin()), "--entite", "041", "--mois",
         "2018-05", "--aide", "A0001", "--un-fichier-par-groupe"});
    EXPECT_EQ(explique.code, 2);
    EXPECT_EQ(explique.erreurs,
              "La commande « explique » n'imprime rien : ni --sortie, ni --imprimante, ni "
              "--un-fichier-par-groupe.");
}

// Many communes, coded C00001 on, and a last one whose code makes a long name.
std::vector<std::string> Communes(int nombre) {
    std::vector<essai::Personne> personnes = essai::Serie(nombre);
    for (essai::Personne& personne : personnes) {
        personne.commune = "C" + personne.code;
    }
    personnes.push_back({"99999", "DERNIER", "Long", "R01", "S01", "Z" + std::string(60, 'Z')});
    return essai::Avec(essai::AidesDeMai(personnes));
}

// Every entry of a folder, hidden ones included, with its state: a file's mode and bytes, a
// folder, a link's target.
std::map<QString, QString> Etat(const QString& dossier) {
    std::map<QString, QString> etat;
    for (const QFileInfo& entree : QDir(dossier).entryInfoList(
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        QString valeur = "dossier";
        if (entree.isSymLink()) {
            valeur = "lien " + entree.symLinkTarget();
        } else if (!entree.isDir()) {
            QFile fichier(entree.filePath());
            valeur = QString::number(entree.permissions()) + " " +
                     (fichier.open(QIODevice::ReadOnly) ? QString::fromLatin1(fichier.readAll())
                                                        : QString("illisible"));
        }
        etat[entree.fileName()] = valeur;
    }
    return etat;
}

void Ecrire(const QString& fichier, const QByteArray& contenu) {
    QFile sortie(fichier);
    ASSERT_TRUE(sortie.open(QIODevice::WriteOnly));
    sortie.write(contenu);
}

class LotParCommune : public ::testing::Test {
  protected:
    explicit LotParCommune(int communes = 30) : base(Communes(communes)) {}

    QStringList Arguments(const QString& nom) const {
        return {"print",
                "--db",
                QString::fromStdString(base.Chemin()),
                "--entite",
                "041",
                "--mois",
                "2018-05",
                "--par",
                "commune",
                "--un-fichier-par-groupe",
                "--sortie",
                dossier.filePath(nom)};
    }
    Execution Lancer(const QString& nom) const { return essai::Lancer_Demo(Arguments(nom)); }

    // Each file the run would write, made beforehand with contents of its own, as an earlier
    // run of other data would have left them.
    void Anciens_Fichiers(const QStringList& fichiers) const {
        for (const QString& fichier : fichiers) {
            Ecrire(fichier, "ancien " + QFileInfo(fichier).fileName().toUtf8());
        }
    }

    essai::BaseEssai base;
    QTemporaryDir dossier;
};

// A run that fails on a later file (its name taken by a read-only file, a folder or a link, or
// too long for the file system) leaves the folder exactly as it was: the earlier run's files
// with their bytes and modes, nothing hidden beside them. Only a run that succeeds replaces them.
TEST_F(LotParCommune, UneCourseQuiEchoueLaisseLeDossierCommeIlEtait) {
    const Execution premiere = Lancer("l.csv");
    ASSERT_EQ(premiere.code, 0) << premiere.erreurs.toStdString();
    ASSERT_EQ(premiere.sortie.size(), 31);
    EXPECT_TRUE(premiere.sortie.back().endsWith("-" + QString(61, 'Z') + ".csv"));
    Anciens_Fichiers(premiere.sortie);
    const QString derniere = premiere.sortie.back();
    const QList<std::pair<QString, std::function<void()>>> obstacles{
        {"le fichier est en lecture seule",
         [&] { QFile::setPermissions(derniere, QFile::ReadOwner | QFile::ReadGroup); }},
        {"c'est un dossier",
         [&] {
             QFile::remove(derniere);
             QDir().mkdir(derniere);
         }},
        {"c'est un lien symbolique",
         [&] {
             QDir().rmdir(derniere);
             QFile::link(premiere.sortie.front(), derniere);
         }},
    };
    for (const auto& [cause, poser] : obstacles) {
        SCOPED_TRACE(cause.toStdString());
        poser();
        const auto avant = Etat(dossier.path());
        const Execution echec = Lancer("l.csv");
        EXPECT_EQ(echec.code, 2);
        EXPECT_TRUE(echec.erreurs.contains("« " + derniere + " » : " + cause))
            << echec.erreurs.toStdString();
        EXPECT_EQ(echec.sortie, QStringList{});
        EXPECT_EQ(Etat(dossier.path()), avant);
    }

    // A name longer than the file system takes: only the last commune's.
    const QString nom = QString(200, 'n') + ".csv";
    QStringList longs;
    for (const QString& fichier : premiere.sortie) {
        longs << dossier.filePath(QString(200, 'n') + fichier.mid(fichier.lastIndexOf("/l") + 2));
    }
    longs.removeLast();
    Anciens_Fichiers(longs);
    const auto avant = Etat(dossier.path());
    const Execution trop = Lancer(nom);
    EXPECT_EQ(trop.code, 2);
    EXPECT_TRUE(trop.erreurs.contains("le nom est trop long")) << trop.erreurs.toStdString();
    EXPECT_EQ(Etat(dossier.path()), avant);

    QFile::remove(derniere);
    const Execution reprise = Lancer("l.csv");
    ASSERT_EQ(reprise.code, 0) << reprise.erreurs.toStdString();
    EXPECT_EQ(reprise.sortie, premiere.sortie);
    for (const QString& fichier : reprise.sortie) {
        EXPECT_TRUE(essai::Lire_Csv(fichier.toStdString()).size() == 2) << fichier.toStdString();
    }
}

// More communes than the process may open files under a lowered limit: neither the table files
// nor the PDFs (each after its schedule, whose pages wait on disk to be put in front) hold one
// open file per group; they all come out.
TEST_F(LotParCommune, PlusDeGroupesQueDeFichiersOuvertsPermis) {
    for (const QString& nom : QStringList{"l.csv", "l.xlsx", "l.pdf"}) {
        SCOPED_TRACE(nom.toStdString());
        QStringList arguments = Arguments(nom);
        arguments.replace(arguments.indexOf("--mois"), "--du");
        arguments << "--au"
                  << "2018-06";
        QProcess course;
        course.start("sh", QStringList{"-c", "ulimit -n 30 && exec \"$0\" \"$@\"", ARDOINE_DEMO} +
                               arguments);
        ASSERT_TRUE(course.waitForFinished(120000));
        EXPECT_EQ(course.exitCode(), 0) << course.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(course.readAllStandardOutput()).count('\n'), 31);
    }
}

// Enough communes that the run spends a while writing its files.
class LotNombreux : public LotParCommune {
  protected:
    LotNombreux() : LotParCommune(400) {}

    // Starts a run and sends it `signal` once its first provisional file is in the folder;
    // whether it was seen in time. The run is over on return.
    bool Interrompre(int signal, QProcess::ExitStatus& fin) const {
        QProcess course;
        // As a user's shell leaves them, whatever this test's runner ignores.
        course.setChildProcessModifier([] {
            for (const int attendu : {SIGTERM, SIGINT, SIGHUP}) {
                ::signal(attendu, SIG_DFL);
            }
        });
        course.start(ARDOINE_DEMO, Arguments("l.csv"));
        bool vu = false;
        while (!vu && !course.waitForFinished(2)) {
            vu = !QDir(dossier.path())
                      .entryList({"*.provisoire-*"}, QDir::Files | QDir::Hidden)
                      .isEmpty();
        }
        if (vu) {
            ::kill(static_cast<pid_t>(course.processId()), signal);
        }
        course.waitForFinished(120000);
        fin = course.exitStatus();
        return vu;
    }

    QStringList Caches() const {
        return QDir(dossier.path())
            .entryList(QDir::Hidden | QDir::Files)
            .filter(QRegularExpression("^\\."));
    }
};

// Stopped by SIGTERM, SIGINT or SIGHUP while it writes, a run removes what it made and ends as
// the signal would have: the folder is as it was, the earlier files there untouched. Killed
// outright, it leaves its provisional files; the next run removes them, and nothing that is
// not theirs: neither a file of a process still alive nor another hidden file.
TEST_F(LotNombreux, UnSignalLaisseLeDossierCommeIlEtaitEtLaCourseSuivanteRetireLesRestes) {
    QStringList anciens;
    for (int commune = 2; commune <= 400; commune += 2) {
        anciens << dossier.filePath(QString("l-C%1.csv").arg(commune, 5, 10, QChar('0')));
    }
    Anciens_Fichiers(anciens);
    const auto avant = Etat(dossier.path());
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        QProcess::ExitStatus fin = QProcess::NormalExit;
        ASSERT_TRUE(Interrompre(signal, fin));
        EXPECT_EQ(fin, QProcess::CrashExit);
        EXPECT_EQ(Etat(dossier.path()), avant);
    }

    QProcess::ExitStatus fin = QProcess::NormalExit;
    ASSERT_TRUE(Interrompre(SIGKILL, fin));
    EXPECT_FALSE(Caches().isEmpty());
    const QString vivant =
        ".l-C00001.csv.provisoire-" + QString::number(::getpid()) + "-abcdefghij";
    const QStringList autres{vivant, ".l-C00001.csv.provisoire-notes", ".notes.ancien-1-abc"};
    Anciens_Fichiers({dossier.filePath(vivant)});
    for (const QString& autre : autres.mid(1)) {
        Ecrire(dossier.filePath(autre), "autre");
    }
    const Execution suivante = Lancer("l.csv");
    ASSERT_EQ(suivante.code, 0) << suivante.erreurs.toStdString();
    EXPECT_EQ(suivante.sortie.size(), 401);
    EXPECT_EQ(Caches(), autres);
}

// The writer's calls passed on to the real ones, the process sending itself `signal` right
// after the rang-th call of one kind: to stop a lot at a chosen step.
class AppelsInterrompus : public outils::AppelsFichier {
  public:
    enum class Appel { Creer, Ecrire, Renommer };

    AppelsInterrompus(Appel appel, int rang, int signal)
        : appel_(appel), rang_(rang), signal_(signal) {}

    int OuvrirDossier(const char* chemin) override { return reels_->OuvrirDossier(chemin); }
    int Etat(int dossier, const char* nom, struct stat& etat) override {
        return reels_->Etat(dossier, nom, etat);
    }
    int AccesEcriture(int dossier, const char* nom) override {
        return reels_->AccesEcriture(dossier, nom);
    }
    int Creer(int dossier, const char* nom, mode_t mode) override {
        return Puis(Appel::Creer, reels_->Creer(dossier, nom, mode));
    }
    int ChangerPermissions(int fichier, mode_t mode) override {
        return reels_->ChangerPermissions(fichier, mode);
    }
    ssize_t Ecrire(int fichier, const void* octets, std::size_t taille) override {
        return Puis(Appel::Ecrire, reels_->Ecrire(fichier, octets, taille));
    }
    ssize_t EcrireA(int fichier, const void* octets, std::size_t taille, off_t position) override {
        return reels_->EcrireA(fichier, octets, taille, position);
    }
    int Synchroniser(int descripteur) override { return reels_->Synchroniser(descripteur); }
    int Fermer(int fichier) override { return reels_->Fermer(fichier); }
    int Lier(int dossier, const char* nom, const char* lien) override {
        return reels_->Lier(dossier, nom, lien);
    }
    int Renommer(int dossier, const char* ancien, const char* nouveau) override {
        return Puis(Appel::Renommer, reels_->Renommer(dossier, ancien, nouveau));
    }

  private:
    template <class Resultat>
    Resultat Puis(Appel appel, Resultat resultat) {
        if (appel == appel_ && ++faits_ == rang_) {
            ::raise(signal_);
        }
        return resultat;
    }

    Appel appel_;
    int rang_;
    int signal_;
    int faits_ = 0;
    std::shared_ptr<outils::AppelsFichier> reels_ = outils::AppelsFichier::Reels();
};

// A lot of ten files, half of them over files already there, stopped by a signal at each step:
// while the files are made, while one is written, and once some of them are in place (their
// old files kept aside). Each time the process ends by that signal and the folder is as it
// was, the files put in place taken back and the old ones put back.
TEST(LotInterrompu, UnSignalAChaqueEtapeRemetLeDossierCommeIlEtait) {
    using Appel = AppelsInterrompus::Appel;
    for (const int signal : {SIGTERM, SIGHUP}) {
        struct sigaction actuel {};
        ::sigaction(signal, nullptr, &actuel);
        if (actuel.sa_handler == SIG_IGN) {
            continue;  // Ignored by whoever started the tests: so it is by the run.
        }
        for (const auto& [appel, rang] : {std::pair{Appel::Creer, 6},
                                          {Appel::Ecrire, 4},
                                          {Appel::Renommer, 1},
                                          {Appel::Renommer, 7}}) {
            SCOPED_TRACE(std::to_string(signal) + " " + std::to_string(static_cast<int>(appel)) +
                         " " + std::to_string(rang));
            QTemporaryDir dossier;
            std::vector<outils::FichierDuLot> lot;
            for (int rangFichier = 0; rangFichier < 10; ++rangFichier) {
                const std::string chemin =
                    dossier.filePath(QString("f%1.txt").arg(rangFichier)).toStdString();
                if (rangFichier % 2 == 0) {
                    Ecrire(QString::fromStdString(chemin), "ancien");
                }
                lot.push_back({chemin, [chemin] {
                                   outils::FichierEntier fichier(chemin);
                                   fichier.Ecrire("nouveau");
                                   fichier.Terminer();
                               }});
            }
            const auto avant = Etat(dossier.path());
            const pid_t enfant = ::fork();
            if (enfant == 0) {
                outils::AppelsFichier::Remplacer(
                    std::make_shared<AppelsInterrompus>(appel, rang, signal));
                outils::Ecrire_Lot(lot);
                ::_exit(0);
            }
            int statut = 0;
            ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
            EXPECT_TRUE(WIFSIGNALED(statut));
            EXPECT_EQ(WIFSIGNALED(statut) ? WTERMSIG(statut) : 0, signal);
            EXPECT_EQ(Etat(dossier.path()), avant);
        }
    }
}

}  // namespace
