#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include "AvancementFormulaire.h"
#include "BoutonsHautBas.h"
#include "Ctr_Ardoine.h"
#include "Impression.h"
#include "ListeDeroulante.h"
#include "ObjetsModule.h"
#include "Occupation.h"
#include "Plateforme.h"
#include "SignalementErreurs.h"
#include "dba/Requete.h"

namespace droits {
class DroitsModule;
class DroitsUtilisateur;
}  // namespace droits

// What the control holds and does behind its public face: the form's child controls, the held
// lists, the thread's database objects, the user's rights and the print run's state, with the
// handlers and the criteria units that work on them, and the print run of the last click. The
// public procedures of Ctr_Ardoine come here to do their work.
class Ctr_ArdoinePrivate {
  public:
    explicit Ctr_ArdoinePrivate(Ctr_Ardoine& controle);
    ~Ctr_ArdoinePrivate();
    Ctr_ArdoinePrivate(const Ctr_ArdoinePrivate&) = delete;
    Ctr_ArdoinePrivate& operator=(const Ctr_ArdoinePrivate&) = delete;

    static Ctr_ArdoinePrivate& De(Ctr_Ardoine& controle) { return *controle.d_; }
    static const Ctr_ArdoinePrivate& De(const Ctr_Ardoine& controle) { return *controle.d_; }

    // The widget itself, parent of the child controls.
    Ctr_Ardoine& q;

    void DroitsUtilisateur(std::shared_ptr<droits::DroitsUtilisateur> droits);
    void Init();
    void Remplir_Asso();
    void Remplir_Responsable();
    void Vider_Champs();
    void Remplir_Activites();
    void Remplir_Secteur();
    void Remplir_Organisme();
    // The criteria as the form shows them now.
    rapport::CriteresListe Criteres_Du_Formulaire() const;

    // The control's busy state as the print run asks for it.
    class Occupation : public rapport::Avancement::Occupation {
      public:
        explicit Occupation(Ctr_ArdoinePrivate& controle)
            : occupation_(controle.q, controle.Services, controle.Pointeur_Souris) {}

      private:
        ardoine::Occupation occupation_;
    };

    // The form, in the order of its table of controls.
    QLabel* Etq_Association;
    QLineEdit* Txt_Association;
    ardoine::ListeDeroulante* Cbo_Association;
    QLabel* Etq_Activites;
    QLineEdit* Txt_Activites;
    ardoine::ListeDeroulante* Cbo_Activites;
    QGroupBox* Cdr_Selection;
    QRadioButton* Opt_Responsable;
    QRadioButton* Opt_Secteur;
    QRadioButton* Opt_Commune;
    QLabel* Etq_RespSect;
    QLineEdit* Txt_Responsable;
    ardoine::ListeDeroulante* Cbo_RespSect;
    QLabel* Etq_Commune;
    QLineEdit* Txt_Commune;
    ardoine::ListeDeroulante* Cbo_Commune;
    QLabel* Etq_Periode;
    QLineEdit* Txt_Periode;
    ardoine::BoutonsHautBas* Bdh_Periode;
    QLabel* Etq_Organisme;
    QLineEdit* Txt_CodeOrg;
    ardoine::ListeDeroulante* Cbo_SigleOrg;
    QProgressBar* Prg_Accord;
    QPushButton* Cmd_Imprimer;
    QPushButton* Cmd_Sortir;

    // Database objects shared with the other controls of the thread (Fic_Accord, Enr_Accord...).
    ardoine::ObjetsModule& Module;

    std::shared_ptr<droits::DroitsModule> Droits_Module;

    // Held result lists; no value while none was read.
    std::optional<dba::ListeResultat> Liste_Asso;
    std::optional<dba::ListeResultat> Liste_Activites;
    std::optional<dba::ListeResultat> Liste_Responsable;
    std::optional<dba::ListeResultat> Liste_Secteur;
    std::optional<dba::ListeResultat> Liste_Communes;
    std::optional<dba::ListeResultat> Liste_Organismes;
    dba::Requete Req_Organisme;

    // Period of the list: the date of the month's first day (none before Init), and the
    // spinner's last value.
    QDate Mois_Affiche;
    std::int16_t Val_Periode = 0;
    // The months the next run prints, from the period's (Ctr_Ardoine::Mois_Imprimes).
    int Nombre_Mois_Imprimes = 1;

    // The print run of the last click, and what it shows on the form.
    std::unique_ptr<rapport::Impression> Impression_Liste;
    std::unique_ptr<ardoine::AvancementFormulaire> Avancement_Impression;

    void Construire_Formulaire();
    void Construire_Association();
    void Construire_Activites();
    void Construire_Selection();
    void Construire_Periode();
    void Construire_Organisme();
    void Construire_Commandes();
    void Ordonner_Tabulation();
    void Relier_Evenements();
    // Runs the handler, through Erreurs, each time the signal is emitted.
    template <class Emetteur, class Signal>
    void Relier(Emetteur* emetteur, Signal signal, void (Ctr_ArdoinePrivate::*gestionnaire)()) {
        QObject::connect(emetteur, signal, &q, [this, gestionnaire] {
            Erreurs.Executer([this, gestionnaire] { (this->*gestionnaire)(); });
        });
    }

    void Controle_Droits();
    void Cmd_Sortir_Click();
    void Bdh_Periode_Change();
    void Prendre_Mois_Courant();
    void Placer_Periode(int valeur);

    // Criteria: the lookup pairs' handlers and what they share.
    void Relier_Criteres();
    // Where the criteria's messages go: nowhere while Vider_Champs clears the criteria, for
    // the lookups that the clearing sets off answer no change of the user's.
    ardoine::Messages& Messages_Criteres();
    void Occupe(const std::function<void()>& travail);
    dba::ListeResultat Executer_Selection(const dba::Requete& requete);
    dba::ListeResultat Lire_Selection(const QString& phrase, const char* fichier);
    static void Ajouter_Libelles(ardoine::ListeDeroulante& liste, const dba::ListeResultat& lignes);

    void Txt_Association_Change();
    void Txt_Association_KeyPress(std::int16_t& KeyAscii);
    void Txt_Association_LostFocus();
    void Cbo_Association_Change();
    void Cbo_Association_Click();
    void Valider_Association();
    void Fermer_Association();

    void Txt_Activites_Change();
    void Txt_Activites_KeyPress(std::int16_t& KeyAscii);
    void Txt_Activites_LostFocus();
    void Cbo_Activites_Change();
    void Cbo_Activites_Click();
    QString Code_Activite(int ligne) const;

    void Opt_Responsable_Click();
    void Opt_Secteur_Click();
    void Txt_Responsable_Change();
    void Txt_Responsable_KeyPress(std::int16_t& KeyAscii);
    void Txt_Responsable_LostFocus();
    void Cbo_RespSect_Change();
    void Cbo_RespSect_Click();
    void Remplir_RespSect(std::optional<dba::ListeResultat>& liste, const char* phrase,
                          const char* fichier);
    void Montrer_RespSect(const QString& libelle, void (Ctr_ArdoinePrivate::*remplir)());
    void Valider_Responsable();
    void Valider_Secteur();

    void Opt_Commune_Click();
    void Txt_Commune_Change();
    void Txt_Commune_KeyPress(std::int16_t& KeyAscii);
    void Txt_Commune_LostFocus();
    void Cbo_Commune_Change();
    void Cbo_Commune_Click();
    void Cbo_Commune_DropDown();
    void Cbo_Commune_KeyPress(std::int16_t& KeyAscii);
    void Chercher_Communes();

    void Txt_CodeOrg_Change();
    void Txt_CodeOrg_KeyPress(std::int16_t& KeyAscii);
    void Txt_CodeOrg_LostFocus();
    void Cbo_SigleOrg_Change();
    void Cbo_SigleOrg_Click();
    void Fermer_Organismes();
    void Ajouter_Organismes();
    void Verifier_Organisme(const QString& code);
    void Refuser_Organisme_Inconnu();
    bool Organisme_Convient(const dba::Enregistrement& organisme) const;

    bool W_Sortir = false;
    std::shared_ptr<droits::DroitsUtilisateur> Droits_Utilisateur;
    ardoine::Plateforme Services;
    ardoine::SignalementErreurs Erreurs{Services};
    int Pointeur_Souris = ardoine::PointeurDefaut;
    bool Criteres_En_Effacement = false;

    // The print command, which builds the run from the form and the host's choices.
    void Cmd_Imprimer_Click();
    bool Refuser_Critere_Avec_Guillemet();
    bool Organisme_Choisi() const;
    void Message_Impression(ardoine::Icone icone, const QString& texte);
    std::unique_ptr<rapport::Impression> Nouvelle_Impression();
    rapport::Impression& Impression_En_Cours();
    // One file per group: set by the host, for the runs on a file.
    bool Un_Fichier_Par_Groupe = false;
    rapport::DestinationListe* Observateur_Liste_ = nullptr;
};
