// The lead time of each funding body, as an office sets and reads it with the tool: the list of
// the bodies with their months, a body without a record at 0, a new value replacing the old,
// and what is refused leaving the database as it was. On both stores.
#include <gtest/gtest.h>

#include "BaseTemporaire.h"
#include "ConsoleEssai.h"

namespace {

essai::Resultat delais(const QStringList& arguments) {
    return essai::Lancer(QStringList{"delais"} + arguments);
}

class DelaisOrganismes : public ::testing::Test {
  protected:
    DelaisOrganismes() {
        base_.importer(ligneJson("ORGPRISECHARGE", "001", {{1, "CD75 APA"}, {18, "P"}}) +
                       ligneJson("ORGPRISECHARGE", "002", {{1, "CD75 PCH"}, {18, "P"}}) +
                       ligneJson("ORGPRISECHARGE", "003", {{1, "CNAV"}, {18, "P"}}));
    }

    QString nom() const { return QString::fromStdString(base_.chemin()); }
    std::string liste() { return delais({nom()}).sortie; }

    BaseTemporaire base_;
};

TEST_F(DelaisOrganismes, EveryBodyIsListedAndOneWithoutRecordHasNone) {
    EXPECT_EQ(liste(), "001\tCD75 APA\t0\n002\tCD75 PCH\t0\n003\tCNAV\t0\n");
    ASSERT_EQ(delais({nom(), "002", "6"}).code, 0);
    ASSERT_EQ(delais({nom(), "001", "24"}).code, 0);
    EXPECT_EQ(liste(), "001\tCD75 APA\t24\n002\tCD75 PCH\t6\n003\tCNAV\t0\n");
    ASSERT_EQ(delais({nom(), "001", "0"}).code, 0);
    EXPECT_EQ(liste(), "001\tCD75 APA\t0\n002\tCD75 PCH\t6\n003\tCNAV\t0\n");
    const std::string exportee = base_.exporter();
    EXPECT_NE(exportee.find(R"({"file":"DELAIORG","id":"002","record":["6"]})"), std::string::npos);
}

TEST_F(DelaisOrganismes, WhatIsRefusedWritesNothing) {
    ASSERT_EQ(delais({nom(), "002", "6"}).code, 0);
    const std::string avant = base_.exporter();
    const struct {
        QStringList arguments;
        std::string message;
    } refus[] = {
        {{"999", "2"}, "l'organisme de prise en charge « 999 » n'existe pas"},
        {{"001", "25"}, "le délai « 25 » n'est pas un nombre de mois de 0 à 24"},
        {{"001", "1.5"}, "le délai « 1.5 » n'est pas un nombre de mois de 0 à 24"},
        {{"001", "deux"}, "le délai « deux » n'est pas un nombre de mois de 0 à 24"},
        {{"001"}, "le délai en mois de l'organisme 001 manque"},
    };
    for (const auto& r : refus) {
        const essai::Resultat s = delais(QStringList{nom()} + r.arguments);
        EXPECT_EQ(s.code, 2) << r.message;
        EXPECT_NE(s.erreurs.find(r.message), std::string::npos) << s.erreurs;
    }
    EXPECT_EQ(base_.exporter(), avant);
}

}  // namespace
