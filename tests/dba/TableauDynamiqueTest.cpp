#include <gtest/gtest.h>

#include "dba/Requete.h"

namespace {

// Parts joined by one mark.
std::string joint(std::initializer_list<std::string> parts, char marque = dba::MarqueAttribut) {
    std::string texte, separateur;
    for (const auto& part : parts) {
        texte += separateur + part;
        separateur = marque;
    }
    return texte;
}

TEST(TableauDynamique, ReadsElementsAndValuesFromOneAndEmptyPastTheEnd) {
    dba::Enregistrement e(joint({"a", joint({"x", "y"}, dba::MarqueValeur), "", "d"}));
    EXPECT_EQ(e(1), "a");
    EXPECT_EQ(e(2, 1), "x");
    EXPECT_EQ(e(2, 2), "y");
    EXPECT_EQ(e(3), "");
    EXPECT_EQ(e.DCount(), 4);
    EXPECT_EQ(e.DCount(1), 1);
    EXPECT_EQ(e.DCount(2), 2);
    EXPECT_EQ(e.DCount(3), 0);
    EXPECT_EQ(e(5), "");
    EXPECT_EQ(e(0), "");
    EXPECT_EQ(e(5, 1), "");
    EXPECT_EQ(e(1, 2), "");
    EXPECT_EQ(e(-1, 1), "");
    EXPECT_EQ(e.DCount(9), 0);
    dba::ListeResultat vide;
    EXPECT_EQ(vide.DCount(), 0);
    EXPECT_EQ(vide(1, 1), "");
}

TEST(TableauDynamique, RequestKeepsEmptyEdgesAndEmptiesOnEmptyText) {
    dba::Requete r;
    r.definir(3, "0 1");
    r.definir(1, "SSELECT X");
    EXPECT_EQ(r.texte(), joint({"SSELECT X", "", "0 1"}));
    r.assigner("");
    EXPECT_EQ(r.texte(), "");
    EXPECT_EQ(r.DCount(), 0);
    const std::string bords = joint({"", "b", ""});
    EXPECT_EQ(dba::Requete(bords).DCount(), 3);
    EXPECT_EQ(dba::Requete(bords).texte(), bords);
}

}  // namespace
