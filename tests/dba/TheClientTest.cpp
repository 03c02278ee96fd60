#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>

#include "BaseTemporaire.h"
#include "FluxEnPause.h"
#include "mvdb/TheClient.h"

using testing::HasSubstr;

namespace {

// Runs a request through the component's interface; `sortie` receives its message.
dba::ListeResultat executer(dba::TheDatabase& base, const std::string& phrase,
                            const std::string& fichier, const std::string& attributs,
                            std::string* sortie = nullptr) {
    dba::Requete demande;
    demande.definir(1, phrase);
    demande.definir(2, fichier);
    demande.definir(3, attributs);
    std::string message;
    dba::ListeResultat resultat;
    base.ExecuterSelection(demande.texte(), "", sortie ? *sortie : message, resultat);
    return resultat;
}

class Client : public testing::Test {
  protected:
    void SetUp() override {
        base_.importer(
            "{\"file\":\"COMMUNES\",\"id\":\"75056\",\"record\":[\"PARIS\"]}\n"
            "{\"file\":\"COMMUNES\",\"id\":\"69123\",\"record\":[\"LYON\",[\"a\",\"b\"]]}\n");
    }
    BaseTemporaire base_;
};

// A read by key reports a missing key as not on file. The print run's read answers it with
// false instead, whether the file reads it at once, takes it from what it read before, or from
// what was announced to it, and leaves the record as it was.
TEST_F(Client, AMissingKeyIsNotOnFileOrAFalseAnswerThatLeavesTheRecordAsItWas) {
    dba::TheClient client(base_.chemin());
    const auto communes = client.base()->OuvrirFichier("COMMUNES");
    const dba::Enregistrement lyon = communes->LireEnreg("69123");
    EXPECT_EQ(lyon(1), "LYON");
    EXPECT_EQ(lyon(2, 2), "b");
    const dba::Erreur absent = erreurDe([&] { communes->LireEnreg("99999"); });
    EXPECT_EQ(absent.numero(), 0x8004000Bu);
    EXPECT_THAT(absent.texte(), HasSubstr("99999"));
    const dba::Erreur inconnu = erreurDe([&] { client.base()->OuvrirFichier("ABSENT"); });
    EXPECT_EQ(inconnu.numero(), dba::ErrFichierInconnu);
    EXPECT_THAT(inconnu.texte(), HasSubstr("« ABSENT »"));

    const auto chercher = [&](const std::string& cle, dba::Enregistrement& lu) {
        return communes->ChercherEnreg(cle, lu);
    };
    dba::Enregistrement lu = lyon;
    EXPECT_FALSE(chercher("99999", lu));
    EXPECT_EQ(lu(1), "LYON");
    ASSERT_TRUE(chercher("75056", lu));
    EXPECT_EQ(lu.texte(), "PARIS");
    {
        const auto vue = client.base()->FigerLecture();
        communes->Prelire({"69123", "99998"});
        for (int fois = 1; fois <= 2; ++fois) {
            const std::string avant = lu.texte();
            EXPECT_FALSE(chercher("99998", lu)) << fois;
            EXPECT_FALSE(chercher("99999", lu)) << fois;
            EXPECT_EQ(lu.texte(), avant) << fois;
            ASSERT_TRUE(chercher("69123", lu)) << fois;
            EXPECT_EQ(lu(2, 1), "a") << fois;
            EXPECT_EQ(lu.DCount(), 2) << fois;
        }
    }
    EXPECT_EQ(erreurDe([&] { communes->LireEnreg("99998"); }).numero(), dba::ErrNonTrouve);
}

// A file reads the keys announced to it together, in key order: neighbours one step apart,
// keys with records between them that were not announced, keys missing before, between and
// after the records, keys that begin other keys, bytes past ASCII, duplicates, all announced
// in no order. Each read then gives the record of its own key, as a read outside a view does.
TEST(ClientLecturesAnnoncees, EachAnnouncedKeyGetsItsOwnRecordWhateverTheOrderAnnounced) {
    BaseTemporaire base;
    const std::vector<std::string> presentes{"A", "A001", "A002", "A003",   "A010", "A1",
                                             "B", "B002", "M",    "\u00e9", "Z"};
    std::string lignes;
    for (const std::string& cle : presentes) {
        lignes +=
            "{\"file\":\"ACCORD\",\"id\":\"" + cle + "\",\"record\":[\"fiche " + cle + "\"]}\n";
    }
    base.importer(lignes);
    dba::TheClient client(base.chemin());
    const auto accords = client.base()->OuvrirFichier("ACCORD");
    const std::vector<std::string> annoncees{"Z",        "A003", "0",  "A",  "\xC3\xA9", "B",
                                             "M",        "Zz",   "A0", "M",  "B002",     "L",
                                             "\xC3\xA8", "A004", "A1", "A10"};
    const auto lire = [&](const std::string& cle) {
        dba::Enregistrement lu;
        return accords->ChercherEnreg(cle, lu) ? lu(1) : std::string("(absent)");
    };
    std::vector<std::string> horsVue;
    for (const std::string& cle : annoncees) {
        horsVue.push_back(lire(cle));
    }
    EXPECT_EQ(horsVue[0], "fiche Z");
    EXPECT_EQ(horsVue[4], "fiche \xC3\xA9");
    EXPECT_EQ(horsVue[2], "(absent)");
    const auto vue = client.base()->FigerLecture();
    accords->Prelire(annoncees);
    for (std::size_t rang = 0; rang < annoncees.size(); ++rang) {
        EXPECT_EQ(lire(annoncees[rang]), horsVue[rang]) << annoncees[rang];
    }
    EXPECT_EQ(std::count(horsVue.begin(), horsVue.end(), "(absent)"), 7);
}

TEST_F(Client, RunsTheSelectionOfARequestOnTheFileItNames) {
    dba::TheClient client(base_.chemin());
    std::string sortie;
    EXPECT_EQ(lisible(executer(*client.base(), "SSELECT  COMMUNES AVEC 1 = \"L]\" PAR 1",
                               "COMMUNES", "0 1", &sortie)),
              "69123,LYON");
    EXPECT_THAT(sortie, HasSubstr("1"));
    EXPECT_EQ(
        erreurDe([&] { executer(*client.base(), "SSELECT COMMUNES", "ACCORD", "0"); }).numero(),
        dba::ErrArgument);
}

TEST_F(Client, OpeningNeedsAnExistingDatabase) {
    EXPECT_EQ(erreurDe([&] { dba::TheClient(base_.chemin() + ".absent"); }).numero(),
              dba::ErrStockage);
    // A file of another kind, or a server database that holds none of ours.
    const std::string autre = base_.autreBase("autre.txt");
    if (!base_.surServeur()) {
        std::ofstream(autre) << "pas une base\n";
    }
    const dba::Erreur erreur = erreurDe([&] { dba::TheClient client(autre); });
    EXPECT_EQ(erreur.numero(), dba::ErrStockage);
    EXPECT_THAT(erreur.texte(), HasSubstr("n'est pas une base"));
    EXPECT_EQ(erreurDe([&] { mvdb::Base::creer(base_.chemin()); }).numero(), dba::ErrStockage);
}

TEST_F(Client, ReaderSeesTheLastCommittedStateWhileAnImportIsOpen) {
    dba::TheClient client(base_.chemin());
    const auto communes = client.base()->OuvrirFichier("COMMUNES");
    bool vu = false;
    FluxEnPause flux({"{\"file\":\"COMMUNES\",\"id\":\"75056\",\"record\":[\"PARIS 1ER\"]}",
                      "{\"file\":\"COMMUNES\",\"id\":\"13055\",\"record\":[\"MARSEILLE\"]}",
                      "{\"file\":\"COMMUNES\",\"id\":\"33063\",\"record\":[\"BORDEAUX\"]}"},
                     2, [&] {
                         EXPECT_EQ(lisible(executer(*client.base(), "SSELECT COMMUNES PAR 1",
                                                    "COMMUNES", "0 1")),
                                   "69123,LYON | 75056,PARIS");
                         EXPECT_EQ(communes->LireEnreg("75056")(1), "PARIS");
                         vu = true;
                     });
    std::istream lignes(&flux);
    base_.base().importer(lignes);
    ASSERT_TRUE(vu);
    EXPECT_EQ(lisible(executer(*client.base(), "SSELECT COMMUNES PAR 1", "COMMUNES", "0 1")),
              "33063,BORDEAUX | 69123,LYON | 13055,MARSEILLE | 75056,PARIS 1ER");
    EXPECT_EQ(communes->LireEnreg("75056")(1), "PARIS 1ER");
}

TEST_F(Client, AFrozenViewKeepsItsStateAcrossReadsAndSelectionsUntilReleased) {
    dba::TheClient client(base_.chemin());
    const auto communes = client.base()->OuvrirFichier("COMMUNES");
    {
        const dba::VueLecture vue = client.base()->FigerLecture();
        EXPECT_EQ(communes->LireEnreg("75056")(1), "PARIS");
        base_.importer(
            "{\"file\":\"COMMUNES\",\"id\":\"75056\",\"record\":[\"PARIS 1ER\"]}\n"
            "{\"file\":\"COMMUNES\",\"id\":\"13055\",\"record\":[\"MARSEILLE\"]}\n");
        EXPECT_EQ(communes->LireEnreg("75056")(1), "PARIS");
        EXPECT_EQ(lisible(executer(*client.base(), "SSELECT COMMUNES PAR 1", "COMMUNES", "0 1")),
                  "69123,LYON | 75056,PARIS");
        EXPECT_EQ(erreurDe([&] { communes->LireEnreg("13055"); }).numero(), dba::ErrNonTrouve);
    }
    EXPECT_EQ(communes->LireEnreg("75056")(1), "PARIS 1ER");
    EXPECT_EQ(communes->LireEnreg("13055")(1), "MARSEILLE");
}

// File A and file B hold the same keys and, after every import, the same generation number;
// A's item Miroir reads B's value through TRANS.
std::string generation(int numero) {
    std::string lignes;
    for (int i = 0; i < 300; ++i) {
        const std::string cle = "K" + std::to_string(1000 + i);
        for (const char* fichier : {"A", "B"}) {
            lignes += std::string("{\"file\":\"") + fichier + "\",\"id\":\"" + cle +
                      "\",\"record\":[\"" + std::to_string(numero) + "\"]}\n";
        }
    }
    return lignes;
}

TEST(ClientConcurrent, EachSelectionSeesOneStateWhileAnotherProcessImports) {
    constexpr int Generations = 15;
    BaseTemporaire base;
    base.importer(generation(0) +
                  "{\"file\":\"DICT A\",\"id\":\"Miroir\",\"record\":[\"I\","
                  "\"TRANS(\\\"B\\\", @ID, 1, \\\"X\\\")\"]}\n");
    dba::TheClient client(base.chemin());
    const pid_t enfant = fork();
    ASSERT_NE(enfant, -1);
    if (enfant == 0) {
        try {
            mvdb::Base ecriture = mvdb::Base::ouvrir(base.chemin(), mvdb::Mode::LectureEcriture);
            for (int g = 1; g <= Generations; ++g) {
                std::istringstream lot(generation(g));
                ecriture.importer(lot);
            }
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    std::set<std::string> generationsVues;
    int statut = 0;
    for (bool fini = false; !fini;) {
        fini = waitpid(enfant, &statut, WNOHANG) == enfant;
        const dba::ListeResultat liste = executer(*client.base(), "SSELECT A", "A", "1 Miroir");
        ASSERT_EQ(liste.DCount(), 300);
        for (int r = 1; r <= liste.DCount(); ++r) {
            ASSERT_EQ(liste(r, 1), liste(1, 1)) << "ligne " << r;
            ASSERT_EQ(liste(r, 2), liste(1, 1)) << "ligne " << r;
        }
        generationsVues.insert(liste(1, 1));
    }
    ASSERT_TRUE(WIFEXITED(statut));
    EXPECT_EQ(WEXITSTATUS(statut), 0);
    EXPECT_TRUE(generationsVues.contains(std::to_string(Generations)));
}

}  // namespace
