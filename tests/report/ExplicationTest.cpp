#include <gtest/gtest.h>

#include <map>

#include "CriteresAffiches.h"
#include "DonneesRapport.h"
#include "ImpressionEssai.h"
#include "SelectionAccords.h"
#include "liste/Explication.h"
#include "outils/Outils.h"

// Why an agreement is, or is not, on the list of May 2018: the explanation joins the print
// run's own decisions to the conditions of its sentence, tested one by one.

namespace {

using essai::ImpressionEssai;
using essai::LigneAccord;
using essai::LigneDemande;
using rapport::ExplicationAccord;
using Lignes = std::vector<std::string>;

using essai::AccordDeMai;
using essai::JourApresMai;
using essai::Suivant;

// One person of sector S01 (S02 when said) with its agreement of May and the lines given.
Lignes Aide(const std::string& code, const Lignes& suite, const std::string& secteur = "S01") {
    Lignes lignes{essai::Aide({code, "NOM" + code, "Jean", "R01", secteur}),
                  AccordDeMai(code + "001")};
    lignes.insert(lignes.end(), suite.begin(), suite.end());
    return lignes;
}

Lignes Donnees() {
    Lignes lignes;
    for (const Lignes& aide : std::vector<Lignes>{
             Aide("00001", {Suivant("00001002")}),
             Aide("00002", {Suivant("00002002", 3)}),
             Aide("00003", {Suivant("00003002", 0, "001", "O")}),
             Aide("00004", {Suivant("00004002", 0, "003")}),
             Aide("00005", {Suivant("00005002", 0, "002")}),
             Aide("00006",
                  {essai::Demande("00006", {{"002", JourApresMai(-10), JourApresMai(10)},
                                            {"001", JourApresMai(-10), JourApresMai(10)}})}),
             Aide("00007", {essai::Demande("00007", {{"001", JourApresMai(1), JourApresMai(10)}})}),
             Aide("00008", {}, "S02"),
             {AccordDeMai("00009001")},
             {essai::Aide({"00010", "NOM00010", "Jean"}),
              LigneAccord(
                  {"00010001", essai::TexteJour(2017, 1, 1), essai::TexteJour(2018, 4, 30)}),
              AccordDeMai("00010002", "003")},
         }) {
        lignes.insert(lignes.end(), aide.begin(), aide.end());
    }
    return essai::Avec(lignes);
}

// The explanation of a person as the print run of a login decided it.
struct Expliquee {
    rapport::Explication explication;
    std::vector<std::string> codes;
    std::string texte;
    // Each printed code's place, as "page P, ligne L".
    std::map<std::string, std::string> places;
};

Expliquee Expliquer(const std::string& aide, const std::string& login = "secteur1",
                    const Lignes& autres = {}) {
    Lignes lignes = Donnees();
    lignes.insert(lignes.end(), autres.begin(), autres.end());
    ImpressionEssai impression(lignes, login);
    rapport::RecueilDecisions recueil(aide);
    impression.controle->Observateur_Liste(&recueil);
    const auto parties = rapport::Parties_Selection(Criteres_Affiches(*impression.controle),
                                                    impression.controle->Periode_Affichee());
    impression.Imprimer();
    EXPECT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
    Expliquee resultat{rapport::Expliquer(*impression.base, aide, "", "MAI 2018", parties, recueil),
                       essai::Codes(impression.Document()),
                       "",
                       {}};
    const auto& document = impression.Document();
    for (int page = 1; page <= document.pages; ++page) {
        int ligne = 0;
        for (const std::string& detail : essai::Details(document, page)) {
            resultat.places[detail.substr(0, 5)] =
                "page " + std::to_string(page) + ", ligne " + std::to_string(++ligne);
        }
    }
    resultat.texte = rapport::Texte_Explication(resultat.explication, [](const std::string& jour) {
        return outils::Outils::Partage().DateExterne(jour);
    });
    return resultat;
}

const ExplicationAccord& Accord(const Expliquee& e, const std::string& cle) {
    for (const auto& accord : e.explication.accords) {
        if (accord.cle == cle) {
            return accord;
        }
    }
    throw std::logic_error("accord absent : " + cle);
}

bool Contient(const std::string& texte, const std::string& morceau) {
    return texte.find(morceau) != std::string::npos;
}

// Each follow-on agreement with every condition the renewal rule tests on it, the failing one
// said in words.
TEST(Explication, RenouvellementAccordSuivantRegleParRegle) {
    struct Cas {
        std::string aide;
        bool renouvele;
        std::string morceau;
    };
    for (const Cas& cas : std::vector<Cas>{
             {"00001", true,
              "accord 00001002 : commence le 01/06/2018 (DateDebutAccord), le lendemain de la "
              "fin : renouvelle l'accord\n"
              "         . marque (attribut 18 du fichier ACCORD) vide, autre que « O » : "
              "vérifiée\n"
              "         . type de l'organisme 001 (attribut 18 du fichier ORGPRISECHARGE) « P » : "
              "vérifiée\n"
              "         . statut de l'organisme 001 (attribut 20 du fichier ORGPRISECHARGE) "
              "vide, autre que « 0 » : vérifiée\n"},
             {"00002", false,
              "accord 00002002 : commence le 04/06/2018 (DateDebutAccord), après le lendemain "
              "de la fin : ne renouvelle pas\n"},
             {"00003", false,
              "le lendemain de la fin, mais ne renouvelle pas :\n"
              "         . marque (attribut 18 du fichier ACCORD) « O » : un accord marqué « O » "
              "ne compte pas : NON vérifiée\n"},
             {"00004", false,
              ". type de l'organisme 003 (attribut 18 du fichier ORGPRISECHARGE) « M » au lieu "
              "de « P » : NON vérifiée\n"},
             {"00005", false,
              ". statut de l'organisme 002 (attribut 20 du fichier ORGPRISECHARGE) « 0 » : "
              "l'organisme ne prend plus de nouveaux accords : NON vérifiée\n"},
         }) {
        const Expliquee e = Expliquer(cas.aide);
        const ExplicationAccord& accord = Accord(e, cas.aide + "001");
        ASSERT_TRUE(accord.decision) << cas.aide;
        EXPECT_EQ(accord.decision->renouvele, cas.renouvele) << cas.aide;
        EXPECT_TRUE(Contient(e.texte, cas.morceau)) << e.texte;
        EXPECT_TRUE(Contient(e.texte,
                             "il faut un accord suivant de l'aidé qui commence le "
                             "01/06/2018, lendemain de la fin"))
            << e.texte;
        EXPECT_EQ(Contient(rapport::Verdict(accord), "imprimé page"), !cas.renouvele);
        EXPECT_EQ(std::count(e.codes.begin(), e.codes.end(), cas.aide), cas.renouvele ? 0 : 1);
    }
}

TEST(Explication, DemandeDeRenouvellementLigneParLigne) {
    const Expliquee couverte = Expliquer("00006");
    EXPECT_TRUE(Accord(couverte, "00006001").decision->couvert);
    EXPECT_TRUE(Contient(couverte.texte,
                         "ligne 1 : du 22/05/2018 au 11/06/2018 (attribut 3 du fichier DEMANDACC, "
                         "attribut 4 du fichier DEMANDACC), contient le lendemain de la fin ; "
                         "organisme 002 de type (attribut 18 du fichier ORGPRISECHARGE) « P » : "
                         "couvre l'accord\n"))
        << couverte.texte;
    EXPECT_EQ(rapport::Verdict(Accord(couverte, "00006001")),
              "non imprimé : couvert par une demande de renouvellement");

    const Expliquee apres = Expliquer("00007");
    EXPECT_FALSE(Accord(apres, "00007001").decision->couvert);
    EXPECT_TRUE(Contient(apres.texte,
                         "ligne 1 : du 02/06/2018 au 11/06/2018 (attribut 3 du fichier DEMANDACC, "
                         "attribut 4 du fichier DEMANDACC), commence après le lendemain de la fin "
                         ": ne couvre pas\n"))
        << apres.texte;
}

TEST(Explication, DroitsEtFicheAbsente) {
    const Expliquee cache = Expliquer("00008");
    EXPECT_EQ(rapport::Verdict(Accord(cache, "00008001")),
              "non imprimé : aidé caché par les droits de l'utilisateur");
    EXPECT_TRUE(Contient(cache.texte,
                         "secteur « S02 » (attribut 40 du fichier CIVILAIDE, 3 premiers "
                         "caractères) caché à l'utilisateur"))
        << cache.texte;

    const Expliquee sansFiche = Expliquer("00009", "admin");
    EXPECT_TRUE(Contient(sansFiche.texte, "fiche de l'aidé absente du fichier")) << sansFiche.texte;
    EXPECT_EQ(rapport::Verdict(Accord(sansFiche, "00009001")),
              "imprimé " + sansFiche.places.at("00009"));
}

// Every condition of the sentence in words, its attribute by the dictionary's name, for an
// agreement of the month and for one that ends before it.
TEST(Explication, PhraseDeSelectionEtMois) {
    const Expliquee e = Expliquer("00010");
    ASSERT_EQ(e.explication.accords.size(), 2U);
    const ExplicationAccord& avril = Accord(e, "00010001");
    EXPECT_FALSE(avril.dansLeMois);
    EXPECT_EQ(rapport::Verdict(avril), "non imprimé : l'accord ne se termine pas dans le mois");
    const ExplicationAccord& mutuelle = Accord(e, "00010002");
    EXPECT_TRUE(mutuelle.dansLeMois);
    EXPECT_FALSE(mutuelle.selectionne);
    EXPECT_FALSE(mutuelle.decision);
    for (const char* morceau : {
             "- la date de fin de l'accord (DateFinAccord) est le 30/04/2018, avant le "
             "01/05/2018 : NON vérifiée, l'accord est écarté\n",
             "- la date de fin de l'accord (DateFinAccord) est le 30/04/2018, pas après le "
             "31/05/2018 : vérifiée\n",
             "- la date de fin de l'accord (DateFinAccord) est le 31/05/2018, pas avant le "
             "01/05/2018 : vérifiée\n",
             "- le type de l'organisme de prise en charge (TypeOrgChgAcc) vaut « M » au lieu "
             "de « P » : NON vérifiée, l'accord est écarté\n",
             "- l'entité juridique de l'accord (EntiteAccord) vaut « 041 », comme demandé : "
             "vérifiée\n",
             "- la date de sortie de l'aidé (DateSortieAideAccord) est vide, comme demandé : "
             "vérifiée\n",
             "- la marque de l'accord (attribut 18 du fichier ACCORD) est vide, comme demandé : "
             "vérifiée\n",
         }) {
        EXPECT_TRUE(Contient(e.texte, morceau)) << morceau << "\n" << e.texte;
    }
    EXPECT_FALSE(Contient(e.texte, "6 >=")) << e.texte;
}

// A name that a dictionary gives an attribute replaces its number wherever the explanation
// speaks of it.
TEST(Explication, LesNomsSontCeuxDesDictionnaires) {
    const Expliquee e = Expliquer(
        "00004", "secteur1",
        {essai::Ligne("DICT ACCORD", "MarqueAccord", {{1, "D"}, {2, "18"}, {5, "L"}}),
         essai::Ligne("DICT ORGPRISECHARGE", "TypeOrganisme", {{1, "D"}, {2, "18"}, {5, "L"}}),
         essai::Ligne("DICT ORGPRISECHARGE", "NomCourt", {{1, "I"}, {2, "@RECORD<1>"}})});
    for (const char* morceau : {
             "- la marque de l'accord (MarqueAccord) est vide, comme demandé : vérifiée\n",
             ". marque (MarqueAccord) vide, autre que « O » : vérifiée\n",
             ". type de l'organisme 003 (TypeOrganisme) « M » au lieu de « P » : NON vérifiée\n",
         }) {
        EXPECT_TRUE(Contient(e.texte, morceau)) << morceau << "\n" << e.texte;
    }
    EXPECT_FALSE(Contient(e.texte, "attribut 18")) << e.texte;
}

// The verdict and the paper agree on every person: printed exactly for the lines of the
// document, at their page and line.
TEST(Explication, ImprimeExactementPourLesLignesDuDocument) {
    for (int numero = 1; numero <= 10; ++numero) {
        const std::string aide = std::to_string(100000 + numero).substr(1);
        const Expliquee e = Expliquer(aide, "admin");
        const auto place = e.places.find(aide);
        int imprimes = 0;
        for (const auto& accord : e.explication.accords) {
            if (accord.decision && accord.decision->Listee()) {
                ++imprimes;
                ASSERT_NE(place, e.places.end()) << aide;
                EXPECT_EQ(rapport::Verdict(accord), "imprimé " + place->second);
            } else {
                EXPECT_TRUE(rapport::Verdict(accord).starts_with("non imprimé")) << accord.cle;
            }
        }
        EXPECT_EQ(imprimes, place == e.places.end() ? 0 : 1) << aide;
    }
}

TEST(Explication, JsonPourLesAutresProgrammes) {
    const std::string json = rapport::Json_Explication(
        Expliquer("00004").explication,
        [](const std::string& jour) { return outils::Outils::Partage().DateExterne(jour); });
    EXPECT_TRUE(Contient(json, "\"accord\": \"00004002\"")) << json;
    EXPECT_TRUE(Contient(json, "\"typeOrganisme\": \"M\""));
    EXPECT_TRUE(Contient(json, "\"imprime\": true"));
    EXPECT_TRUE(Contient(json, "\"attribut\": \"DateFinAccord\""));
    EXPECT_TRUE(Contient(json,
                         "\"constat\": \"la date de fin de l'accord (DateFinAccord) est le "
                         "31/05/2018, pas avant le 01/05/2018\""))
        << json;
}

}  // namespace
