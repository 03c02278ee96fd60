#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include "Face.h"
#include "Formulaire.h"
#include "ImpressionQt.h"

namespace {

using essai::Formulaire;

// The commune option chosen.
class Commune : public ::testing::Test {
  protected:
    Commune() { QTest::mouseClick(f.e.Opt_Commune, Qt::LeftButton); }
    void Chercher(const QString& debut) {
        f.e.Cbo_Commune->lineEdit()->clear();
        f.Taper(f.e.Cbo_Commune, debut);
        f.Entree(f.e.Cbo_Commune);
    }

    Formulaire f;
};

TEST_F(Commune, LaRechercheParLeDebutDuNomRemplitLaListeEtUnClicEcritLeCode) {
    Chercher("sai");
    EXPECT_EQ(f.Selections("COMMUNES").back(), "SSELECT COMMUNES AVEC 1 = \"SAI]\" PAR 1");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_Commune), (QStringList{"SAINT-BRIEUC", "SAINT-MALO"}));
    f.Choisir(f.e.Cbo_Commune, 1);
    EXPECT_EQ(f.e.Txt_Commune->text(), "35288");
    EXPECT_EQ(f.e.Cbo_Commune->currentText(), "SAINT-MALO");
}

// The prefix is looked for at the start of the name only ("ESS" is inside COMMUNE D ESSAI).
TEST_F(Commune, UneRechercheVaineBipeEtGardeLaListe) {
    Chercher("SAI");
    f.Messages();
    Chercher("ess");
    EXPECT_EQ(f.Selections("COMMUNES").back(), "SSELECT COMMUNES AVEC 1 = \"ESS]\" PAR 1");
    EXPECT_TRUE(f.installation.plateforme->Appels().contains("bip"));
    EXPECT_EQ(f.Messages(),
              QStringList{"Exclamation | Message KORVANE | Aucune commune commençant par ESS"});
    EXPECT_EQ(f.e.Cbo_Commune->count(), 2);
    Chercher("");
    EXPECT_EQ(f.e.Cbo_Commune->count(), 6);
}

TEST_F(Commune, UnCaractereAccentueOuUnGuillemetNAtteintPasLaBase) {
    f.e.Cbo_Commune->setFocus();
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(f.e.Cbo_Commune, &e);
    EXPECT_EQ(f.e.Cbo_Commune->currentText(), "");
    EXPECT_EQ(f.Messages(), QStringList{"Exclamation | Message KORVANE | La saisie de minuscule "
                                        "accentuée est interdite sur cette zone."});
    const qsizetype recherches = f.Selections("COMMUNES").size();
    Chercher("L\"Y");
    EXPECT_EQ(f.Messages(),
              QStringList{"Exclamation | Message KORVANE | Aucune commune commençant par L\"Y"});
    EXPECT_EQ(f.Selections("COMMUNES").size(), recherches);
}

TEST_F(Commune, LOuvertureNeChercheQueTantQuAucuneRechercheNATrouve) {
    f.Taper(f.e.Cbo_Commune, "ly");
    f.installation.plateforme->Oublier_Appels();
    f.e.Cbo_Commune->showPopup();
    EXPECT_TRUE(f.e.Cbo_Commune->view()->isVisible());
    f.e.Cbo_Commune->hidePopup();
    EXPECT_EQ(QApplication::focusWidget(), f.e.Cbo_Commune);
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_Commune), QStringList{"LYON"});
    EXPECT_EQ(f.installation.plateforme->Appels(),
              (QStringList{"pointeur 11", "evenements", "pointeur 0"}));
    f.Taper(f.e.Cbo_Commune, "PA");
    f.e.Cbo_Commune->showPopup();
    f.e.Cbo_Commune->hidePopup();
    EXPECT_EQ(f.Selections("COMMUNES").size(), 1);
    Chercher("ZZ");
    f.e.Cbo_Commune->lineEdit()->clear();
    f.Taper(f.e.Cbo_Commune, "PA");
    f.e.Cbo_Commune->showPopup();
    f.e.Cbo_Commune->hidePopup();
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_Commune), QStringList{"PARIS"});
}

TEST_F(Commune, LesErreursDOuvertureSontPasseesSousSilenceCellesDeLaRecherche) {
    f.installation.base->selectionEnEchec = "COMMUNES";
    f.e.Cbo_Commune->showPopup();
    f.e.Cbo_Commune->hidePopup();
    EXPECT_EQ(f.erreurs, QStringList{});
    EXPECT_TRUE(f.c.isEnabled());
    Chercher("PA");
    EXPECT_EQ(f.erreurs, QStringList{"La base de données ne répond pas."});
}

// Qt gives Delete the character 127: it edits the text and is no typed character.
TEST_F(Commune, LaToucheSupprimerEfface) {
    f.Taper(f.e.Cbo_Commune, "PARIS");
    f.e.Cbo_Commune->lineEdit()->setCursorPosition(0);
    QKeyEvent supprimer(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(f.e.Cbo_Commune, &supprimer);
    EXPECT_EQ(f.Messages(), QStringList{});
    EXPECT_EQ(f.e.Cbo_Commune->currentText(), "ARIS");
}

// The commune option empties the manager or the sector and shows the commune's pair in their
// place; switching back empties the commune, which no longer limits the list.
TEST_F(Commune, ChaqueOptionVideLesAutresEtMontreSaPaire) {
    for (const auto& [option, code] :
         {std::pair{f.e.Opt_Responsable, "R01"}, std::pair{f.e.Opt_Secteur, "S01"}}) {
        SCOPED_TRACE(code);
        QTest::mouseClick(option, Qt::LeftButton);
        f.Taper(f.e.Txt_Responsable, code);
        QTest::mouseClick(f.e.Opt_Commune, Qt::LeftButton);
        EXPECT_EQ(f.e.Txt_Responsable->text(), "");
        EXPECT_EQ(f.e.Cbo_RespSect->currentText(), "");
        EXPECT_EQ(f.e.Cbo_RespSect->count(), 2);
        EXPECT_FALSE(f.e.Txt_Responsable->isVisible());
        EXPECT_TRUE(f.e.Txt_Commune->isVisible());
        EXPECT_TRUE(f.e.Cbo_Commune->isVisible());
        f.Taper(f.e.Txt_Commune, "75056");
        QTest::mouseClick(option, Qt::LeftButton);
        EXPECT_EQ(f.e.Txt_Commune->text(), "");
        EXPECT_EQ(f.e.Cbo_Commune->currentText(), "");
    }
}

}  // namespace

namespace {

TEST(CommuneNombreuses, UneRechercheSansDebutListeToutesLesCommunesMemeAuDelaDeSeizeBits) {
    std::vector<std::string> lignes;
    for (int numero = 0; numero < 32770; ++numero) {
        lignes.push_back(essai::Ligne("COMMUNES", std::to_string(10000 + numero), {{1, "NOM"}}));
    }
    lignes.push_back(essai::Ligne("COMMUNES", "99999", {{1, "ZUT"}}));
    essai::Formulaire f(lignes);
    QTest::mouseClick(f.e.Opt_Commune, Qt::LeftButton);
    f.Entree(f.e.Cbo_Commune);
    EXPECT_EQ(f.erreurs, QStringList{});
    ASSERT_EQ(f.e.Cbo_Commune->count(), 32771);
    f.Choisir(f.e.Cbo_Commune, 32770);
    EXPECT_EQ(f.e.Txt_Commune->text(), "99999");
    EXPECT_EQ(f.e.Cbo_Commune->currentText(), "ZUT");
}

}  // namespace
