#include <gtest/gtest.h>

#include <QTest>

#include "Face.h"
#include "ImpressionQt.h"
#include "Installation.h"

namespace {

using essai::Installation;

// A control initialised on the given day, with a database that has nothing to list.
class Periode : public ::testing::Test {
  protected:
    std::unique_ptr<Ctr_Ardoine> Le(int annee, int mois) {
        installation.plateforme->Fixer_Date(QDate(annee, mois, 28));
        return installation.Initialiser();
    }
    static void Avancer(Ctr_Ardoine& controle, int pas) {
        for (int i = 0; i < std::abs(pas); ++i) {
            essai::Face(controle).Bdh_Periode->stepBy(pas > 0 ? 1 : -1);
        }
    }

    Installation installation{std::vector<std::string>{}};
};

TEST_F(Periode, LesMoisPortentLeurNomFrancaisEnCapitalesAccentuees) {
    auto controle = Le(2027, 1);
    QStringList noms;
    for (int mois = 1; mois <= 12; ++mois) {
        noms.append(essai::Face(*controle).Txt_Periode->text());
        Avancer(*controle, 1);
    }
    EXPECT_EQ(noms,
              (QStringList{"JANVIER 2027", "FÉVRIER 2027", "MARS 2027", "AVRIL 2027", "MAI 2027",
                           "JUIN 2027", "JUILLET 2027", "AOÛT 2027", "SEPTEMBRE 2027",
                           "OCTOBRE 2027", "NOVEMBRE 2027", "DÉCEMBRE 2027"}));
}

TEST_F(Periode, DouzePasRamenentLeMemeMoisDeLAnneeVoisine) {
    for (int mois = 1; mois <= 12; ++mois) {
        SCOPED_TRACE(mois);
        auto controle = Le(2027, mois);
        const QString nom = essai::Face(*controle).Txt_Periode->text().section(' ', 0, 0);
        Avancer(*controle, 12);
        EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), nom + " 2028");
        EXPECT_EQ(controle->Periode_Affichee(), QDate(2028, mois, 1));
        Avancer(*controle, -24);
        EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), nom + " 2026");
    }
}

TEST_F(Periode, ChaqueChangementFaitUnMoisQuelQueSoitSonPas) {
    auto controle = Le(2018, 5);
    essai::Face(*controle).Bdh_Periode->setValue(7);
    EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), "JUIN 2018");
    EXPECT_EQ(essai::Face(*controle).Bdh_Periode->value(), 7);
    essai::Face(*controle).Bdh_Periode->setValue(-3);
    EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), "MAI 2018");
}

TEST_F(Periode, LesFlechesDuClavierFontUnPas) {
    auto controle = Le(2018, 5);
    QTest::keyClick(essai::Face(*controle).Bdh_Periode, Qt::Key_Up);
    EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), "JUIN 2018");
    QTest::keyClick(essai::Face(*controle).Bdh_Periode, Qt::Key_Down);
    QTest::keyClick(essai::Face(*controle).Bdh_Periode, Qt::Key_Down);
    EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), "AVRIL 2018");
}

TEST_F(Periode, AuBoutDeSaCourseLaFlecheNeFaitRienEtNeRevientPasALAutreBout) {
    auto controle = Le(2018, 5);
    ardoine::BoutonsHautBas& fleches = *essai::Face(*controle).Bdh_Periode;
    fleches.setValue(ardoine::BoutonsHautBas::Maximum);
    const QString auBout = essai::Face(*controle).Txt_Periode->text();
    fleches.stepBy(1);
    EXPECT_EQ(fleches.value(), ardoine::BoutonsHautBas::Maximum);
    EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), auBout);

    fleches.setValue(ardoine::BoutonsHautBas::Minimum);
    const QString aLAutreBout = essai::Face(*controle).Txt_Periode->text();
    fleches.stepBy(-1);
    EXPECT_EQ(fleches.value(), ardoine::BoutonsHautBas::Minimum);
    EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), aLAutreBout);
    EXPECT_EQ(aLAutreBout, "MAI 2018");
}

}  // namespace
