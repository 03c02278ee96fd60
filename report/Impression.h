#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "Avancement.h"
#include "CriteresListe.h"
#include "EtatCopie.h"
#include "MiseEnPage.h"
#include "ObjetsModule.h"
#include "Plateforme.h"
#include "dba/Requete.h"
#include "liste/Echeancier.h"
#include "liste/TableauListe.h"
#include "printer/Destination.h"

namespace droits {
class DroitsModule;
}

namespace imprimante {
class Imprimante;
struct Document;
}  // namespace imprimante

namespace rapport {

template <class Destination>
class RepartitionGroupes;
class MiseEnPageGroupe;

// What the host chose for its runs beside the criteria.
struct OptionsImpression {
    // The months the run prints, from the criteria's.
    int moisImprimes = 1;
    // One file per group, for the runs on a file.
    bool unFichierParGroupe = false;
};

// What a print run is given at the click: the module's database objects, the platform's
// services, the user's rights and name, the criteria taken once from the form, the host's
// options, what shows the run's progress and who else hears the walk (none: nobody).
struct ContexteImpression {
    ardoine::ObjetsModule& module;
    ardoine::Plateforme services;
    std::shared_ptr<droits::DroitsModule> droitsModule;
    std::string nomUtilisateur;
    CriteresListe criteres;
    OptionsImpression options;
    Avancement& avancement;
    DestinationListe* observateur = nullptr;
};

// One print run, from the click to the last copy: it selects the agreements of its criteria in
// one read view of the database, asks for the printer, walks the selection once per copy
// (month after month for a range), deciding each agreement once, and sends the decisions to
// the pages, the table file or the files of the groups. Its state after the run tells what it
// printed. The control's public procedures that read or lay out one row come here too.
class Impression {
  public:
    explicit Impression(ContexteImpression contexte);
    ~Impression();
    Impression(const Impression&) = delete;
    Impression& operator=(const Impression&) = delete;

    // The whole run; false when the criteria select no agreement (the user was told). A run
    // that fails leaves nothing printed, and its error says that the print was interrupted.
    bool Imprimer();

    void Lecture_Accord();
    void Lecture_Demandacc();
    // The layout procedures on the pages of the printer the user chose, with the line of the
    // current row's decision and its group; an error when no printer was chosen.
    void Entete_Page();
    void Entete_Tableau();
    void Verif_Ligne();
    void New_Page();
    void Imprime_Detail();
    void Edition_Fin_Tableau();

    bool Ligne_Imprimee() const { return ligneImprimee_; }
    const std::vector<std::string>& Fichiers_Ecrits() const { return fichiersEcrits_; }

  private:
    bool Imprimer_Liste();
    MiseEnPage& Mise_En_Page();
    bool Choisir_Imprimante();
    QString Nom_Document() const;
    void Avertir_Aides_Caches();
    void Imprimer_Copies(const std::function<void()>& imprimerCopie);
    void Imprimer_Copie();
    void Noter_Fichier_Pdf();
    MiseEnPage::Placement Placement_Decision();
    void Signaler_Liste_Vide();
    void Abandonner_Impression() noexcept;
    void Message_Impression(ardoine::Icone icone, const QString& texte);

    dba::ListeResultat Selectionner_Accords(const QDate& mois);
    QDate Mois_Du_Rang(int rang) const;
    bool Plusieurs_Mois() const { return contexte_.options.moisImprimes > 1; }
    dba::ListeResultat Selectionner_Periode();
    dba::ListeResultat Selection_Du_Mois(int rang);
    void Parcourir_Periode(DestinationListe& destination, Echeancier& echeancier);
    void Parcourir_Liste(DestinationListe& destination, const QDate& mois);
    void Placer_Echeancier(const Echeancier& echeancier, int premierePage);
    imprimante::Document Pages_Echeancier(const Echeancier& echeancier) const;

    void Anticiper_Lectures();
    void Anticiper_Renvois(const std::vector<std::string>& aides,
                           const std::vector<std::string>& accords,
                           std::vector<std::string> organismes);
    void Anticiper_Groupes(const std::vector<std::string>& aides);
    bool Lire_Accord_Numero(const std::string& aide, int numero);
    int Anticiper_Accords_Suivants(const std::string& aide, int numero, int deja);
    bool Accord_Suivant_Compte();
    bool Demande_Couvre();
    std::optional<std::int64_t> Lendemain_Fin() const;
    void Lire_Aide();
    std::string Code_Aide() const;
    std::string Colonne_Accord(int colonne) const;
    bool Aide_Visible(const dba::Enregistrement& aide);
    std::string Groupe_Aide(const dba::Enregistrement& aide) const;
    LigneListe Ligne_Liste();

    void Exporter_Tableau();
    std::unique_ptr<TableauListe> Nouveau_Tableau(const std::string& fichier, bool differe);
    Echeancier Nouvel_Echeancier();
    void Terminer_Tableau(const TableauListe& tableau, const Echeancier& echeancier) const;
    EnTeteListe En_Tete_Liste() const;
    std::string Nom_Groupe(const std::string& groupe);

    bool Fichier_Par_Groupe() const;
    void Ecrire_Fichiers_Par_Groupe();
    void Exporter_Tableaux_Par_Groupe();
    void Imprimer_Pdf_Par_Groupe();
    void Imprimer_Copie_Par_Groupe(RepartitionGroupes<MiseEnPageGroupe>& groupes);
    std::shared_ptr<imprimante::Imprimante> Ouvrir_Imprimante_Fichier(const std::string& fichier);

    imprimante::Imprimante& Imprimante_Courante();

    ContexteImpression contexte_;
    ardoine::ObjetsModule& module_;
    // The criteria of the click; their month is the first of a range.
    const CriteresListe criteres_;
    // The whole period as the run names it: the month ("MAI 2018"), or the range ("DE JUIN
    // 2026 A AOUT 2026").
    QString periodeImprimee_;
    // The selection being walked, and those of a range's months kept for the walks to come,
    // by rank in the range.
    std::optional<dba::ListeResultat> accords_;
    std::vector<std::optional<dba::ListeResultat>> selectionsMois_;
    // What the user chose to print on, its index in the printer collection, and the pages of
    // the printer when it is one.
    imprimante::Destination destination_;
    std::int32_t entree_ = -1;
    std::unique_ptr<MiseEnPage> miseEnPage_;
    // Whether a line was printed, or the table file written.
    bool ligneImprimee_ = false;
    // Whether the walk under way is the run's last: a range keeps its months' selections for
    // the copies still to walk them.
    bool derniereCopie_ = true;
    // The files the run wrote, in order.
    std::vector<std::string> fichiersEcrits_;
    EtatCopie copie_;
};

}  // namespace rapport
