#pragma once

#include <exception>
#include <functional>
#include <memory>

#include <QDate>
#include <QStringList>
#include <QWidget>

#include "ExportControle.h"
#include "Plateforme.h"

namespace dba {
class TheClient;
class TheDatabase;
}  // namespace dba

namespace droits {
class DroitsUtilisateur;
}

namespace rapport {
class DestinationListe;
}

class Ctr_ArdoinePrivate;

// The criteria form of the "LISTE DES ACCORDS NON RENOUVELES", placed by a host application
// on one of its forms. The host assigns the user's rights, the client and the database, calls
// Init once, and reads W_Sortir when its form unloads (true: the control closed it itself).
// The form's controls are children of this widget, found by their names (Txt_Association,
// Cbo_Association, ..., Cmd_Imprimer, Cmd_Sortir) with findChild.
class CONTROLE_ARDOINE_EXPORT Ctr_Ardoine : public QWidget {
    Q_OBJECT

  public:
    explicit Ctr_Ardoine(QWidget* parent = nullptr);
    ~Ctr_Ardoine() override;

    bool W_Sortir() const;
    void W_Sortir(bool valeur);
    // Keeps the user's rights and reads at once those of the module "ARDOINE".
    void DroitsUtilisateur(std::shared_ptr<droits::DroitsUtilisateur> droits);
    // Kept for the host's sake; the control never calls it.
    void TheClient(std::shared_ptr<dba::TheClient> client);
    // Replaces the database of every control of the thread.
    void TheDatabase(std::shared_ptr<dba::TheDatabase> base);
    // Sets the control up. A failure comes back as an exception, with the files this call
    // opened released.
    void Init();

    void Remplir_Asso();
    void Remplir_Responsable();
    void Vider_Champs();
    // Criteria: the working procedures of the lookup pairs.
    void Remplir_Activites();
    void Remplir_Secteur();
    void Remplir_Organisme();
    // Report: the agreement readers and the page layout, called by the print command.
    void Lecture_Accord();
    void Lecture_Demandacc();
    void Entete_Page();
    void Entete_Tableau();
    void Verif_Ligne();
    void New_Page();
    void Imprime_Detail();
    void Edition_Fin_Tableau();

    // Read-only facts for the host. The first day of the month the period box shows (the
    // month the spinner moves); whether the last print run printed a line or wrote the table
    // file.
    QDate Periode_Affichee() const;
    bool Liste_Imprimee() const;
    // The files the last print run wrote, in order: the one file of a run on a file, or those
    // of the groups; none when it wrote none (a PDF file shown first counts as none).
    QStringList Fichiers_Ecrits() const;

    // From the next print run on a file (PDF, XLSX or CSV) on, with true: one file per group
    // of the chosen grouping that has lines, "DOSSIER/NOM-<code>.ext" beside the file chosen
    // "DOSSIER/NOM.ext", each holding what the list limited to that group holds (the table
    // files headed as the whole list). The files are written once every line is laid out, all
    // of them or none. A run on a printer prints as ever.
    void Un_Fichier_Par_Groupe(bool unParGroupe);

    // How many consecutive months, from the month the period box shows, the next print run
    // prints: each month's list as it prints alone, after a schedule of the lines per month
    // (1, the default: that month's list only). Outside 1..MoisImprimesMaximum raises
    // dba::Erreur.
    static constexpr int MoisImprimesMaximum = 24;
    void Mois_Imprimes(int nombre);
    int Mois_Imprimes() const;

    // Also sends the list of every run to `observateur` (none: nullptr), after the page layout,
    // so that it sees each line at its place on the page (the decision's page and line).
    void Observateur_Liste(rapport::DestinationListe* observateur);

    // The platform services (default: those of the Qt application).
    void Plateforme(const ardoine::Plateforme& services);
    // Receives the errors of the event handlers (default: a message box with the error's text).
    void GestionnaireErreurs(std::function<void(const std::exception&)> gestionnaire);
    // Runs an event handler: whatever it raises goes to the error handler, never further.
    void Executer_Evenement(const std::function<void()>& gestionnaire) noexcept;

  private:
    friend class Ctr_ArdoinePrivate;
    std::unique_ptr<Ctr_ArdoinePrivate> d_;
};
