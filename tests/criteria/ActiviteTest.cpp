#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "Face.h"
#include "Formulaire.h"
#include "ImpressionQt.h"

namespace {

using essai::Formulaire;

// A01 chosen: its activities listed, the funding bodies of the whole entity offered.
class Activite : public ::testing::Test {
  protected:
    Activite() {
        f.Taper(f.e.Txt_Association, "A01");
        f.Messages();
    }
    qsizetype RemplissagesOrganismes() const { return f.Selections("ORGPRISECHARGE").size(); }

    Formulaire f;
};

TEST_F(Activite, UnCodeValideMontreSonLibelleEtRestreintLesOrganismes) {
    const qsizetype avant = RemplissagesOrganismes();
    f.Taper(f.e.Txt_Activites, "001");
    EXPECT_EQ(f.e.Cbo_Activites->currentText(), "AIDE A DOMICILE");
    EXPECT_EQ(RemplissagesOrganismes(), avant + 1);
    EXPECT_EQ(f.Selections("ORGPRISECHARGE").back(),
              "SSELECT ORGPRISECHARGE AVEC 63 = \"\" AND AVEC 46 = \"A01\" AND AVEC 18 = \"P\" "
              "AND AVEC 20 <> \"0\" AND AVEC 47 = \"A01001\" PAR 1 PAR 0");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_SigleOrg), QStringList{"CPAM"});
    EXPECT_EQ(f.Messages(), QStringList{});
}

TEST_F(Activite, UnCodeInconnuEstRefuseEtLesOrganismesRelusDeuxFoisPourLEntiteSeule) {
    const qsizetype avant = RemplissagesOrganismes();
    f.Taper(f.e.Txt_Activites, "009");
    EXPECT_EQ(f.Messages(),
              QStringList{"Exclamation | Message KORVANE | Cette activité n'existe pas."});
    EXPECT_EQ(RemplissagesOrganismes(), avant + 2);
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_SigleOrg), (QStringList{"CAF", "CPAM"}));
}

TEST_F(Activite, UneEntreeDontLaCleNAPasSixCaracteresNeResteJamaisChoisie) {
    f.Choisir(f.e.Cbo_Activites, 0);
    EXPECT_EQ(f.e.Txt_Activites->text(), "");
    EXPECT_EQ(f.e.Cbo_Activites->currentText(), "");
    EXPECT_EQ(f.Messages(), QStringList{});
}

TEST_F(Activite, ChoisirUnLibelleEcritLeCodeSansLaCleDeLEntite) {
    f.Choisir(f.e.Cbo_Activites, 2);
    EXPECT_EQ(f.e.Txt_Activites->text(), "002");
    EXPECT_EQ(f.e.Cbo_Activites->currentText(), "PORTAGE DE REPAS");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_SigleOrg), (QStringList{"CAF", "CPAM"}));
}

TEST_F(Activite, ViderLeLibelleVideLeCodeEtRelitLesOrganismesPourLEntite) {
    f.Taper(f.e.Txt_Activites, "001");
    f.e.Cbo_Activites->setFocus();
    f.e.Cbo_Activites->lineEdit()->selectAll();
    QTest::keyClick(f.e.Cbo_Activites, Qt::Key_Delete);
    EXPECT_EQ(f.e.Txt_Activites->text(), "");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_SigleOrg), (QStringList{"CAF", "CPAM"}));
}

TEST_F(Activite, UneEntiteSansActiviteLaisseUneEntreeVideEtAucunOrganisme) {
    f.e.Txt_Association->clear();
    f.Taper(f.e.Txt_Association, "C03");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_Activites), QStringList{""});
    EXPECT_TRUE(f.e.Txt_Activites->isEnabled());
    EXPECT_EQ(f.Messages(), QStringList{"Exclamation | Message KORVANE | Aucun organisme de prise "
                                        "en charge pour cette entité avec ce type d'activité."});
    EXPECT_FALSE(f.e.Etq_Organisme->isEnabled());
    EXPECT_FALSE(f.e.Txt_CodeOrg->isEnabled());
    EXPECT_FALSE(f.e.Cbo_SigleOrg->isEnabled());
}

TEST_F(Activite, UneErreurDeLaBasePendantLeRemplissageArriveAuHoteEtLaPaireResteVide) {
    f.e.Txt_Association->clear();
    f.installation.base->selectionEnEchec = "ACTIVITES";
    f.Taper(f.e.Txt_Association, "A01");
    EXPECT_EQ(f.erreurs, QStringList{"La base de données ne répond pas."});
    EXPECT_EQ(f.e.Cbo_Activites->count(), 0);
    EXPECT_TRUE(f.e.Cmd_Imprimer->isEnabled());
    EXPECT_TRUE(f.e.Cbo_SigleOrg->isEnabled());
}

// Choosing an entry is a long step: hourglass and the control disabled while it runs.
TEST_F(Activite, ChoisirUnLibelleMontreLeSablier) {
    f.installation.plateforme->Oublier_Appels();
    f.Choisir(f.e.Cbo_Activites, 1);
    const QStringList appels = f.installation.plateforme->Appels();
    ASSERT_FALSE(appels.isEmpty());
    EXPECT_EQ(appels.front(), "pointeur 11");
    EXPECT_EQ(appels.back(), "pointeur 0");
}

// Another entity chosen from the list: the activity of the former one does not stay.
TEST(ActiviteDUneAutreEntite, LeCodeEstVideMemeSiLaNouvelleEntiteEnADePlusieurs) {
    auto lignes = essai::DonneesCriteres();
    lignes.push_back(essai::Ligne("ASSOCIATION", "D04", {{1, "DELTA"}}));
    lignes.push_back(essai::Ligne("ACTIVITES", "D04001", {{1, "JARDINAGE"}}));
    lignes.push_back(essai::Ligne("ACTIVITES", "D04002", {{1, "MENAGE"}}));
    Formulaire f(lignes);
    f.Taper(f.e.Txt_Association, "A01");
    f.Taper(f.e.Txt_Activites, "001");
    f.Choisir(f.e.Cbo_Association, f.e.Cbo_Association->findText("DELTA"));
    ASSERT_EQ(f.e.Txt_Association->text(), "D04");
    EXPECT_EQ(f.e.Txt_Activites->text(), "");
    EXPECT_EQ(f.e.Cbo_Activites->currentText(), "");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_Activites), (QStringList{"JARDINAGE", "MENAGE"}));
}

}  // namespace
