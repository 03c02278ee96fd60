// Selections whose candidates span several batches, with translations nested two deep: on a
// server the records of the candidates and of their translations travel in grouped reads,
// the next batch asked for while the current one is checked. The rows must be those a plain
// walk through the generated data gives, with and without an index to find the candidates.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "BaseTemporaire.h"

namespace {

struct Accord {
    std::string cle;
    std::string personne;
    int fin = 0;
};

struct Personne {
    std::string nom;
    std::string ville;
};

// 3,600 agreements of 500 persons (some of them missing) in 12 towns (some missing too).
class SelectionParLots : public testing::Test {
  protected:
    void SetUp() override {
        std::mt19937 hasard(11);
        std::string lignes;
        for (int v = 0; v < 10; ++v) {
            lignes += ligneJson(
                "VILLE", "V" + std::to_string(v),
                std::vector<std::string>{v % 3 == 0 ? "LYON" : "VILLE" + std::to_string(v)});
        }
        for (int p = 0; p < 500; ++p) {
            const std::string cle = "P" + std::to_string(1000 + p);
            const Personne personne{"NOM" + std::to_string(hasard() % 200),
                                    "V" + std::to_string(hasard() % 12)};
            if (p % 17 != 0) {
                lignes +=
                    ligneJson("PERS", cle, std::vector<std::string>{personne.nom, personne.ville});
                personnes_[cle] = personne;
            }
        }
        for (int a = 0; a < 3600; ++a) {
            const Accord accord{"A" + std::to_string(10000 + a),
                                "P" + std::to_string(1000 + hasard() % 520),
                                100 + static_cast<int>(hasard() % 100)};
            lignes +=
                ligneJson("ACCORD", accord.cle,
                          std::vector<std::string>{accord.personne, std::to_string(accord.fin)});
            accords_.push_back(accord);
        }
        lignes += itemJson("ACCORD", "Fin", "D", "2", "R") +
                  itemJson("ACCORD", "NomPers", "I", "TRANS(\"PERS\", @RECORD<1>, 1, \"X\")") +
                  itemJson("ACCORD", "Ville", "I",
                           "TRANS(\"VILLE\", TRANS(\"PERS\", @RECORD<1>, 2, \"X\"), 1, \"X\")");
        base_.importer(lignes);
    }

    std::string ville(const Accord& accord) const {
        const auto personne = personnes_.find(accord.personne);
        if (personne == personnes_.end()) {
            return "";
        }
        const std::string& cle = personne->second.ville;
        const int numero = std::stoi(cle.substr(1));
        return numero >= 10 ? "" : numero % 3 == 0 ? "LYON" : "VILLE" + std::to_string(numero);
    }
    std::string nom(const Accord& accord) const {
        const auto personne = personnes_.find(accord.personne);
        return personne == personnes_.end() ? "" : personne->second.nom;
    }

    // The rows "key,name,town" of the agreements ending from 120 to 180 in the town given,
    // by name then key, worked out from the data itself.
    std::string attendu(const std::string& villeVoulue) const {
        std::vector<const Accord*> retenus;
        for (const Accord& accord : accords_) {
            if (accord.fin >= 120 && accord.fin <= 180 && ville(accord) == villeVoulue) {
                retenus.push_back(&accord);
            }
        }
        std::sort(retenus.begin(), retenus.end(), [&](const Accord* a, const Accord* b) {
            return std::pair(nom(*a), a->cle) < std::pair(nom(*b), b->cle);
        });
        std::string lignes;
        for (const Accord* accord : retenus) {
            lignes += (lignes.empty() ? "" : " | ") + accord->cle + "," + nom(*accord) + "," +
                      villeVoulue;
        }
        return lignes;
    }

    std::string obtenu(const std::string& villeVoulue) {
        return lisible(base_.base().selectionner(
            "SSELECT ACCORD AVEC Fin >= \"120\" AND AVEC Fin <= \"180\" AND AVEC Ville = \"" +
                villeVoulue + "\" PAR NomPers",
            "0 NomPers Ville"));
    }

    BaseTemporaire base_;
    std::vector<Accord> accords_;
    std::map<std::string, Personne> personnes_;
};

TEST_F(SelectionParLots, RowsAreThoseOfTheDataWithAndWithoutAnIndex) {
    for (const bool indexe : {false, true}) {
        SCOPED_TRACE(indexe ? "avec index" : "sans index");
        if (indexe) {
            base_.base().declarerIndex("ACCORD", "Fin");
        }
        // An empty town: the persons or towns missing, which a translation not read yet would
        // also give.
        for (const std::string villeVoulue : {"LYON", "VILLE4", ""}) {
            SCOPED_TRACE(villeVoulue);
            const std::string rangees = attendu(villeVoulue);
            // Several batches of candidates, and rows in each case.
            EXPECT_GT(std::count(rangees.begin(), rangees.end(), '|'), 100);
            EXPECT_EQ(obtenu(villeVoulue), rangees);
        }
    }
}

}  // namespace
