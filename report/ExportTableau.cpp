#include "Impression.h"
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

void rapport::Impression::Exporter_Tableau() {
    const std::string fichier = outils::Outils::Partage().ReglagesChoisis().fichierSortie;
    const auto tableau = Nouveau_Tableau(fichier, false);
    rapport::Echeancier echeancier = Nouvel_Echeancier();
    {
        const auto occupation = contexte_.avancement.Occuper();
        Parcourir_Periode(*tableau, echeancier);
        contexte_.services.evenements->Traiter_En_Attente();
    }
    if (tableau->Vide()) {
        Signaler_Liste_Vide();
        return;
    }
    Terminer_Tableau(*tableau, echeancier);
    fichiersEcrits_ = {fichier};
    ligneImprimee_ = true;
}

// The rows go to that file, in the form of the chosen entry, as they come or, `differe`, all
// at once when the file is completed (rapport::EcritureDifferee).
std::unique_ptr<rapport::TableauListe> rapport::Impression::Nouveau_Tableau(
    const std::string& fichier, bool differe) {
    const bool classeur = destination_.genre == imprimante::Destination::Genre::FichierXlsx;
    return std::make_unique<rapport::TableauListe>(
        En_Tete_Liste(), [this](const std::string& groupe) { return Nom_Groupe(groupe); },
        [](const std::string& jour) { return ardoine::Date_Fin(jour); },
        [classeur, fichier, differe](const rapport::EnTeteListe& enTete) {
            const auto ouvrir = [classeur, fichier, enTete]() {
                return classeur ? rapport::Ecrire_Xlsx(fichier, enTete)
                                : rapport::Ecrire_Csv(fichier);
            };
            return differe ? std::make_unique<rapport::EcritureDifferee>(ouvrir) : ouvrir();
        });
}

// A workbook of several months has the schedule's sheet.
void rapport::Impression::Terminer_Tableau(const rapport::TableauListe& tableau,
                                           const rapport::Echeancier& echeancier) const {
    tableau.Terminer(Plusieurs_Mois() ? &echeancier : nullptr);
}
