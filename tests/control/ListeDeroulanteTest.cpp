#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ImpressionQt.h"
#include "ListeDeroulante.h"

namespace {

using ardoine::ListeDeroulante;

class Liste : public ::testing::Test {
  protected:
    Liste() {
        liste.Ajouter("ALPHA");
        liste.Ajouter("BETA");
        autre.move(0, 40);
        fenetre.show();
        fenetre.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenetre));
        liste.setFocus();
    }

    QWidget fenetre;
    ListeDeroulante liste{&fenetre};
    QLineEdit autre{&fenetre};
    QSignalSpy changes{&liste, &ListeDeroulante::Change};
    QSignalSpy clics{&liste, &ListeDeroulante::Click};
};

TEST_F(Liste, AjouterNeChoisitAucuneEntreeEtNeChangePasLeTexte) {
    EXPECT_EQ(liste.count(), 2);
    EXPECT_EQ(liste.currentIndex(), -1);
    EXPECT_EQ(liste.currentText(), "");
    liste.Definir_Texte("saisi");
    liste.Ajouter("GAMMA");
    EXPECT_EQ(liste.currentText(), "saisi");
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(Liste, LeProgrammeNeSignaleQueLesTextesQuiChangent) {
    liste.Definir_Texte("ALPHA");
    liste.Definir_Texte("ALPHA");
    liste.Definir_Texte("");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(clics.count(), 0);
}

TEST_F(Liste, ChaqueToucheTapeeSignaleUnChangement) {
    QTest::keyClicks(&liste, "AB");
    EXPECT_EQ(liste.currentText(), "AB");
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(Liste, EntreeOuLaSortieSurUnTexteDeLaListeNEstPasUnClic) {
    QTest::keyClicks(&liste, "beta");
    QTest::keyClick(&liste, Qt::Key_Return);
    autre.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(clics.count(), 0);
    EXPECT_EQ(liste.count(), 2);
}

TEST_F(Liste, LesFlechesChoisissentUneEntreeEtCEstUnClic) {
    QTest::keyClick(&liste, Qt::Key_Down);
    EXPECT_EQ(clics.count(), 1);
    EXPECT_EQ(liste.currentText(), "ALPHA");
    EXPECT_EQ(changes.count(), 0);
}

// A label longer than the box, however it came there, reads from its start once the box is left:
// chosen with the arrow keys, passed through with Tab (which selects it all), typed to its end.
TEST_F(Liste, UnLibelleTropLongSeLitDepuisSonDebutQuandOnQuitteLaListe) {
    const QString libelle = QStringLiteral("ASSOCIATION D'AIDE A DOMICILE DU VAL D'ORGE");
    liste.setFixedWidth(120);
    liste.Ajouter(libelle);
    const auto debutMontre = [&] {
        liste.lineEdit()->grab();
        const QRect curseur = liste.lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        return liste.lineEdit()->cursorPosition() == 0 &&
               curseur.left() < liste.lineEdit()->width() / 4;
    };
    for (int entree = 0; entree < 3; ++entree) {
        QTest::keyClick(&liste, Qt::Key_Down);
    }
    ASSERT_EQ(liste.currentText(), libelle);
    autre.setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(debutMontre());

    liste.setFocus(Qt::TabFocusReason);
    liste.lineEdit()->grab();
    autre.setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(debutMontre());

    liste.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&liste, Qt::Key_End);
    QTest::keyClicks(&liste, " ORGE");
    liste.lineEdit()->grab();
    autre.setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(debutMontre());
}

TEST_F(Liste, ViderOteEntreesEtTexteSansChangement) {
    liste.Definir_Texte("saisi");
    changes.clear();
    liste.Vider();
    EXPECT_EQ(liste.count(), 0);
    EXPECT_EQ(liste.currentText(), "");
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Liste, LOuvertureEstAnnonceeAvantQueLaListeSAffiche) {
    bool ouverteAvant = true;
    QObject::connect(&liste, &ListeDeroulante::DropDown,
                     [&] { ouverteAvant = liste.view()->isVisible(); });
    QSignalSpy ouvertures(&liste, &ListeDeroulante::DropDown);
    liste.showPopup();
    EXPECT_EQ(ouvertures.count(), 1);
    EXPECT_FALSE(ouverteAvant);
    liste.hidePopup();
}

}  // namespace
