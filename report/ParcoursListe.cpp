#include "Impression.h"
#include "liste/DiffusionListe.h"

// The one walk of the selected agreements: each is decided once, by the readers, and the
// decision goes to the destination, after the line and the group it opens when it is listed.
// A group begins with the walk's first line and with every line whose group differs from the
// line before it.

void rapport::Impression::Parcourir_Liste(rapport::DestinationListe& destination,
                                          const QDate& mois) {
    rapport::DiffusionListe diffusion({&destination, contexte_.observateur});
    copie_ = rapport::EtatCopie{};
    copie_.mois = mois;
    rapport::EtatCopie& copie = copie_;
    do {
        Anticiper_Lectures();
        Lecture_Accord();
        if (!copie.decision.renouvele) {
            Lecture_Demandacc();
        }
        if (copie.decision.Listee()) {
            const rapport::LigneListe& ligne = copie.decision.ligne;
            if (copie.groupe != ligne.groupe) {
                diffusion.Debut_Groupe(ligne.groupe);
                copie.groupe = ligne.groupe;
            }
            diffusion.Ligne(ligne);
        }
        diffusion.Decision(copie.decision);
        ++copie.rangee;
        contexte_.avancement.Avancer(copie.rangee);
    } while (!Colonne_Accord(1).empty());
    diffusion.Fin_Liste();
}
