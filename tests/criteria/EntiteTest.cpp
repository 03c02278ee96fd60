#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <sstream>

#include "Face.h"
#include "Formulaire.h"
#include "ImpressionQt.h"
#include "demogen/DictionnaireAccord.h"

namespace {

using essai::Formulaire;

const QString Inconnue = "Exclamation | Message KORVANE | Cette entité juridique n'existe pas.";

TEST(Entite, UnCodeValideOuvreEtRemplitActivitesEtOrganismesEtImprimer) {
    Formulaire f;
    f.Taper(f.e.Txt_Association, "A01");
    EXPECT_EQ(f.e.Cbo_Association->currentText(), "ALPHA SERVICES");
    EXPECT_TRUE(f.e.Txt_Activites->isEnabled());
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_Activites),
              (QStringList{"ACTIVITE MAL CODEE", "AIDE A DOMICILE", "PORTAGE DE REPAS",
                           "TRAVAUX ABRITES"}));
    EXPECT_EQ(f.Selections("ACTIVITES"), QStringList{"SSELECT ACTIVITES AVEC 0 = \"A01]\" PAR 1"});
    EXPECT_TRUE(f.e.Cbo_SigleOrg->isEnabled());
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_SigleOrg), (QStringList{"CAF", "CPAM"}));
    EXPECT_TRUE(f.e.Cmd_Imprimer->isEnabled());
    EXPECT_EQ(f.Messages(), QStringList{});
}

// Qt gives a dialog's push buttons Enter: a host whose form is a dialog must not print, nor
// leave, when Enter completes a code.
TEST(Entite, DansUnDialogueHoteEntreeNAppuieSurAucunBouton) {
    essai::Installation installation(essai::DonneesCriteres());
    QDialog hote;
    Ctr_Ardoine* c = installation.Creer().release();
    c->setParent(&hote);
    QStringList erreurs;
    c->GestionnaireErreurs(
        [&erreurs](const std::exception& erreur) { erreurs.append(erreur.what()); });
    c->Init();
    hote.show();
    hote.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hote));
    essai::Face(*c).Txt_Association->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(essai::Face(*c).Txt_Association, "A01");
    ASSERT_TRUE(essai::Face(*c).Cmd_Imprimer->isEnabled());
    installation.plateforme->Oublier_Appels();

    QTest::keyClick(essai::Face(*c).Txt_Association, Qt::Key_Return);
    EXPECT_EQ(installation.plateforme->Appels(), QStringList{});
    EXPECT_EQ(erreurs, QStringList{});
    EXPECT_FALSE(c->W_Sortir());
    EXPECT_TRUE(hote.isVisible());
}

// An empty box is left as it is with Tab, and checked with Enter.
TEST(Entite, UneEntiteVideEstRefuseeParEntreeSeulement) {
    Formulaire f;
    f.e.Txt_Association->setFocus();
    f.Quitter();
    EXPECT_EQ(f.e.Txt_Association->text(), "");
    f.Entree(f.e.Txt_Association);
    EXPECT_EQ(f.Messages(), QStringList{Inconnue});
}

TEST(Entite, UnRetourArriereDansUnCodeValideVideLaPaireEtFermeLaCascade) {
    Formulaire f;
    f.Taper(f.e.Txt_Association, "A01");
    f.Taper(f.e.Txt_Activites, "001");
    f.Messages();
    f.Taper(f.e.Txt_Association, "");
    QTest::keyClick(f.e.Txt_Association, Qt::Key_Backspace);
    EXPECT_EQ(f.e.Txt_Association->text(), "");
    EXPECT_EQ(f.e.Cbo_Association->currentText(), "");
    EXPECT_EQ(f.e.Cbo_Activites->count(), 0);
    EXPECT_FALSE(f.e.Txt_Activites->isEnabled());
    EXPECT_FALSE(f.e.Txt_CodeOrg->isEnabled());
    EXPECT_FALSE(f.e.Cmd_Imprimer->isEnabled());
    // The activity's emptying refills the funding bodies for an empty legal entity.
    EXPECT_EQ(f.Messages(), QStringList{"Exclamation | Message KORVANE | Aucun organisme de prise "
                                        "en charge pour cette entité avec ce type d'activité."});
}

TEST(Entite, LePremierCaractereTapeSurUnCodeChoisiOuApresUnLibelleSaisiEstPerdu) {
    Formulaire f;
    f.Taper(f.e.Txt_Association, "A01");
    f.e.Txt_Association->selectAll();
    QTest::keyClicks(f.e.Txt_Association, "B02");
    EXPECT_EQ(f.e.Txt_Association->text(), "02");

    f.e.Txt_Association->clear();
    f.Taper(f.e.Cbo_Association, "BETA");
    f.Taper(f.e.Txt_Association, "B02");
    EXPECT_EQ(f.e.Txt_Association->text(), "02");
}

TEST(Entite, UnLibelleChoisiEcritSonCodeResteAffecheEtLaCascadeChoisitLActiviteSeule) {
    Formulaire f;
    f.Taper(f.e.Txt_Association, "A01");
    f.installation.plateforme->Oublier_Appels();
    f.Choisir(f.e.Cbo_Association, 1);
    EXPECT_EQ(f.e.Txt_Association->text(), "B02");
    EXPECT_EQ(f.e.Cbo_Association->currentText(), "BETA AIDE");
    EXPECT_EQ(f.e.Txt_Activites->text(), "001");
    EXPECT_EQ(f.e.Cbo_Activites->currentText(), "GARDE DE NUIT");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_SigleOrg), QStringList{"CARSAT"});
    EXPECT_EQ(f.installation.plateforme->Appels(),
              (QStringList{"pointeur 11", "evenements", "pointeur 0"}));
    EXPECT_TRUE(f.c.isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), f.e.Cbo_Association);
}

TEST(Entite, UnLibelleTapeEnToutesLettresNEstPasUnChoix) {
    Formulaire f;
    f.Taper(f.e.Cbo_Association, "BETA AIDE");
    f.Quitter();
    f.e.Cbo_Association->setFocus();
    f.Entree(f.e.Cbo_Association);
    EXPECT_EQ(f.e.Txt_Association->text(), "");
}

TEST(Entite, UneSeuleEntiteEstChoisieParInitAvecSonActiviteSeule) {
    std::vector<std::string> lignes;
    for (const std::string& ligne : essai::DonneesCriteres()) {
        if (ligne.find("B02") != std::string::npos || ligne.find("DROITS") != std::string::npos) {
            lignes.push_back(ligne);
        }
    }
    Formulaire f(lignes);
    EXPECT_EQ(f.e.Txt_Association->text(), "B02");
    EXPECT_EQ(f.e.Cbo_Association->currentText(), "BETA AIDE");
    EXPECT_EQ(f.e.Txt_Activites->text(), "001");
    EXPECT_EQ(essai::Entrees(*f.e.Cbo_SigleOrg), QStringList{"CARSAT"});
    EXPECT_TRUE(f.e.Cmd_Imprimer->isEnabled());
}

TEST(Entite, UneAutreFenetreQuiPrendLeFocusNeCompletePasLeCode) {
    Formulaire f;
    f.Taper(f.e.Txt_Association, "7");
    QWidget autre;
    autre.show();
    autre.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&autre));
    EXPECT_EQ(f.e.Txt_Association->text(), "7");
}

TEST(Entite, ImprimerSansEntiteLeDitEtRendLeFocusALEntite) {
    Formulaire f;
    f.e.Cmd_Imprimer->setEnabled(true);
    QTest::mouseClick(f.e.Cmd_Imprimer, Qt::LeftButton);
    EXPECT_EQ(f.Messages(),
              QStringList{"Exclamation | Message KORVANE | L'entité juridique est obligatoire."});
    EXPECT_EQ(QApplication::focusWidget(), f.e.Txt_Association);
}

// After an empty selection the print command clears the criteria; emptying the chosen activity
// then looks the funding bodies up for no legal entity. That lookup answers no change of the
// user's and says nothing: the selection's message is the only one.
TEST(Entite, UneSelectionVideNeMontreQueSonMessageMemeAvecUneActiviteChoisie) {
    std::vector<std::string> lignes = essai::DonneesCriteres();
    std::string dictionnaire;
    demogen::ecrireDictionnaireAccord(dictionnaire);
    std::istringstream items(dictionnaire);
    for (std::string item; std::getline(items, item);) {
        lignes.push_back(item);
    }
    Formulaire f(lignes);
    f.Taper(f.e.Txt_Association, "B02");
    ASSERT_EQ(f.e.Txt_Activites->text(), "001");
    f.Messages();
    QTest::mouseClick(f.e.Cmd_Imprimer, Qt::LeftButton);
    EXPECT_EQ(f.Messages(), QStringList{"Information | Message KORVANE | Aucun accord "
                                        "correspondant aux critères sélectionnés."});
    EXPECT_EQ(f.e.Txt_Association->text(), "");
    EXPECT_EQ(f.e.Txt_Activites->text(), "");
    EXPECT_FALSE(f.e.Cmd_Imprimer->isEnabled());
    EXPECT_EQ(f.erreurs, QStringList{});
}

}  // namespace
