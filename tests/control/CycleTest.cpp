#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "Ctr_ArdoinePrivate.h"
#include "DroitsEnregistres.h"
#include "Face.h"
#include "ImpressionQt.h"
#include "Installation.h"
#include "dba/Erreur.h"
#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"

namespace {

using essai::Installation;
using Lignes = std::vector<std::string>;

const Lignes& NomsFichiers = essai::FichiersDuControle;
using essai::Prefixees;

Lignes Suite(Lignes debut, const Lignes& fin) {
    debut.insert(debut.end(), fin.begin(), fin.end());
    return debut;
}

bool AucunFichierOuvert(const ardoine::ObjetsModule& module) {
    for (const auto& fichier : module.Fichiers_Ouverts()) {
        if (fichier) {
            return false;
        }
    }
    return true;
}

// Every record slot, in the order of the control's files.
void RemplirLesEnregistrements(ardoine::ObjetsModule& m, const essai::Journal& journal) {
    using M = ardoine::ObjetsModule;
    std::shared_ptr<dba::Enregistrement> M::*const enregistrements[] = {
        &M::Enr_Accord,    &M::Enr_Activites,      &M::Enr_Association, &M::Enr_CivilAide,
        &M::Enr_DemandAcc, &M::Enr_OrgPriseCharge, &M::Enr_Responsable, &M::Enr_Secteur,
        &M::Enr_Communes,  &M::Enr_Compteur};
    for (std::size_t i = 0; i < NomsFichiers.size(); ++i) {
        m.*enregistrements[i] = essai::EnregistrementSuivi(NomsFichiers[i], journal);
    }
}

// The number of the error the call raises, 0 if none.
template <class Appel>
std::uint32_t NumeroDErreur(Appel appel) {
    try {
        appel();
    } catch (const dba::Erreur& erreur) {
        return erreur.numero();
    }
    return 0;
}

// A host form that reads W_Sortir when it closes, as a host application does.
class FormeLectrice : public QWidget {
  public:
    Ctr_Ardoine* controle = nullptr;
    std::optional<bool> sortieLue;

  protected:
    void closeEvent(QCloseEvent* evenement) override {
        sortieLue = controle->W_Sortir();
        QWidget::closeEvent(evenement);
    }
};

class FormeEnEchec : public ardoine::FormeHote {
  public:
    void Decharger(QWidget& /*controle*/) override {
        throw dba::Erreur(dba::ErrArgument, "La forme hôte a refusé de se fermer.");
    }
};

TEST(Sortie, SortirMetWSortirPuisFermeLaFormeHote) {
    Installation installation;
    FormeLectrice forme;
    auto controle = installation.Initialiser();
    controle->setParent(&forme);
    forme.controle = controle.get();
    ardoine::Plateforme services = installation.plateforme->Services();
    services.forme = ardoine::PlateformeQt().forme;
    controle->Plateforme(services);
    forme.show();
    EXPECT_FALSE(controle->W_Sortir());

    QTest::mouseClick(essai::Face(*controle).Cmd_Sortir, Qt::LeftButton);
    EXPECT_EQ(forme.sortieLue, std::optional<bool>(true));
    EXPECT_FALSE(forme.isVisible());
}

TEST(Sortie, SortirPasseParLaPlateformeEtRienDAutre) {
    Installation installation;
    auto controle = installation.Initialiser();
    installation.plateforme->Oublier_Appels();
    essai::Face(*controle).Cmd_Sortir->click();
    EXPECT_TRUE(controle->W_Sortir());
    EXPECT_EQ(installation.plateforme->Appels(), QStringList{"dechargement"});
}

std::vector<std::string> DonneesAvecActivitesEtOrganisme() {
    std::vector<std::string> lignes = essai::DonneesStandard();
    lignes.push_back(essai::Ligne("ACTIVITES", "A01001", {{1, "AIDE A DOMICILE"}}));
    lignes.push_back(essai::Ligne("ACTIVITES", "A01002", {{1, "PORTAGE DE REPAS"}}));
    lignes.push_back(essai::Ligne(
        "ORGPRISECHARGE", "042",
        {{1, "CPAM"}, {18, "P"}, {20, "1"}, {46, "A01"}, {47, nlohmann::json::array({"A01001"})}}));
    return lignes;
}

TEST(ViderChamps, NeVideQueLesCriteresDeLEntiteALaSelectionEtDesactiveImprimer) {
    Installation installation(DonneesAvecActivitesEtOrganisme());
    auto controle = installation.Initialiser();
    Ctr_Ardoine& c = *controle;
    // No activity: emptying the entity then does not refill the funding bodies.
    essai::Face(c).Txt_Association->setText("A01");
    essai::Face(c).Txt_CodeOrg->setText("042");
    essai::Face(c).Opt_Secteur->click();
    essai::Face(c).Txt_Responsable->setText("S01");
    essai::Face(c).Bdh_Periode->stepBy(1);
    ASSERT_EQ(essai::Face(c).Cbo_Activites->count(), 2);
    ASSERT_EQ(essai::Face(c).Cbo_SigleOrg->currentText(), "CPAM");
    ASSERT_EQ(essai::Face(c).Cbo_RespSect->currentText(), "NORD");
    ASSERT_TRUE(essai::Face(c).Cmd_Imprimer->isEnabled());
    installation.plateforme->Oublier_Appels();

    c.Vider_Champs();

    EXPECT_EQ(essai::Face(c).Txt_Association->text(), "");
    EXPECT_EQ(essai::Face(c).Cbo_Association->currentText(), "");
    EXPECT_EQ(essai::Face(c).Cbo_Association->count(), 2);
    EXPECT_EQ(essai::Face(c).Txt_Activites->text(), "");
    EXPECT_EQ(essai::Face(c).Cbo_Activites->count(), 0);
    EXPECT_EQ(essai::Face(c).Cbo_Activites->currentText(), "");
    EXPECT_TRUE(essai::Face(c).Opt_Responsable->isChecked());
    EXPECT_EQ(essai::Face(c).Txt_Responsable->text(), "");
    EXPECT_EQ(essai::Face(c).Cbo_RespSect->currentText(), "");
    EXPECT_FALSE(essai::Face(c).Cmd_Imprimer->isEnabled());

    EXPECT_EQ(essai::Face(c).Txt_CodeOrg->text(), "042");
    EXPECT_EQ(essai::Face(c).Cbo_SigleOrg->currentText(), "CPAM");
    EXPECT_FALSE(essai::Face(c).Txt_CodeOrg->isEnabled());
    EXPECT_EQ(essai::Face(c).Txt_Periode->text(), "JUIN 2018");
    EXPECT_TRUE(installation.plateforme->Appels().filter("message").isEmpty());
}

TEST(Terminaison, LibereEnregistrementsFichiersBaseEtDroitsDansLOrdreMaisGardeLeClient) {
    Installation installation;
    auto journal = std::make_shared<std::vector<std::string>>();
    auto controle = std::make_unique<Ctr_Ardoine>();
    controle->Plateforme(installation.plateforme->Services());
    controle->DroitsUtilisateur(std::make_shared<essai::DroitsEnregistres>(2, journal));
    controle->TheClient(installation.donnees.Client());
    controle->TheDatabase(
        std::make_shared<essai::BaseEnregistreuse>(installation.donnees.Client()->base(), journal));
    controle->Init();
    RemplirLesEnregistrements(ardoine::ObjetsModule::DuThread(), journal);
    ardoine::ObjetsModule& module = ardoine::ObjetsModule::DuThread();
    journal->clear();

    controle.reset();

    const Lignes attendu =
        Suite(Suite(Prefixees("enregistrement libéré ", NomsFichiers),
                    Prefixees("fichier libéré ", NomsFichiers)),
              {"base libérée", "droits du module libérés", "droits de l'utilisateur libérés"});
    EXPECT_EQ(*journal, attendu);
    EXPECT_TRUE(AucunFichierOuvert(module));
    EXPECT_EQ(module.TheDatabase, nullptr);
    EXPECT_EQ(module.TheClient, installation.donnees.Client());
}

TEST(DeuxControles, LeSecondLitEncoreQuandLePremierDisparait) {
    Installation installation;
    auto premier = installation.Initialiser();
    auto second = installation.Initialiser("lecteur");
    installation.base.reset();
    installation.journal->clear();

    premier.reset();
    EXPECT_TRUE(installation.journal->empty());
    EXPECT_EQ(ardoine::ObjetsModule::DuThread().Fic_CivilAide->LireEnreg("00001")(2), "DURAND");
    Ctr_ArdoinePrivate::De(*second).Liste_Responsable.reset();
    second->Remplir_Responsable();
    EXPECT_EQ(essai::Face(*second).Cbo_RespSect->count(), 2);

    second.reset();
    EXPECT_EQ(*installation.journal,
              Suite({"selection SSELECT RESPONSABLE PAR 1"},
                    Suite(Prefixees("fichier libéré ", NomsFichiers), {"base libérée"})));
}

TEST(DeuxControles, UneNouvelleBaseRemplaceCelleDeTous) {
    Installation installation;
    auto premier = installation.Initialiser();
    auto second = installation.Initialiser();
    auto autreJournal = std::make_shared<std::vector<std::string>>();
    installation.base.reset();
    installation.journal->clear();

    second->TheDatabase(std::make_shared<essai::BaseEnregistreuse>(
        installation.donnees.Client()->base(), autreJournal));
    EXPECT_EQ(*installation.journal, Lignes{"base libérée"});
    Ctr_ArdoinePrivate::De(*premier).Liste_Responsable.reset();
    premier->Remplir_Responsable();
    EXPECT_EQ(*autreJournal, Lignes{"selection SSELECT RESPONSABLE PAR 1"});
}

TEST(InitEnEchec, UnFichierQuiNeSOuvrePasRevientAuHoteEtLesFichiersDejaOuvertsSontLiberes) {
    Installation installation;
    installation.base->fichierEnEchec = "DEMANDACC";
    auto controle = installation.Creer();
    EXPECT_EQ(NumeroDErreur([&] { controle->Init(); }), dba::ErrFichierInconnu);
    const Lignes ouverts = {"ACCORD", "ACTIVITES", "ASSOCIATION", "CIVILAIDE"};
    EXPECT_EQ(*installation.journal,
              Suite(Prefixees("fichier ouvert ", ouverts), Prefixees("fichier libéré ", ouverts)));
    EXPECT_TRUE(AucunFichierOuvert(ardoine::ObjetsModule::DuThread()));
    EXPECT_EQ(essai::Face(*controle).Cbo_Association->count(), 0);
    EXPECT_EQ(essai::Face(*controle).Txt_Periode->text(), "");
}

TEST(InitEnEchec, UneListeDesEntitesEnEchecLibereLesFichiersOuvertsParInit) {
    Installation installation;
    installation.base->selectionEnEchec = "ASSOCIATION";
    auto controle = installation.Creer();
    EXPECT_THROW(controle->Init(), dba::Erreur);
    EXPECT_EQ(*installation.journal, Suite(Suite(Prefixees("fichier ouvert ", NomsFichiers),
                                                 {"selection SSELECT ASSOCIATION PAR 1"}),
                                           Prefixees("fichier libéré ", NomsFichiers)));
    EXPECT_TRUE(AucunFichierOuvert(ardoine::ObjetsModule::DuThread()));
}

TEST(InitEnEchec, LesAutresControlesGardentLesFichiersQuIlsAvaient) {
    Installation installation;
    auto premier = installation.Initialiser();
    const auto fichiers = ardoine::ObjetsModule::DuThread().Fichiers_Ouverts();
    installation.base->selectionEnEchec = "ASSOCIATION";
    auto second = installation.Creer();
    EXPECT_THROW(second->Init(), dba::Erreur);
    EXPECT_EQ(ardoine::ObjetsModule::DuThread().Fichiers_Ouverts(), fichiers);
    EXPECT_EQ(ardoine::ObjetsModule::DuThread().Fic_CivilAide->LireEnreg("00002")(2), "LEROY");
}

TEST(InitEnEchec, SansDroitsNiBaseInitSArreteAvantDOuvrirQuoiQueCeSoit) {
    Installation installation;
    auto controle = std::make_unique<Ctr_Ardoine>();
    controle->Plateforme(installation.plateforme->Services());
    EXPECT_EQ(NumeroDErreur([&] { controle->Init(); }), dba::ErrDroits);
    EXPECT_THROW(controle->DroitsUtilisateur(nullptr), dba::Erreur);
    controle->DroitsUtilisateur(
        std::make_shared<essai::DroitsEnregistres>(2, installation.journal));
    EXPECT_EQ(NumeroDErreur([&] { controle->Init(); }), dba::ErrArgument);
    EXPECT_TRUE(AucunFichierOuvert(ardoine::ObjetsModule::DuThread()));
}

TEST(DroitsDuControle, LAffectationLitAussitotLesDroitsDuModuleEtRendSonErreurAuHote) {
    Installation installation;
    Ctr_Ardoine controle;
    controle.DroitsUtilisateur(std::make_shared<essai::DroitsEnregistres>(1, installation.journal));
    EXPECT_EQ(*installation.journal, Lignes{"droits lus ARDOINE"});

    // A database without the rights file is an error, not a login without rights.
    installation.base->fichierEnEchec = "DROITS";
    EXPECT_EQ(NumeroDErreur([&] {
                  controle.DroitsUtilisateur(
                      std::make_shared<droits::DroitsFichier>(installation.base, "admin"));
              }),
              dba::ErrFichierInconnu);
}

TEST(Gestionnaires, UneErreurDeLaSortieArriveAuGestionnaireDuHote) {
    Installation installation;
    auto controle = installation.Initialiser();
    ardoine::Plateforme services = installation.plateforme->Services();
    services.forme = std::make_shared<FormeEnEchec>();
    controle->Plateforme(services);
    QStringList erreurs;
    controle->GestionnaireErreurs(
        [&erreurs](const std::exception& erreur) { erreurs.append(erreur.what()); });

    QTest::mouseClick(essai::Face(*controle).Cmd_Sortir, Qt::LeftButton);
    EXPECT_EQ(erreurs, QStringList{"La forme hôte a refusé de se fermer."});
    EXPECT_TRUE(controle->W_Sortir());
}

// A nested occupation gives back the state of the one that holds it.
TEST(Gestionnaires, UnGestionnaireQuiEchoueRendLePointeurEtLEtatActifPuisAfficheLErreur) {
    Installation installation;
    auto controle = installation.Initialiser();
    installation.plateforme->Oublier_Appels();
    controle->Executer_Evenement([&controle] {
        Ctr_ArdoinePrivate::Occupation exterieure(Ctr_ArdoinePrivate::De(*controle));
        { Ctr_ArdoinePrivate::Occupation interieure(Ctr_ArdoinePrivate::De(*controle)); }
        EXPECT_FALSE(controle->isEnabled());
        throw dba::Erreur(dba::ErrStockage, "Le disque est plein.");
    });
    EXPECT_TRUE(controle->isEnabled());
    EXPECT_EQ(installation.plateforme->Appels(),
              (QStringList{"pointeur 11", "pointeur 11", "pointeur 11", "pointeur 0",
                           "message Critique | Message KORVANE | Le disque est plein."}));
}

TEST(Gestionnaires, RienNeSortDUnGestionnaireMemeUneErreurEtrangereOuUnGestionnaireFautif) {
    Installation installation;
    auto controle = installation.Initialiser();
    QStringList erreurs;
    controle->GestionnaireErreurs(
        [&erreurs](const std::exception& erreur) { erreurs.append(erreur.what()); });
    controle->Executer_Evenement([] { throw 42; });
    EXPECT_EQ(erreurs, QStringList{"Erreur inattendue."});

    controle->GestionnaireErreurs(
        [](const std::exception&) { throw std::runtime_error("gestionnaire en panne"); });
    controle->Executer_Evenement([] { throw std::runtime_error("panne"); });
}

}  // namespace
