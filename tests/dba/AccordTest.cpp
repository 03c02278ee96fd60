#include <gtest/gtest.h>

#include "BaseTemporaire.h"
#include "demogen/DictionnaireAccord.h"

namespace {

// The dictionary the demo ships and the print command's sentence names.
std::string dictionnaireAccord() {
    std::string lignes;
    demogen::ecrireDictionnaireAccord(lignes);
    return lignes;
}

std::string aide(const std::string& code, const std::string& nom, const std::string& prenom,
                 const std::string& commune, const std::string& sortie,
                 const std::string& responsable, const std::string& secteur) {
    return ligneJson(
        "CIVILAIDE", code,
        std::vector<std::pair<int, std::string>>{
            {2, nom}, {3, prenom}, {11, commune}, {25, sortie}, {39, responsable}, {40, secteur}});
}

std::string accord(const std::string& cle, const std::string& organisme, const std::string& entite,
                   const std::string& activite, const std::string& fin,
                   const std::string& marque = "", const std::string& cloture = "") {
    return ligneJson("ACCORD", cle,
                     std::vector<std::pair<int, std::string>>{{1, organisme},
                                                              {2, entite},
                                                              {3, activite},
                                                              {5, "19000"},
                                                              {6, fin},
                                                              {18, marque},
                                                              {20, cloture}});
}

std::string organisme(const std::string& code, const std::string& type) {
    return ligneJson("ORGPRISECHARGE", code,
                     std::vector<std::pair<int, std::string>>{{1, "ORG" + code}, {18, type}});
}

// January 2024 runs from day 20455 to day 20485.
std::string demo() {
    return dictionnaireAccord() + organisme("001", "P") + organisme("002", "N") +
           aide("A0001", "DUPONT", "JEAN", "75056", "", "R01", "S01X") +
           aide("A0002", "MARTIN", "ALICE", "69123", "", "R02", "S02") +
           aide("A0003", "DUPONT", "ANNE", "75056", "", "R01", "S01") +
           aide("A0004", "ZOLA", "EMILE", "13055", "19000", "R01", "S01") +
           accord("A0001001", "001", "E01", "E01A01", "20460") +
           accord("A0001002", "001", "E01", "E01A01", "20500") +
           accord("A0002001", "001", "E01", "E01A02", "20485") +
           accord("A0002002", "999", "E01", "E01A02", "20470") +
           accord("A0002003", "001", "E01", "E01A01", "020470") +
           accord("A0003001", "002", "E01", "E01A01", "20470") +
           accord("A0003002", "001", "E01", "E01A01", "20455", "O") +
           accord("A0003003", "001", "E01", "E01A01", "20470", "", "C") +
           accord("A0003004", "001", "E01", "E01A01", "20480") +
           accord("A0004001", "001", "E01", "E01A01", "20470") +
           accord("A0005001", "001", "E01", "E01A01", "20454") +
           accord("A0005002", "001", "E01", "E01A02", "20470") +
           accord("A0006001", "001", "E02", "E02A01", "20470");
}

// Rows 1 to 7 of the sentence, always there.
const std::string Debut =
    "SSELECT ACCORD AVEC TypeOrgChgAcc = \"P\" AND AVEC 6 >= \"20455\" AND AVEC 6 <= \"20485\" "
    "AND AVEC EntiteAccord = \"E01\" AND AVEC DateSortieAideAccord = \"\" AND AVEC 18 = \"\" "
    "AND AVEC 20 = \"\"";
const std::string Fin = " PAR NomPrenomAide";

class PhraseAccord : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        base_.importer(demo());
        if (GetParam()) {
            base_.base().declarerIndex("ACCORD", "6");
        }
    }
    std::string selectionner(const std::string& milieu) {
        return lisible(base_.base().selectionner(Debut + milieu + Fin, "0 6 1"));
    }
    BaseTemporaire base_;
};

TEST_P(PhraseAccord, GroupsLimitsAndSortsTheAgreementsEndingInTheMonth) {
    const std::string parResponsable =
        "A0005002,20470,001 | A0003004,20480,001 | A0001001,20460,001 | A0002001,20485,001 | "
        "A0002003,020470,001";
    const std::vector<std::pair<std::string, std::string>> cas = {
        {" PAR Responsable", parResponsable},
        {" PAR Secteur", parResponsable},
        {" PAR CommuneAide",
         "A0005002,20470,001 | A0002001,20485,001 | A0002003,020470,001 | A0003004,20480,001 | "
         "A0001001,20460,001"},
        // Limited to one group, sorted by name.
        {" AND AVEC CodeResponsable = \"R01\"", "A0003004,20480,001 | A0001001,20460,001"},
        {" AND AVEC CodeSecteur = \"S01\"", "A0003004,20480,001 | A0001001,20460,001"},
        {" AND AVEC CommuneAide = \"69123\"", "A0002001,20485,001 | A0002003,020470,001"},
        // Activity and funding-body filters after a sort clause.
        {" AND AVEC ActivitesOrg = \"E01A01\" PAR Responsable AND AVEC 1 = \"001\"",
         "A0003004,20480,001 | A0001001,20460,001 | A0002003,020470,001"},
        {" PAR CommuneAide AND AVEC 1 = \"002\"", ""},
    };
    for (const auto& [milieu, attendu] : cas) {
        SCOPED_TRACE(milieu);
        EXPECT_EQ(selectionner(milieu), attendu);
    }
}

INSTANTIATE_TEST_SUITE_P(SansEtAvecIndex, PhraseAccord, testing::Bool());

}  // namespace
