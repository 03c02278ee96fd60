#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalBlocker>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <set>

#include "AppelsEnPanne.h"
#include "DonneesRapport.h"
#include "Face.h"
#include "ImpressionEssai.h"
#include "liste/FichierDuGroupe.h"
#include "outils/Outils.h"
#include "printer/ImprimantesSysteme.h"

// One file per group, asked of the control: each group's file holds what the list limited to
// that group holds (its pages, or the whole list's rows of that group), under a name of its own
// whatever its code; a run that fails leaves none of them.

namespace {

using essai::ImpressionEssai;
using essai::Imprimer_Vers;
using essai::Personne;
using imprimante::Destination;
using imprimante::ImprimanteEnregistree;
using Lignes = std::vector<std::string>;

// Persons of both managers and of none, in communes whose codes a file name could not take as
// they are; R01 has more lines than a page holds.
std::vector<Personne> Personnes() {
    std::vector<Personne> personnes{
        {"00001", "ZOLA", "Émile", "R02", "S02", "L'HAY LES ROSES"},
        {"00002", "ARNAUD", "Léa", "R01", "S01", "A/B"},
        {"00003", "BERNARD", "Marc", "R02", "S01", "A%2FB"},
        {"00004", "COLIN", "Zoé", "R01", "S02", ".."},
        {"00005", "DURAND", "Paul", "", "S01", ""},
    };
    for (int i = 1; i <= 55; ++i) {
        const std::string numero = std::to_string(100 + i);
        personnes.push_back({"10" + numero, "NOM" + numero, "Prénom", "R01", "S01", "75056"});
    }
    return personnes;
}

Lignes Donnees() {
    Lignes lignes = essai::AidesDeMai(Personnes());
    // A renewed agreement: selected, never listed.
    lignes.push_back(essai::LigneAccord(
        {"10101002", std::to_string(essai::LendemainFinMai()), essai::TexteJour(2019, 5, 31)}));
    return essai::Avec(lignes);
}

void Placer(QLineEdit* zone, const std::string& texte) {
    const QSignalBlocker bloque(zone);
    zone->setText(QString::fromStdString(texte));
}

// A control on the data, grouped by `option`, limited to `groupe` when one is given, whose
// printer choice answers the entry of that kind with `fichier`.
struct Execution {
    Execution(QRadioButton* essai::Face::*option, Destination::Genre genre,
              const std::string& fichier, bool parGroupe, const std::string& groupe = "",
              std::int16_t copies = 1)
        : impression(Donnees(), "admin", copies) {
        essai::Face face(*impression.controle);
        (face.*option)->click();
        Placer(option == &essai::Face::Opt_Commune ? face.Txt_Commune : face.Txt_Responsable,
               groupe);
        impression.imprimantes = std::make_shared<imprimante::ImprimantesEnregistrees>(
            std::vector<Destination>{{"Enregistreuse"}, {"Fichier", genre}});
        outils::Outils::Partage().RemplacerServices(
            impression.imprimantes,
            std::make_shared<imprimante::ChoixImprimanteScripte>(
                imprimante::Choix{1, copies, imprimante::Reglages{"A4", true, fichier}}));
        impression.controle->Un_Fichier_Par_Groupe(parGroupe);
        impression.Imprimer();
    }

    // Each printer opened with the file it was opened for.
    std::map<std::string, const ImprimanteEnregistree*> Imprimantes() const {
        std::map<std::string, const ImprimanteEnregistree*> imprimantes;
        for (const auto& ouverture : impression.imprimantes->Ouvertures()) {
            imprimantes[ouverture.reglages.fichierSortie] = ouverture.imprimante.get();
        }
        return imprimantes;
    }

    ImpressionEssai impression;
};

QStringList Contenu(const QTemporaryDir& dossier) {
    return QDir(dossier.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The sent document of a printer, which must have sent exactly one.
const imprimante::Document& Envoye(const ImprimanteEnregistree& imprimante) {
    EXPECT_EQ(imprimante.Documents().size(), 1U);
    EXPECT_EQ(imprimante.Documents().front().sort, ImprimanteEnregistree::Sort::Envoye);
    return imprimante.Documents().front().document;
}

// The pages of each manager's file are those of the list limited to that manager, drawing for
// drawing, copies and page breaks included; the pages of the persons without a manager are those
// of the whole list under an empty manager, numbered from 1.
TEST(FichiersParGroupe, LesPagesDeChaqueResponsableSontCellesDeSaListeLimitee) {
    QTemporaryDir dossier;
    const std::string fichier = dossier.filePath("liste.pdf").toStdString();
    const Execution groupes(&essai::Face::Opt_Responsable, Destination::Genre::FichierPdf, fichier,
                            true, "", 2);
    ASSERT_TRUE(groupes.impression.erreurs.empty()) << groupes.impression.erreurs.front();
    const QString base = dossier.filePath("liste-");
    EXPECT_EQ(groupes.impression.controle->Fichiers_Ecrits(),
              (QStringList{base + "_sans_groupe.pdf", base + "R01.pdf", base + "R02.pdf"}));
    const auto imprimantes = groupes.Imprimantes();
    ASSERT_EQ(imprimantes.size(), 3U);
    for (const auto& ouverture : groupes.impression.imprimantes->Ouvertures()) {
        EXPECT_FALSE(ouverture.reglages.apercu);
    }
    for (const std::string responsable : {"R01", "R02"}) {
        SCOPED_TRACE(responsable);
        const Execution limitee(&essai::Face::Opt_Responsable, Destination::Genre::FichierPdf,
                                fichier, false, responsable, 2);
        ASSERT_TRUE(limitee.impression.erreurs.empty());
        const auto& document = Envoye(*imprimantes.at(
            dossier.filePath("liste-" + QString::fromStdString(responsable) + ".pdf")
                .toStdString()));
        EXPECT_EQ(document, Envoye(*limitee.Imprimantes().at(fichier)));
    }
    EXPECT_EQ(imprimantes.at(fichier.substr(0, fichier.size() - 4) + "-R01.pdf")
                  ->Documents()
                  .front()
                  .document.pages,
              4);
    const auto& sansGroupe =
        Envoye(*imprimantes.at(dossier.filePath("liste-_sans_groupe.pdf").toStdString()));
    EXPECT_EQ(essai::Codes(sansGroupe), (Lignes{"00005", "00005"}));
    EXPECT_EQ(essai::Lignes(sansGroupe, 1)[2].substr(0, 5), "Date ");
    EXPECT_TRUE(essai::Lignes(sansGroupe, 2)[2].ends_with("Page : 1"));
    // Nothing was written under the name chosen for the whole list.
    EXPECT_EQ(imprimantes.count(fichier), 0U);
}

// A list without lines writes nothing and says so, one file or one per group, after the warning
// that the user's rights hide persons; a run on a printer prints as ever.
TEST(FichiersParGroupe, UneListeSansLigneNEcritRienEtUneImprimanteImprimeLaListeEntiere) {
    QTemporaryDir dossier;
    for (const auto& [genre, parGroupe] : {std::pair{Destination::Genre::FichierCsv, true},
                                           {Destination::Genre::FichierPdf, true},
                                           {Destination::Genre::FichierCsv, false},
                                           {Destination::Genre::FichierXlsx, false}}) {
        SCOPED_TRACE(static_cast<int>(genre) + (parGroupe ? 10 : 0));
        ImpressionEssai impression(
            essai::Avec({essai::Aide({"00001", "HORS", "Mois", "R01", "S02"}),
                         essai::LigneAccord({"00001001", "1", essai::FinMai()})}),
            "secteur1");
        outils::Outils::Partage().RemplacerServices(
            std::make_shared<imprimante::ImprimantesEnregistrees>(
                std::vector<Destination>{{"Fichier", genre}}),
            std::make_shared<imprimante::ChoixImprimanteScripte>(imprimante::Choix{
                0, 1, imprimante::Reglages{"A4", false, dossier.filePath("l.csv").toStdString()}}));
        impression.controle->Un_Fichier_Par_Groupe(parGroupe);
        impression.Imprimer();
        EXPECT_TRUE(impression.erreurs.empty());
        EXPECT_EQ(impression.Messages(),
                  (Lignes{"Information | Vous n'avez pas le droit d'accèder à tous les aidés, "
                          "certains ne seront donc pas édités.",
                          "Information | Aucun accord non renouvelé sur MAI 2018"}));
        EXPECT_TRUE(impression.controle->Fichiers_Ecrits().isEmpty());
        EXPECT_FALSE(impression.controle->Liste_Imprimee());
    }
    EXPECT_EQ(Contenu(dossier), QStringList{});

    const Execution imprimee(&essai::Face::Opt_Responsable, Destination::Genre::Systeme, "", true);
    ASSERT_EQ(imprimee.impression.imprimantes->Ouvertures().size(), 1U);
    EXPECT_EQ(essai::Codes(imprimee.impression.Document()).size(), Personnes().size() - 1);
    EXPECT_TRUE(imprimee.impression.controle->Fichiers_Ecrits().isEmpty());
}

// A single PDF file counts as written when it is, not when it is only shown first.
TEST(FichiersParGroupe, LeFichierPdfUniqueEstEcritSaufSIlEstMontreDAbord) {
    QTemporaryDir dossier;
    const std::string fichier = dossier.filePath("liste.pdf").toStdString();
    for (const bool apercu : {false, true}) {
        ImpressionEssai impression(Donnees());
        impression.imprimantes = std::make_shared<imprimante::ImprimantesEnregistrees>(
            std::vector<Destination>{{"Fichier", Destination::Genre::FichierPdf}});
        outils::Outils::Partage().RemplacerServices(
            impression.imprimantes, std::make_shared<imprimante::ChoixImprimanteScripte>(
                                        imprimante::Choix{0, 1, {"A4", apercu, fichier}}));
        impression.Imprimer();
        EXPECT_TRUE(impression.Envoye());
        EXPECT_EQ(impression.controle->Fichiers_Ecrits(),
                  apercu ? QStringList{} : QStringList{QString::fromStdString(fichier)});
    }
}

// The disk failing at each of the writer's calls in turn, over the three managers' files that
// an earlier run left: after every failure the folder holds those files as they were, not one
// replaced, nothing beside them, and the control says it wrote none; the run without failure
// then replaces all three.
TEST(FichiersParGroupe, UnePanneDuDisqueEnCoursDeLotLaisseLesFichiersDeLaCourseDAvant) {
    const QStringList noms{"liste-R01.ext", "liste-R02.ext", "liste-_sans_groupe.ext"};
    for (const auto genre : {Destination::Genre::FichierCsv, Destination::Genre::FichierXlsx,
                             Destination::Genre::FichierPdf}) {
        SCOPED_TRACE(static_cast<int>(genre));
        QTemporaryDir dossier;
        const auto contenus = [&] {
            std::map<QString, QByteArray> lus;
            for (const QString& nom : Contenu(dossier)) {
                QFile fichier(dossier.filePath(nom));
                lus[nom] = fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : "illisible";
            }
            return lus;
        };
        for (const QString& nom : noms) {
            QFile ancien(dossier.filePath(nom));
            ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
            ancien.write("ancien " + nom.toUtf8());
        }
        const auto anciens = contenus();
        const std::string fichier = dossier.filePath("liste.ext").toStdString();
        ImpressionEssai impression(Donnees());
        impression.controle->Un_Fichier_Par_Groupe(true);
        int rang = 1;
        for (;; ++rang) {
            SCOPED_TRACE(rang);
            std::string erreur;
            {
                const essai::PanneInstallee panne(
                    std::make_shared<essai::AppelsEnPanne>(rang, essai::AppelsEnPanne::Duree::Une));
                erreur = Imprimer_Vers(impression, genre, fichier);
            }
            if (erreur.empty()) {
                break;
            }
            EXPECT_NE(erreur.find("le disque est plein"), std::string::npos) << erreur;
            EXPECT_EQ(contenus(), anciens);
            EXPECT_TRUE(impression.controle->Fichiers_Ecrits().isEmpty());
            essai::Face(*impression.controle).Txt_Association->setText(QStringLiteral("041"));
        }
        // The third file's calls come after those of the first two.
        EXPECT_GT(rang, 12);
        const auto nouveaux = contenus();
        EXPECT_EQ(Contenu(dossier), (QStringList{noms[0], noms[1], noms[2]}));
        for (const QString& nom : noms) {
            EXPECT_NE(nouveaux.at(nom), anciens.at(nom)) << nom.toStdString();
        }
    }
}

// A storage failure at any call of the run: nothing is sent, every group's document is
// abandoned, and no file is written.
TEST(FichiersParGroupe, UnePanneDeLaBaseEnCoursDeParcoursNeLaisseAucunFichier) {
    QTemporaryDir dossier;
    const std::string fichier = dossier.filePath("liste.pdf").toStdString();
    const auto lancer = [&](ImpressionEssai& impression, int rang) {
        impression.imprimantes = std::make_shared<imprimante::ImprimantesEnregistrees>(
            std::vector<Destination>{{"Fichier", Destination::Genre::FichierPdf}});
        outils::Outils::Partage().RemplacerServices(
            impression.imprimantes, std::make_shared<imprimante::ChoixImprimanteScripte>(
                                        imprimante::Choix{0, 1, {"A4", false, fichier}}));
        impression.controle->Un_Fichier_Par_Groupe(true);
        impression.base->PiegerAppel(rang);
        impression.Imprimer();
    };
    int appels = 0;
    {
        ImpressionEssai sansPanne(Donnees());
        lancer(sansPanne, 0);
        ASSERT_EQ(sansPanne.controle->Fichiers_Ecrits().size(), 3);
        appels = sansPanne.base->Appels();
    }
    ASSERT_GT(appels, 20);
    for (int rang = 1; rang <= appels; rang += appels / 20) {
        SCOPED_TRACE(rang);
        ImpressionEssai impression(Donnees());
        lancer(impression, rang);
        ASSERT_EQ(impression.erreurs.size(), 1U);
        for (const auto& ouverture : impression.imprimantes->Ouvertures()) {
            EXPECT_TRUE(ouverture.imprimante->DocumentEnCours().vide());
            EXPECT_FALSE(ouverture.imprimante->Documents().empty());
            for (const auto& document : ouverture.imprimante->Documents()) {
                EXPECT_EQ(document.sort, ImprimanteEnregistree::Sort::Abandonne);
            }
        }
        EXPECT_TRUE(impression.controle->Fichiers_Ecrits().isEmpty());
    }
}

// The names: the group's code before the extension, in the folder of the file chosen, never
// the same for two codes.
TEST(FichiersParGroupe, LeNomDUnGroupeEstSurEtUnique) {
    const std::vector<std::pair<std::string, std::string>> cas{
        {"R01", "/d/liste-R01.pdf"},
        {"_sans_groupe", "/d/liste-%5Fsans%5Fgroupe.pdf"},
        {"../../etc/passwd", "/d/liste-%2E%2E%2F%2E%2E%2Fetc%2Fpasswd.pdf"},
        {"SAINT-ÉTIENNE", "/d/liste-SAINT-%C3%89TIENNE.pdf"},
        {"A\\B:*?\"<>|", "/d/liste-A%5CB%3A%2A%3F%22%3C%3E%7C.pdf"},
        {"\xff\xfe", "/d/liste-%FF%FE.pdf"},
    };
    for (const auto& [code, nom] : cas) {
        EXPECT_EQ(rapport::Fichier_Du_Groupe("/d/liste.pdf", code), nom) << code;
    }
    EXPECT_EQ(rapport::Fichier_Du_Groupe("liste.v2.csv", "A"), "liste.v2-A.csv");
    EXPECT_EQ(rapport::Fichier_Du_Groupe("/d.x/liste", "A"), "/d.x/liste-A");

    // Codes that a simpler writing would put under one name.
    const Lignes proches{"A/B", "A_B", "A B", "A%2FB", "A%2fB", "A.B", "A:B",   "a/b",  "",
                         "_",   "%",   "%25", "-",     "--",    "Aé",  "A\xc3", "A\xa9"};
    std::set<std::string> noms;
    for (const std::string& code : proches) {
        const std::string nom = rapport::Fichier_Du_Groupe("/d/liste.csv", code);
        EXPECT_TRUE(noms.insert(nom).second) << code << " " << nom;
        EXPECT_EQ(nom.rfind('/'), 2U) << nom;
        EXPECT_EQ(nom.find(".."), std::string::npos) << nom;
    }

    // Codes that differ only in a sign beyond ASCII: the accented capital and small letter,
    // composed and decomposed, a ligature, a full-width letter. A file system that folds case
    // or normalises names (as case-insensitive and Unicode-normalising ones do) meets no two of
    // them, for their names hold only ASCII letters, digits and signs.
    const std::string aPleineLargeur = "\xef\xbc\xa1";
    const Lignes voisins{"CÔTE",          "CôTE", "CO\xcc\x82TE",       "ÉCOLE", "éCOLE",
                         "\xef\xac\x81N", "FIN",  aPleineLargeur + "B", "AB"};
    std::set<QString> plies;
    for (const std::string& code : voisins) {
        const std::string nom = rapport::Fichier_Du_Groupe("/d/l.csv", code);
        EXPECT_TRUE(std::all_of(nom.begin(), nom.end(), [](char signe) {
            return static_cast<unsigned char>(signe) < 0x80;
        })) << nom;
        const QString plie =
            QString::fromStdString(nom).normalized(QString::NormalizationForm_KC).toCaseFolded();
        EXPECT_TRUE(plies.insert(plie).second) << code << " " << nom;
    }
}

}  // namespace
