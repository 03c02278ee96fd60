#include <gtest/gtest.h>

#include "dba/Requete.h"

using dba::MarqueAttribut;
using dba::MarqueValeur;

namespace {

std::string am(std::initializer_list<std::string> parts, char marque = MarqueAttribut) {
    std::string out;
    bool premier = true;
    for (const auto& p : parts) {
        if (!premier) {
            out += marque;
        }
        out += p;
        premier = false;
    }
    return out;
}

TEST(TableauDynamique, ReadsElementsAndValuesFromOne) {
    dba::Enregistrement e(am({"a", am({"x", "y"}, MarqueValeur), "", "d"}));
    EXPECT_EQ(e(1), "a");
    EXPECT_EQ(e(2, 2), "y");
    EXPECT_EQ(e(2, 1), "x");
    EXPECT_EQ(e(3), "");
    EXPECT_EQ(e.DCount(), 4);
    EXPECT_EQ(e.DCount(2), 2);
    EXPECT_EQ(e.DCount(3), 0);
    EXPECT_EQ(e.DCount(1), 1);
}

TEST(TableauDynamique, EverythingPastTheEndIsEmpty) {
    dba::ListeResultat l(am({"k1", "k2"}));
    EXPECT_EQ(l(3), "");
    EXPECT_EQ(l(3, 1), "");
    EXPECT_EQ(l(1, 2), "");
    EXPECT_EQ(l(0), "");
    EXPECT_EQ(l(-1, 1), "");
    EXPECT_EQ(l.DCount(9), 0);
    dba::ListeResultat vide;
    EXPECT_EQ(vide.texte(), "");
    EXPECT_EQ(vide.DCount(), 0);
    EXPECT_EQ(vide(1, 1), "");
}

TEST(TableauDynamique, AssigningEmptyTextEmptiesARequest) {
    dba::Requete r;
    r.definir(3, "0 1");
    r.definir(1, "SSELECT X");
    EXPECT_EQ(r.texte(), am({"SSELECT X", "", "0 1"}));
    EXPECT_EQ(r.DCount(), 3);
    r.assigner("");
    EXPECT_EQ(r.texte(), "");
    EXPECT_EQ(r.DCount(), 0);
    EXPECT_EQ(r(1), "");
}

TEST(TableauDynamique, WholeTextRoundTripsWithEmptyEdges) {
    const std::string texte = am({"", "b", ""});
    dba::Requete r(texte);
    EXPECT_EQ(r.DCount(), 3);
    EXPECT_EQ(r.texte(), texte);
}

}  // namespace
