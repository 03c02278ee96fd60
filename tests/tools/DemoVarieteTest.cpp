#include <gtest/gtest.h>

#include <set>

#include "DemoLue.h"
#include "demogen/JourInterne.h"

// The demo must show every case the report distinguishes. Each case is found in the data as
// the report would meet it, whatever the generator meant.
namespace {

using Record = nlohmann::json;

std::string att(const Record& r, int n) {
    return DemoLue::attribut(r, n);
}
int jour(const Record& r, int n) {
    return std::stoi(att(r, n));
}

const DemoLue& demo() {
    return demoLue(7);
}

// The agreements of each person, by key.
const std::map<std::string, std::map<std::string, const Record*>>& accordsDe() {
    static const auto parPersonne = [] {
        std::map<std::string, std::map<std::string, const Record*>> accords;
        for (const auto& [cle, r] : demo().fichier("ACCORD")) {
            accords[cle.substr(0, 5)].emplace(cle, &r);
        }
        return accords;
    }();
    return parPersonne;
}

const Record& organisme(const std::string& code) {
    return demo().fichier("ORGPRISECHARGE").at(code);
}
bool financeLesSoins(const std::string& code) {
    return att(organisme(code), 18) == "P";
}

// The follow-on agreements of the person that start on `jour`.
std::vector<const Record*> suivants(const std::string& personne, int jourDebut) {
    std::vector<const Record*> liste;
    for (const auto& [cle, r] : accordsDe().at(personne)) {
        if (jour(*r, 5) == jourDebut) {
            liste.push_back(r);
        }
    }
    return liste;
}

// Request lines of the person whose period contains `jour`, by funding-body type.
int lignesCouvrant(const std::string& personne, int j, bool typeP) {
    const auto& demandes = demo().fichier("DEMANDACC");
    if (!demandes.contains(personne)) {
        return 0;
    }
    const auto& r = demandes.at(personne);
    int n = 0;
    for (int i = 1; i <= DemoLue::nombreDeValeurs(r, 2); ++i) {
        const bool couvre =
            std::stoi(DemoLue::valeur(r, 3, i)) <= j && std::stoi(DemoLue::valeur(r, 4, i)) >= j;
        n += couvre && financeLesSoins(DemoLue::valeur(r, 1, i)) == typeP;
    }
    return n;
}

template <typename Predicat>
int compterAccords(Predicat predicat) {
    int n = 0;
    for (const auto& [cle, r] : demo().fichier("ACCORD")) {
        n += predicat(cle, r);
    }
    return n;
}

}  // namespace

TEST(DemoVariete, MostAgreementsAreRenewedTheNextDayButNotAll) {
    const int total = static_cast<int>(demo().fichier("ACCORD").size());
    const int renouveles = compterAccords([](const std::string& cle, const Record& r) {
        for (const Record* s : suivants(cle.substr(0, 5), jour(r, 6) + 1)) {
            const auto& o = organisme(att(*s, 1));
            if (att(o, 18) == "P" && att(o, 20) != "0" && att(*s, 18) != "O") {
                return true;
            }
        }
        return false;
    });
    EXPECT_GT(renouveles, total / 2);
    EXPECT_LT(renouveles, total * 9 / 10);
}

TEST(DemoVariete, SomeFollowOnsDoNotCountAsRenewals) {
    const auto suivantsOu = [](auto condition) {
        return compterAccords([&](const std::string& cle, const Record& r) {
            const auto liste = suivants(cle.substr(0, 5), jour(r, 6) + 1);
            return std::ranges::any_of(liste, [&](const Record* s) { return condition(*s); });
        });
    };
    EXPECT_GE(suivantsOu([](const Record& s) { return att(s, 18) == "O"; }), 20);
    EXPECT_GE(suivantsOu([](const Record& s) { return att(organisme(att(s, 1)), 18) != "P"; }), 20);
    EXPECT_GE(suivantsOu([](const Record& s) {
                  const auto& o = organisme(att(s, 1));
                  return att(o, 18) == "P" && att(o, 20) == "0";
              }),
              15);
}

TEST(DemoVariete, SomeAgreementsAreFollowedAfterAGap) {
    const int avecInterruption = compterAccords([](const std::string& cle, const Record& r) {
        const auto& chaine = accordsDe().at(cle.substr(0, 5));
        const auto suivant = chaine.upper_bound(cle);
        return suivant != chaine.end() && jour(*suivant->second, 5) > jour(r, 6) + 1;
    });
    EXPECT_GE(avecInterruption, 100);
}

TEST(DemoVariete, RequestsCoverSomeEndsAndLeaveOthersUncovered) {
    int couverts = 0, parUnAutreType = 0, lignesEchues = 0;
    for (const auto& [cle, r] : demo().fichier("ACCORD")) {
        const auto personne = cle.substr(0, 5);
        couverts += lignesCouvrant(personne, jour(r, 6) + 1, true) > 0;
        parUnAutreType += lignesCouvrant(personne, jour(r, 6) + 1, false) > 0 &&
                          lignesCouvrant(personne, jour(r, 6) + 1, true) == 0;
        lignesEchues += lignesCouvrant(personne, jour(r, 6), true) > 0 &&
                        lignesCouvrant(personne, jour(r, 6) + 1, true) == 0;
    }
    EXPECT_GE(couverts, 100);
    EXPECT_GE(parUnAutreType, 10);
    EXPECT_GE(lignesEchues, 10);
    int plusieursLignes = 0;
    for (const auto& [cle, r] : demo().fichier("DEMANDACC")) {
        plusieursLignes += DemoLue::nombreDeValeurs(r, 2) > 1;
    }
    EXPECT_GE(plusieursLignes, 5);
}

TEST(DemoVariete, SomeChainsHaveAHoleInTheirNumbering) {
    int trous = 0;
    for (const auto& [personne, chaine] : accordsDe()) {
        trous += std::stoi(chaine.rbegin()->first.substr(5)) != static_cast<int>(chaine.size());
    }
    EXPECT_GE(trous, 3);
}

TEST(DemoVariete, PersonsAndRecordsShowTheUnusualShapes) {
    int sortis = 0, secteursLongs = 0, nomsLongs = 0;
    for (const auto& [code, r] : demo().fichier("CIVILAIDE")) {
        sortis += !att(r, 25).empty();
        secteursLongs += att(r, 40).size() > 3;
        nomsLongs += (att(r, 2) + " " + att(r, 3)).size() > 32;
    }
    EXPECT_GE(sortis, 5);
    EXPECT_LT(sortis, 100);
    EXPECT_GE(secteursLongs, 5);
    EXPECT_GE(nomsLongs, 3);
    EXPECT_GE(
        compterAccords([](const std::string&, const Record& r) { return !att(r, 20).empty(); }),
        20);
}

TEST(DemoVariete, FundingBodiesOfEveryKind) {
    int autresTypes = 0, statutZero = 0, fermes = 0, siglesLongs = 0;
    for (const auto& [code, r] : demo().fichier("ORGPRISECHARGE")) {
        autresTypes += att(r, 18) != "P";
        statutZero += att(r, 20) == "0";
        fermes += !att(r, 63).empty();
        siglesLongs += att(r, 1).size() > 39;
    }
    EXPECT_GE(autresTypes, 3);
    EXPECT_GE(statutZero, 3);
    EXPECT_GT(fermes, statutZero);
    EXPECT_GE(siglesLongs, 1);
}

TEST(DemoVariete, ManagerAddressesHaveEveryShape) {
    int sansAdresse = 0, sansComplement = 0, avecComplement = 0, partiesVides = 0;
    for (const auto& [code, r] : demo().fichier("RESPONSABLE")) {
        const std::string parties = att(r, 2) + att(r, 3) + att(r, 4) + att(r, 5);
        sansAdresse += parties.empty();
        partiesVides += !parties.empty() && (att(r, 2).empty() || att(r, 3).empty());
        (att(r, 6).empty() ? sansComplement : avecComplement) += 1;
        EXPECT_FALSE(att(r, 1).empty());
    }
    EXPECT_GE(sansAdresse, 1);
    EXPECT_GE(partiesVides, 1);
    EXPECT_GE(sansComplement, 1);
    EXPECT_GE(avecComplement, 1);
}

TEST(DemoVariete, AgreementsEndInEveryMonthFrom2025To2027) {
    std::map<int, int> parMois;
    for (const auto& [cle, r] : demo().fichier("ACCORD")) {
        for (int m = 0; m < 36; ++m) {
            const int debut = demogen::premierJourDuMois(2025, m + 1);
            const int fin = demogen::premierJourDuMois(2025, m + 2) - 1;
            if (jour(r, 6) >= debut && jour(r, 6) <= fin) {
                ++parMois[m];
            }
        }
    }
    for (int m = 0; m < 36; ++m) {
        EXPECT_GE(parMois[m], 50) << "mois " << m + 1;
    }
}
