#include "Ctr_ArdoinePrivate.h"
#include "TexteRapport.h"
#include "droits/DroitsUtilisateur.h"
#include "liste/EcritureCsv.h"
#include "liste/EcritureDifferee.h"
#include "liste/EcritureXlsx.h"
#include "outils/Outils.h"

// The list written to a table file instead of printed: the same walk as the pages, once
// whatever the copies asked, each line written as a row as it is decided (month after month
// for a range), and the file completed at the end with the schedule's counts. An empty list
// writes no file, as an empty list prints no page.

void Ctr_ArdoinePrivate::Exporter_Tableau() {
    const std::string fichier = outils::Outils::Partage().ReglagesChoisis().fichierPdf;
    const auto tableau = Nouveau_Tableau(fichier, false);
    rapport::Echeancier echeancier = Nouvel_Echeancier();
    {
        const Occupation occupation(*this);
        Parcourir_Periode(*tableau, echeancier);
        Services.evenements->Traiter_En_Attente();
    }
    if (tableau->Vide()) {
        Signaler_Liste_Vide();
        return;
    }
    Terminer_Tableau(*tableau, echeancier);
    Etat.fichiersEcrits = {fichier};
    Etat.ligneImprimee = true;
}

// The rows go to that file, in the form of the chosen entry, as they come or, `differe`, all
// at once when the file is completed (rapport::EcritureDifferee).
std::unique_ptr<rapport::TableauListe> Ctr_ArdoinePrivate::Nouveau_Tableau(
    const std::string& fichier, bool differe) {
    const bool classeur = Etat.destination.genre == imprimante::Destination::Genre::FichierXlsx;
    return std::make_unique<rapport::TableauListe>(
        En_Tete_Liste(), [this](const std::string& groupe) { return Nom_Groupe(groupe); },
        [](const std::string& jour) { return ardoine::Date_Fin_Imprimable(jour); },
        [classeur, fichier, differe](const rapport::EnTeteListe& enTete) {
            const auto ouvrir = [classeur, fichier, enTete]() {
                return classeur ? rapport::Ecrire_Xlsx(fichier, enTete)
                                : rapport::Ecrire_Csv(fichier);
            };
            return differe ? std::make_unique<rapport::EcritureDifferee>(ouvrir) : ouvrir();
        });
}

// The schedule of the run counts the same lines as its table or its pages.
rapport::Echeancier Ctr_ArdoinePrivate::Nouvel_Echeancier() {
    return rapport::Echeancier([this](const std::string& groupe) { return Nom_Groupe(groupe); });
}

// A workbook of several months has the schedule's sheet.
void Ctr_ArdoinePrivate::Terminer_Tableau(const rapport::TableauListe& tableau,
                                          const rapport::Echeancier& echeancier) const {
    tableau.Terminer(Plusieurs_Mois() ? &echeancier : nullptr);
}

rapport::EnTeteListe Ctr_ArdoinePrivate::En_Tete_Liste() const {
    using Regroupement = rapport::CriteresListe::Regroupement;
    const rapport::CriteresListe& criteres = Etat.criteres;
    const char* regroupement = criteres.regroupement == Regroupement::Responsable ? "Responsable"
                               : criteres.regroupement == Regroupement::Secteur   ? "Secteur"
                                                                                  : "Commune";
    return rapport::EnTeteListe{Etat.periodeImprimee.toStdString(),
                                criteres.entite,
                                criteres.activite,
                                regroupement,
                                criteres.groupe,
                                criteres.organisme,
                                Droits_Utilisateur ? Droits_Utilisateur->Nom() : std::string(),
                                Plusieurs_Mois()};
}

// The manager's or the sector's name, or the commune's; empty when not on file.
std::string Ctr_ArdoinePrivate::Nom_Groupe(const std::string& groupe) {
    using Regroupement = rapport::CriteresListe::Regroupement;
    const Regroupement regroupement = Etat.criteres.regroupement;
    const std::shared_ptr<dba::Fichier>& fichier =
        regroupement == Regroupement::Responsable ? Module.Fic_Responsable
        : regroupement == Regroupement::Secteur   ? Module.Fic_Secteur
                                                  : Module.Fic_Communes;
    auto enregistrement = std::make_shared<dba::Enregistrement>();
    Lire_Enregistrement(fichier, groupe, enregistrement);
    return (*enregistrement)(1);
}
