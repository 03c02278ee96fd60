#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>

#include "DonneesRapport.h"
#include "Face.h"
#include "ImpressionEssai.h"
#include "TableauRelu.h"
#include "dba/Erreur.h"

// A run of several months prints, month after month, exactly each month's list as it prints
// alone, after a schedule of the lines per month and per group; the table files hold the months'
// rows one after the other, and the workbook the schedule's sheet and chart.

namespace {

using essai::ImpressionEssai;
using essai::LigneAccord;
using essai::Personne;
using essai::Rangees;
using imprimante::Destination;
using imprimante::Document;
using imprimante::Operation;
using Lignes = std::vector<std::string>;

std::string Jour(int annee, int mois, int jour) {
    return essai::TexteJour(annee, mois, jour);
}

// May: one line of each manager. June: one agreement, renewed (selected, not listed). July: two
// lines of R01, one of R02. August: one of R02. September: one renewed agreement only.
Lignes Donnees() {
    const std::vector<Personne> personnes{
        {"00001", "ALPHA", "Jean", "R01"},     {"00002", "BETA", "Marie", "R02"},
        {"00003", "GAMMA", "Paul", "R01"},     {"00004", "DELTA", "Léa", "R01"},
        {"00005", "EPSILON", "Zoé", "R02"},    {"00006", "ZETA", "Marc", "R02"},
        {"00007", "RENOUVELE", "Juin", "R01"}, {"00008", "RENOUVELE", "Sept", "R02"},
    };
    Lignes lignes;
    for (const Personne& personne : personnes) {
        lignes.push_back(essai::Aide(personne));
    }
    const std::vector<std::pair<std::string, std::string>> fins{
        {"00001001", Jour(2018, 5, 31)}, {"00002001", Jour(2018, 5, 15)},
        {"00003001", Jour(2018, 7, 15)}, {"00004001", Jour(2018, 7, 31)},
        {"00005001", Jour(2018, 7, 10)}, {"00006001", Jour(2018, 8, 20)},
        {"00007001", Jour(2018, 6, 30)}, {"00008001", Jour(2018, 9, 30)},
    };
    for (const auto& [cle, fin] : fins) {
        lignes.push_back(LigneAccord({cle, "1", fin}));
    }
    lignes.push_back(LigneAccord({"00007002", Jour(2018, 7, 1), Jour(2019, 6, 30)}));
    lignes.push_back(LigneAccord({"00008002", Jour(2018, 10, 1), Jour(2019, 9, 30)}));
    return essai::Avec(lignes);
}

// A control whose period box shows May 2018 plus `decalage` months, `mois` months to print.
std::unique_ptr<ImpressionEssai> Preparer(int decalage, int mois, std::int16_t copies = 1) {
    auto impression = std::make_unique<ImpressionEssai>(Donnees(), "admin", copies);
    for (int pas = 0; pas < decalage; ++pas) {
        essai::Face(*impression->controle).Bdh_Periode->stepBy(1);
    }
    impression->controle->Mois_Imprimes(mois);
    return impression;
}

Document Imprimer(int decalage, int mois, std::int16_t copies = 1) {
    const auto impression = Preparer(decalage, mois, copies);
    impression->Imprimer();
    EXPECT_TRUE(impression->erreurs.empty()) << impression->erreurs.front();
    EXPECT_TRUE(impression->Envoye());
    return impression->Document();
}

// What is drawn on a page, whatever its number in the document.
std::vector<Operation> Page(const Document& document, int page) {
    std::vector<Operation> operations = document.operationsDeLaPage(page);
    for (Operation& operation : operations) {
        operation.page = 0;
    }
    return operations;
}

// The words of a line of text.
Lignes Mots(const std::string& ligne) {
    std::istringstream flux(ligne);
    Lignes mots;
    for (std::string mot; flux >> mot;) {
        mots.push_back(mot);
    }
    return mots;
}

std::string Texte(const Lignes& lignes) {
    std::string texte;
    for (const std::string& ligne : lignes) {
        texte += ligne + "\n";
    }
    return texte;
}

// The last `nombre` words of the schedule's last line that begins with `debut`: with more than
// twelve months, the line of the last band, that has the totals.
Lignes Comptes(const Lignes& lignes, const std::string& debut, std::size_t nombre) {
    const auto ligne = std::find_if(lignes.rbegin(), lignes.rend(),
                                    [&](const std::string& l) { return l.starts_with(debut); });
    if (ligne == lignes.rend()) {
        ADD_FAILURE() << "pas de ligne " << debut;
        return {};
    }
    const Lignes mots = Mots(*ligne);
    return Lignes(mots.end() - static_cast<std::ptrdiff_t>(std::min(nombre, mots.size())),
                  mots.end());
}

// Each copy repeats the schedule and the months.
TEST(PlusieursMois, ChaqueMoisSImprimeCommeSeulApresLEcheancier) {
    const Document periode = Imprimer(0, 4, 2);
    // June lists no line: it prints no page, alone or in the range.
    const std::vector<Document> seuls{Imprimer(0, 1), Imprimer(2, 1), Imprimer(3, 1)};
    int pagesDesMois = 0;
    for (const Document& seul : seuls) {
        pagesDesMois += seul.pages;
    }
    const int exemplaire = 1 + pagesDesMois;
    ASSERT_EQ(periode.pages, 2 * exemplaire);
    EXPECT_EQ(Page(periode, exemplaire + 1), Page(periode, 1));
    for (const int debut : {1, exemplaire + 1}) {
        int page = debut;
        for (const Document& seul : seuls) {
            for (int sienne = 1; sienne <= seul.pages; ++sienne) {
                ++page;
                EXPECT_EQ(Page(periode, page), Page(seul, sienne)) << "page " << page;
            }
        }
    }
    // A range whose first months select nothing (October 2018 to May 2019): the first month
    // that selects any (June 2019) prints once, in its place.
    const Document tardive = Imprimer(5, 9);
    const Document juin = Imprimer(13, 1);
    ASSERT_EQ(tardive.pages, 1 + juin.pages);
    EXPECT_EQ(Page(tardive, 2), Page(juin, 1));
}

TEST(PlusieursMois, LEcheancierCompteLesLignesParMoisEtParGroupe) {
    const Document periode = Imprimer(0, 4);
    const Lignes lignes = essai::Lignes(periode, 1);
    const std::string texte = Texte(lignes);
    for (const char* attendu :
         {"ECHEANCIER\n", "DE MAI 2018 A AOÛT 2018\n", "Entité juridique : 041\n",
          "Regroupement : Responsable : tous\n", "Utilisateur : admin\n",
          "Total : 6 accords non renouvelés\n", "Accords non renouvelés par mois\n"}) {
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
    }
    EXPECT_EQ(Comptes(lignes, "Responsable", 5),
              (Lignes{"05/18", "06/18", "07/18", "08/18", "TOTAL"}));
    EXPECT_EQ(Comptes(lignes, "R01 DUPONT Jean", 5), (Lignes{"1", "0", "2", "0", "3"}));
    EXPECT_EQ(Comptes(lignes, "R02 MARTIN Anne", 5), (Lignes{"1", "0", "1", "1", "3"}));
    EXPECT_EQ(Comptes(lignes, "TOTAL", 5), (Lignes{"2", "0", "3", "1", "6"}));
    // The chart: each month's count above its bar, its month below.
    Lignes graphique;
    for (const Operation& texteGraphique : periode.textes(1)) {
        if (texteGraphique.police.taille == 7) {
            graphique.push_back(texteGraphique.texte);
        }
    }
    EXPECT_EQ(graphique, (Lignes{"2", "05/18", "0", "06/18", "3", "07/18", "1", "08/18"}));
    // Four bars of four sides, the tallest July's, on one base line.
    std::vector<double> hauts;
    for (const Operation& trait : periode.traits(1)) {
        if (trait.largeur == 3 && trait.y == trait.y2 && trait.x < trait.x2) {
            hauts.push_back(trait.y);
        }
    }
    ASSERT_EQ(hauts.size(), 4U);
    EXPECT_LT(hauts[2], hauts[0]);
    EXPECT_LT(hauts[0], hauts[3]);
    EXPECT_LT(hauts[3], hauts[1]);
}

// The words of every line that begins with `debut`: one line per band of the schedule.
std::vector<Lignes> Bandes(const Lignes& lignes, const std::string& debut) {
    std::vector<Lignes> bandes;
    for (const std::string& ligne : lignes) {
        if (ligne.starts_with(debut)) {
            bandes.push_back(Mots(ligne));
        }
    }
    return bandes;
}

// Fourteen months: the first band takes twelve, the second the two after them and the totals.
// The months from October 2018 to May 2019 select nothing: each counts 0 in its own column.
TEST(PlusieursMois, LaSecondeBandeDeLEcheancierPrendLesMoisApresLesDouzePremiers) {
    const Lignes lignes = essai::Lignes(Imprimer(0, 14), 1);
    EXPECT_EQ(Bandes(lignes, "Responsable "),
              (std::vector<Lignes>{{"Responsable", "05/18", "06/18", "07/18", "08/18", "09/18",
                                    "10/18", "11/18", "12/18", "01/19", "02/19", "03/19", "04/19"},
                                   {"Responsable", "05/19", "06/19", "TOTAL"}}));
    EXPECT_EQ(Bandes(lignes, "R01 "),
              (std::vector<Lignes>{{"R01", "DUPONT", "Jean", "1", "0", "2", "0", "0", "0", "0", "0",
                                    "0", "0", "0", "0"},
                                   {"R01", "DUPONT", "Jean", "0", "1", "4"}}));
    EXPECT_EQ(Bandes(lignes, "R02 "),
              (std::vector<Lignes>{{"R02", "MARTIN", "Anne", "1", "0", "1", "1", "0", "0", "0", "0",
                                    "0", "0", "0", "0"},
                                   {"R02", "MARTIN", "Anne", "0", "0", "3"}}));
    EXPECT_EQ(
        Bandes(lignes, "TOTAL "),
        (std::vector<Lignes>{{"TOTAL", "2", "0", "3", "1", "0", "0", "0", "0", "0", "0", "0", "0"},
                             {"TOTAL", "0", "1", "7"}}));
}

// A schedule taller than a page goes on over the next one, headed again, its column titles
// first; every group is on it once.
TEST(PlusieursMois, UnEcheancierPlusHautQuUnePageContinueSurLaSuivante) {
    constexpr int Communes = 70;
    std::vector<Personne> personnes;
    for (int i = 1; i <= Communes; ++i) {
        const std::string code = std::to_string(10000 + i);
        personnes.push_back({code, "NOM" + code, "Prénom", "R01", "S01", code});
    }
    ImpressionEssai impression(essai::Avec(essai::AidesDeMai(personnes)));
    essai::Face(*impression.controle).Opt_Commune->click();
    impression.controle->Mois_Imprimes(2);
    impression.Imprimer();
    ASSERT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    const Document& document = impression.Document();
    ASSERT_EQ(document.pages, 2 + Communes);
    Lignes groupes;
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const Lignes lignes = essai::Lignes(document, page);
        const std::string texte = Texte(lignes);
        EXPECT_NE(texte.find("ECHEANCIER\n"), std::string::npos) << texte;
        EXPECT_NE(texte.find("Page : " + std::to_string(page) + "\n"), std::string::npos);
        const auto titres = std::find_if(lignes.begin(), lignes.end(), [](const std::string& l) {
            return Mots(l) == Lignes{"Commune", "05/18", "06/18", "TOTAL"};
        });
        ASSERT_NE(titres, lignes.end()) << texte;
        for (auto ligne = titres + 1; ligne != lignes.end() && ligne->starts_with("1"); ++ligne) {
            const Lignes mots = Mots(*ligne);
            EXPECT_EQ(Lignes(mots.begin() + 1, mots.end()), (Lignes{"1", "0", "1"})) << *ligne;
            groupes.push_back(mots.front());
        }
    }
    ASSERT_EQ(groupes.size(), static_cast<std::size_t>(Communes));
    for (int i = 1; i <= Communes; ++i) {
        EXPECT_EQ(groupes[static_cast<std::size_t>(i - 1)], std::to_string(10000 + i));
    }
    EXPECT_EQ(Comptes(essai::Lignes(document, 2), "TOTAL", 3), (Lignes{"70", "0", "70"}));
    EXPECT_EQ(Texte(essai::Lignes(document, 3)).find("ECHEANCIER"), std::string::npos);
}

TEST(PlusieursMois, UnePeriodeSansLigneLeDitEtNImprimeRien) {
    // September's agreement is renewed, October has none.
    const auto renouveles = Preparer(4, 2);
    renouveles->Imprimer();
    EXPECT_EQ(renouveles->Messages(),
              Lignes{"Information | Aucun accord non renouvelé sur la période DE SEPTEMBRE 2018 A "
                     "OCTOBRE 2018"});
    for (const auto& document : renouveles->Imprimante().Documents()) {
        EXPECT_TRUE(document.document.vide());
    }
    EXPECT_FALSE(renouveles->controle->Liste_Imprimee());

    const auto aucun = Preparer(5, 3);
    aucun->Imprimer();
    EXPECT_EQ(aucun->Messages(),
              Lignes{"Information | Aucun accord correspondant aux critères sélectionnés."});
    EXPECT_TRUE(aucun->imprimantes->Ouvertures().empty());
}

// The months asked of the control: 1 to 24, one by default.
TEST(PlusieursMois, LeNombreDeMoisVaDeUnAVingtQuatre) {
    ImpressionEssai impression(Donnees());
    Ctr_Ardoine& controle = *impression.controle;
    EXPECT_EQ(controle.Mois_Imprimes(), 1);
    for (const int refuse : {0, -1, 25}) {
        try {
            controle.Mois_Imprimes(refuse);
            ADD_FAILURE() << refuse << " accepté";
        } catch (const dba::Erreur& erreur) {
            EXPECT_EQ(erreur.texte(), "Nombre de mois à imprimer invalide : " +
                                          std::to_string(refuse) + " (de 1 à 24).");
        }
        EXPECT_EQ(controle.Mois_Imprimes(), 1);
    }
    controle.Mois_Imprimes(24);
    EXPECT_EQ(controle.Mois_Imprimes(), 24);
    impression.Imprimer();
    EXPECT_EQ(impression.choix->DocumentsNommes(),
              Lignes{"accords-non-renouveles-2018-05-a-2020-04"});
    const Lignes echeancier = essai::Lignes(impression.Document(), 1);
    EXPECT_NE(Texte(echeancier).find("DE MAI 2018 A AVRIL 2020\n"), std::string::npos);
    // The renewals of June and September end within the two years, unrenewed.
    EXPECT_EQ(Comptes(echeancier, "TOTAL", 1), Lignes{"8"});
}

// The same run answered with a table file of that kind.
void Exporter(int decalage, int mois, Destination::Genre genre, const std::string& fichier) {
    EXPECT_EQ(essai::Imprimer_Vers(*Preparer(decalage, mois), genre, fichier), "");
}

// A table file of the range holds the months' rows one after the other, each month as it is
// written alone; the workbook adds the schedule's sheet and its chart, and prints each sheet
// under the range's heading.
TEST(PlusieursMois, LesTableauxOntLesLignesDeChaqueMoisEtLeClasseurSonEcheancier) {
    QTemporaryDir dossier;
    for (const auto genre : {Destination::Genre::FichierCsv, Destination::Genre::FichierXlsx}) {
        const bool csv = genre == Destination::Genre::FichierCsv;
        SCOPED_TRACE(csv ? "csv" : "xlsx");
        const auto lire = [&](const std::string& fichier) {
            Rangees rangees = csv ? essai::Lire_Csv(fichier) : essai::Lire_Feuille_Xlsx(fichier, 1);
            rangees.erase(rangees.begin(), rangees.begin() + (csv ? 1 : 9));
            return rangees;
        };
        Rangees mois;
        for (const int decalage : {0, 2, 3}) {
            const std::string fichier =
                dossier.filePath(QStringLiteral("mois-%1").arg(decalage)).toStdString();
            Exporter(decalage, 1, genre, fichier);
            const Rangees du_mois = lire(fichier);
            mois.insert(mois.end(), du_mois.begin(), du_mois.end());
        }
        const std::string fichier = dossier.filePath("periode").toStdString();
        Exporter(0, 4, genre, fichier);
        ASSERT_EQ(mois.size(), 6U);
        EXPECT_EQ(lire(fichier), mois);
    }
    const std::string fichier = dossier.filePath("periode").toStdString();
    EXPECT_EQ(essai::Lire_Feuille_Xlsx(fichier, 1).at(1),
              (Lignes{"Mois", "", "DE MAI 2018 A AOÛT 2018"}));
    for (const int feuille : {1, 2, 3}) {
        EXPECT_EQ(essai::En_Tete_Xlsx(fichier, feuille),
                  "&CLISTE DES ACCORDS NON RENOUVELES DE MAI 2018 A AOÛT 2018")
            << feuille;
    }
    const Rangees effectifs = essai::Lire_Feuille_Xlsx(fichier, 2);
    EXPECT_EQ(effectifs, (Rangees{{"Code groupe", "Groupe", "Accords"},
                                  {"R01", "DUPONT Jean", "3"},
                                  {"R02", "MARTIN Anne", "3"},
                                  {"Total", "", "6"}}));
    const Rangees echeancier = essai::Lire_Feuille_Xlsx(fichier, 3);
    EXPECT_EQ(echeancier, (Rangees{{"ECHEANCIER"},
                                   {"DE MAI 2018 A AOÛT 2018"},
                                   {},
                                   {"Code groupe", "Groupe", "MAI 2018", "JUIN 2018",
                                    "JUILLET 2018", "AOÛT 2018", "Total"},
                                   {"R01", "DUPONT Jean", "1", "0", "2", "0", "3"},
                                   {"R02", "MARTIN Anne", "1", "0", "1", "1", "3"},
                                   {"Total", "", "2", "0", "3", "1", "6"}}));
    const std::string classeur = essai::Xml_Xlsx(fichier, QStringLiteral("xl/workbook.xml"));
    EXPECT_NE(classeur.find("name=\"Échéancier\""), std::string::npos) << classeur;
    // A column per month: the months' names as text, the months' totals.
    const std::string graphique = essai::Xml_Xlsx(fichier, QStringLiteral("xl/charts/chart2.xml"));
    for (const std::string& attendu :
         {std::string("<c:barDir val=\"col\"/>"),
          std::string("<c:cat><c:strRef><c:f>'Échéancier'!$C$4:$F$4</c:f>"),
          std::string("<c:val><c:numRef><c:f>'Échéancier'!$C$7:$F$7</c:f>"),
          std::string("<a:t>Accords non renouvelés par mois</a:t>")}) {
        EXPECT_NE(graphique.find(attendu), std::string::npos) << attendu << "\n" << graphique;
    }
    EXPECT_NE(essai::Xml_Feuille_Xlsx(fichier, 3).find("<drawing r:id="), std::string::npos);

    // One month keeps its two sheets, under the month's heading.
    const std::string seul = dossier.filePath("mois-0").toStdString();
    EXPECT_EQ(essai::Xml_Xlsx(seul, "xl/workbook.xml").find("Échéancier"), std::string::npos);
    EXPECT_EQ(essai::En_Tete_Xlsx(seul, 1), "&CLISTE DES ACCORDS NON RENOUVELES SUR MAI 2018");
}

}  // namespace
