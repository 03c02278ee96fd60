#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include "BoutonsHautBas.h"
#include "Ctr_Ardoine.h"
#include "EtatImpression.h"
#include "ListeDeroulante.h"
#include "MiseEnPageListe.h"
#include "ObjetsModule.h"
#include "Plateforme.h"
#include "dba/Requete.h"
#include "liste/DecisionAccord.h"
#include "liste/DestinationListe.h"
#include "liste/Echeancier.h"
#include "liste/PhraseSelection.h"
#include "liste/TableauListe.h"

namespace droits {
class DroitsModule;
class DroitsUtilisateur;
}  // namespace droits

namespace imprimante {
class Imprimante;
struct Document;
}  // namespace imprimante

namespace rapport {
template <class Destination>
class RepartitionGroupes;
}

namespace ardoine {
class MiseEnPageGroupe;
}

// What the control holds and does behind its public face: the form's child controls, the held
// lists, the thread's database objects, the user's rights and the print run's state, with the
// handlers, the criteria units and the report units that work on them. The public procedures
// of Ctr_Ardoine come here to do their work.
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
    void Lecture_Accord();
    void Lecture_Demandacc();
    // The layout prints the line and the group it is given.
    void Entete_Page(const std::string& groupe);
    void Entete_Tableau();
    ardoine::PlacementLigne Verif_Ligne(const rapport::LigneListe& ligne);
    void New_Page(const std::string& groupe);
    void Imprime_Detail(const rapport::LigneListe& ligne);
    void Edition_Fin_Tableau();
    // The criteria as the form shows them now.
    rapport::CriteresListe Criteres_Du_Formulaire() const;
    std::vector<rapport::PartieSelection> Parties_Selection(
        const rapport::CriteresListe& criteres) const;
    void Executer_Evenement(const std::function<void()>& gestionnaire) noexcept;

    // Busy state for the length of a scope: hourglass and the whole control disabled; the
    // pointer and the enabled state come back on leaving the scope, by error or not.
    class Occupation {
      public:
        explicit Occupation(Ctr_ArdoinePrivate& controle);
        ~Occupation();
        Occupation(const Occupation&) = delete;
        Occupation& operator=(const Occupation&) = delete;

      private:
        Ctr_ArdoinePrivate& controle_;
        int pointeurAvant_;
        bool actifAvant_;
        // Disabling the control takes the focus from the control that had it; it gets it back.
        QPointer<QWidget> focusAvant_;
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
    std::optional<dba::ListeResultat> Liste_Accord;
    // The selections of a range's months kept for the walks to come, by rank in the range.
    std::vector<std::optional<dba::ListeResultat>> Selections_Mois;
    std::optional<dba::ListeResultat> Liste_Communes;
    std::optional<dba::ListeResultat> Liste_Organismes;
    dba::Requete Req_Organisme;

    // Period of the list: month as two digits, year as text, and the spinner's last value.
    QString Mois_Courant;
    QString Annee_Courante;
    std::int16_t Val_Periode = 0;
    // The months the next run prints, from the period's (Ctr_Ardoine::Mois_Imprimes).
    int Nombre_Mois_Imprimes = 1;

    // The print run: its criteria, its choices and where its walk stands.
    rapport::EtatImpression Etat;

    void Construire_Formulaire();
    void Construire_Association();
    void Construire_Activites();
    void Construire_Selection();
    void Construire_Periode();
    void Construire_Organisme();
    void Construire_Commandes();
    void Ordonner_Tabulation();
    void Relier_Evenements();
    // Runs the handler, through Executer_Evenement, each time the signal is emitted.
    template <class Emetteur, class Signal>
    void Relier(Emetteur* emetteur, Signal signal, void (Ctr_ArdoinePrivate::*gestionnaire)()) {
        QObject::connect(emetteur, signal, &q, [this, gestionnaire] {
            Executer_Evenement([this, gestionnaire] { (this->*gestionnaire)(); });
        });
    }
    void Signaler_Erreur(const std::exception& erreur) noexcept;
    void Definir_Pointeur(int numero);

    void Controle_Droits();
    void Cmd_Sortir_Click();
    void Bdh_Periode_Change();
    void Prendre_Mois_Courant();
    void Placer_Periode(int valeur);
    QString Libelle_Periode() const;

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
    std::function<void(const std::exception&)> Gestionnaire_Erreurs;
    int Pointeur_Souris = ardoine::PointeurDefaut;
    bool Criteres_En_Effacement = false;

    // Report: the print command and what the readers and the layout share.
    struct Bornes {
        std::string premier;
        std::string dernier;
    };
    void Cmd_Imprimer_Click();
    void Imprimer_Liste();
    bool Refuser_Critere_Avec_Guillemet();
    dba::ListeResultat Selectionner_Accords();
    static Bornes Bornes_Periode(const rapport::CriteresListe& criteres);
    static rapport::PartieSelection Partie_Groupe(const rapport::CriteresListe& criteres);
    bool Organisme_Choisi() const;
    bool Choisir_Imprimante();
    QString Nom_Document() const;
    void Avertir_Aides_Caches();
    void Imprimer_Copies(const std::function<void()>& imprimerCopie);
    void Imprimer_Copie();
    void Parcourir_Liste(rapport::DestinationListe& destination);
    void Avancer_Progression(std::int64_t rangee);
    bool Plusieurs_Mois() const;
    dba::ListeResultat Selectionner_Periode();
    dba::ListeResultat Selection_Du_Mois(int rang);
    void Parcourir_Periode(rapport::DestinationListe& destination, rapport::Echeancier& echeancier);
    void Placer_Echeancier(const rapport::Echeancier& echeancier, int premierePage);
    imprimante::Document Pages_Echeancier(const rapport::Echeancier& echeancier) const;
    void Anticiper_Lectures();
    bool Lire_Accord_Numero(const std::string& aide, int numero);
    int Anticiper_Accords_Suivants(const std::string& aide, int numero, int deja);
    rapport::LigneListe Ligne_Liste();
    void Exporter_Tableau();
    std::unique_ptr<rapport::TableauListe> Nouveau_Tableau(const std::string& fichier,
                                                           bool differe);
    rapport::Echeancier Nouvel_Echeancier();
    void Terminer_Tableau(const rapport::TableauListe& tableau,
                          const rapport::Echeancier& echeancier) const;
    void Noter_Fichier_Pdf();
    ardoine::MiseEnPageListe::Placement Placement_Decision();
    void Signaler_Liste_Vide();
    // One file per group (FichiersParGroupe.cpp): set by the host, for the runs on a file.
    bool Un_Fichier_Par_Groupe = false;
    bool Fichier_Par_Groupe() const;
    void Ecrire_Fichiers_Par_Groupe();
    void Exporter_Tableaux_Par_Groupe();
    void Imprimer_Pdf_Par_Groupe();
    void Imprimer_Copie_Par_Groupe(rapport::RepartitionGroupes<ardoine::MiseEnPageGroupe>& groupes);
    std::shared_ptr<imprimante::Imprimante> Ouvrir_Imprimante_Fichier(const std::string& fichier);
    rapport::EnTeteListe En_Tete_Liste() const;
    std::string Nom_Groupe(const std::string& groupe);
    void Commencer_Copie(const std::string& groupe);
    void Abandonner_Impression() noexcept;
    void Message_Impression(ardoine::Icone icone, const QString& texte);
    bool Accord_Suivant_Compte();
    bool Demande_Couvre();
    std::optional<std::int64_t> Lendemain_Fin() const;
    void Lire_Aide();
    std::string Code_Aide() const;
    std::string Colonne_Accord(int colonne) const;
    bool Aide_Visible(const dba::Enregistrement& aide);
    std::string Groupe_Aide(const dba::Enregistrement& aide) const;
    static bool Lire_Enregistrement(const std::shared_ptr<dba::Fichier>& fichier,
                                    const std::string& cle,
                                    std::shared_ptr<dba::Enregistrement>& enregistrement);
    void Bloc_Responsable(const std::string& responsable);
    void Bloc_Secteur(const std::string& secteur);
    void Bloc_Commune(const std::string& commune);
    imprimante::Imprimante& Imprimante_Courante();
    double Cm(double centimetres) const;
    void Tracer(double x1, double y1, double x2, double y2);
    rapport::DestinationListe* Observateur_Liste_ = nullptr;
};
