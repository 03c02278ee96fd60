#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "Face.h"
#include "Formulaire.h"
#include "ImpressionQt.h"

namespace {

using essai::Formulaire;

const QString SecteurInconnu = "Exclamation | Message KORVANE | Ce secteur n'existe pas.";

TEST(Responsable, UnSecteurInconnuLaisseLeFocusAllerOuLUtilisateurLEnvoie) {
    Formulaire f;
    QTest::mouseClick(f.e.Opt_Secteur, Qt::LeftButton);
    f.Taper(f.e.Txt_Responsable, "9");
    f.Quitter();
    EXPECT_EQ(f.Messages(), QStringList{SecteurInconnu});
    EXPECT_EQ(QApplication::focusWidget(), f.e.Cbo_RespSect);
}

TEST(Responsable, ChangerDeModeMontreLAutreListeSansLaRelire) {
    Formulaire f;
    EXPECT_EQ(f.e.Cbo_RespSect->currentText(), "");
    f.Taper(f.e.Txt_Responsable, "R01");
    QTest::mouseClick(f.e.Opt_Secteur, Qt::LeftButton);
    EXPECT_EQ(f.e.Etq_RespSect->text(), "Secteur");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_RespSect), (QStringList{"NORD", "SUD"}));
    EXPECT_EQ(f.e.Txt_Responsable->text(), "");
    EXPECT_EQ(f.e.Cbo_RespSect->currentText(), "");
    QTest::mouseClick(f.e.Opt_Responsable, Qt::LeftButton);
    QTest::mouseClick(f.e.Opt_Secteur, Qt::LeftButton);
    EXPECT_EQ(f.Selections("RESPONSABLE").size(), 1);
    EXPECT_EQ(f.Selections("SECTEUR"), QStringList{"SSELECT SECTEUR PAR 1"});
    // A manager's code is looked up among the sectors.
    f.Taper(f.e.Txt_Responsable, "R01");
    EXPECT_EQ(f.Messages(), QStringList{SecteurInconnu});
}

TEST(Responsable, UnSecteurRefuseParLesDroitsEstVideSansMessage) {
    Formulaire f(essai::DonneesCriteres(), "secteur1");
    QTest::mouseClick(f.e.Opt_Secteur, Qt::LeftButton);
    f.Taper(f.e.Txt_Responsable, "S01");
    EXPECT_EQ(f.e.Cbo_RespSect->currentText(), "NORD");
    f.e.Txt_Responsable->clear();
    f.Taper(f.e.Txt_Responsable, "S02");
    EXPECT_EQ(f.e.Txt_Responsable->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), f.e.Txt_Responsable);
    f.Choisir(f.e.Cbo_RespSect, 1);
    EXPECT_EQ(f.e.Txt_Responsable->text(), "");
    EXPECT_EQ(f.e.Cbo_RespSect->currentText(), "");
    EXPECT_EQ(QApplication::focusWidget(), f.e.Txt_Responsable);
    EXPECT_EQ(f.Messages(), QStringList{});
}

TEST(Responsable, UnRemplissageEnEchecNEstPasSignaleEtEstReessayeAuChangementSuivant) {
    Formulaire f;
    f.installation.base->selectionEnEchec = "SECTEUR";
    QTest::mouseClick(f.e.Opt_Secteur, Qt::LeftButton);
    EXPECT_EQ(f.e.Cbo_RespSect->count(), 0);
    f.installation.base->selectionEnEchec.clear();
    QTest::mouseClick(f.e.Opt_Responsable, Qt::LeftButton);
    QTest::mouseClick(f.e.Opt_Secteur, Qt::LeftButton);
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_RespSect), (QStringList{"NORD", "SUD"}));
    EXPECT_EQ(f.Selections("SECTEUR").size(), 2);
    EXPECT_EQ(f.erreurs, QStringList{});
}

}  // namespace
