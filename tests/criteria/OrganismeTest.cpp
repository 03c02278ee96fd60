#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "Face.h"
#include "Formulaire.h"
#include "ImpressionQt.h"

namespace {

using essai::Formulaire;

const QString Inconnu =
    "Exclamation | Message KORVANE | Cet organisme de prise en charge n'existe pas.";
const QString NeCorrespondPas =
    "Exclamation | Avertissement | Cet organisme de prise en charge "
    "ne correspond pas aux critères demandés.";

// A01 chosen, no activity.
class Organisme : public ::testing::Test {
  protected:
    Organisme() {
        f.Taper(f.e.Txt_Association, "A01");
        f.Messages();
    }
    // The message shown for the code typed into an empty box ("" for none), the box then
    // emptied.
    QString Verdict(const QString& code) {
        f.e.Txt_CodeOrg->clear();
        f.Taper(f.e.Txt_CodeOrg, code);
        const QStringList messages = f.Messages();
        f.e.Txt_CodeOrg->clear();
        return messages.value(0);
    }
    void Coller(const QString& texte) {
        QApplication::clipboard()->setText(texte);
        f.e.Txt_CodeOrg->setFocus();
        f.e.Txt_CodeOrg->selectAll();
        QTest::keyClick(f.e.Txt_CodeOrg, Qt::Key_V, Qt::ControlModifier);
    }

    Formulaire f;
};

// Only digits are typed; Enter checks the code and goes no further.
TEST_F(Organisme, SeulsLesChiffresSeTapentEtEntreeEstAvalee) {
    int entrees = 0;
    QObject::connect(f.e.Txt_CodeOrg, &QLineEdit::returnPressed, [&entrees] { ++entrees; });
    f.Taper(f.e.Txt_CodeOrg, "1x0-1");
    EXPECT_EQ(f.e.Txt_CodeOrg->text(), "101");
    f.Entree(f.e.Txt_CodeOrg);
    f.e.Txt_CodeOrg->clear();
    f.Taper(f.e.Txt_CodeOrg, "7");
    f.Entree(f.e.Txt_CodeOrg);
    EXPECT_EQ(f.Messages(), QStringList{Inconnu});
    EXPECT_EQ(entrees, 0);
}

TEST_F(Organisme, SansActiviteToutCoupleDeLEntiteConvientAvecUneActiviteSeulLeCoupleExact) {
    EXPECT_EQ(Verdict("102"), "");
    f.Taper(f.e.Txt_Activites, "001");
    f.Messages();
    EXPECT_EQ(Verdict("102"), NeCorrespondPas);
    EXPECT_EQ(Verdict("101"), "");
    EXPECT_EQ(QApplication::focusWidget(), f.e.Txt_CodeOrg);
}

TEST_F(Organisme, LeTypeEtLeStatutSontVerifiesMaisPasLaFermeture) {
    EXPECT_EQ(Verdict("103"), NeCorrespondPas);
    EXPECT_EQ(Verdict("105"), NeCorrespondPas);
    EXPECT_EQ(Verdict("201"), NeCorrespondPas);
    EXPECT_EQ(Verdict("104"), "");
}

TEST_F(Organisme, UnSigleChoisiEcritSonCodeVerifie) {
    f.Choisir(f.e.Cbo_SigleOrg, 0);
    EXPECT_EQ(f.e.Txt_CodeOrg->text(), "102");
    EXPECT_EQ(f.e.Cbo_SigleOrg->currentText(), "CAF");
}

TEST_F(Organisme, UnCodeCollePasseParLaMemeVerification) {
    for (const char* refuse : {"1\"2", "abc", "12345"}) {
        Coller(refuse);
        EXPECT_EQ(f.Messages(), QStringList{Inconnu}) << refuse;
        EXPECT_EQ(f.e.Txt_CodeOrg->text(), "") << refuse;
    }
    Coller("101");
    EXPECT_EQ(f.e.Cbo_SigleOrg->currentText(), "CPAM");
}

// Backspace edits: it takes a digit out.
TEST_F(Organisme, RetourArriereEffaceUnChiffre) {
    f.Taper(f.e.Txt_CodeOrg, "12");
    QTest::keyClick(f.e.Txt_CodeOrg, Qt::Key_Backspace);
    EXPECT_EQ(f.e.Txt_CodeOrg->text(), "1");
    EXPECT_EQ(f.Messages(), QStringList{});
}

TEST_F(Organisme, UnRemplissageEnEchecArriveAuHoteEtFermeLaPaireSansArreterLaCascade) {
    f.e.Txt_Association->clear();
    f.installation.base->selectionEnEchec = "ORGPRISECHARGE";
    f.Taper(f.e.Txt_Association, "A01");
    EXPECT_EQ(f.erreurs, QStringList{"La base de données ne répond pas."});
    EXPECT_EQ(f.e.Cbo_SigleOrg->count(), 0);
    EXPECT_FALSE(f.e.Txt_CodeOrg->isEnabled());
    EXPECT_TRUE(f.e.Cmd_Imprimer->isEnabled());
}

// An entity without funding body greys the pair, label included; the next one lights it again.
TEST_F(Organisme, LEtiquetteSeRallumeApresUnRemplissageVide) {
    f.e.Txt_Association->clear();
    f.Taper(f.e.Txt_Association, "C03");
    EXPECT_FALSE(f.e.Etq_Organisme->isEnabled());
    f.e.Txt_Association->clear();
    f.Taper(f.e.Txt_Association, "A01");
    EXPECT_TRUE(f.e.Etq_Organisme->isEnabled());
    EXPECT_TRUE(f.e.Txt_CodeOrg->isEnabled());
}

// Without an activity, or with an activity whose code is blank, the funding bodies of the whole
// entity are read.
TEST(OrganismeSansActivite, LaPhraseNeNommeAucuneActivite) {
    auto lignes = essai::DonneesCriteres();
    lignes.push_back(essai::Ligne("ACTIVITES", "A01   ", {{1, "SANS ACTIVITE"}}));
    Formulaire f(lignes);
    f.Taper(f.e.Txt_Association, "A01");
    const QString entite =
        "SSELECT ORGPRISECHARGE AVEC 63 = \"\" AND AVEC 46 = \"A01\" AND AVEC 18 = \"P\" "
        "AND AVEC 20 <> \"0\" PAR 1 PAR 0";
    EXPECT_EQ(f.Selections("ORGPRISECHARGE").back(), entite);
    const int blanche = f.e.Cbo_Activites->findText("SANS ACTIVITE");
    ASSERT_GE(blanche, 0);
    f.Choisir(f.e.Cbo_Activites, blanche);
    EXPECT_EQ(f.e.Txt_Activites->text(), "   ");
    EXPECT_EQ(f.Selections("ORGPRISECHARGE").back(), entite);
}

}  // namespace
