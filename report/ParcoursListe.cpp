#include "Ctr_ArdoinePrivate.h"
#include "liste/DiffusionListe.h"

#include <algorithm>

// The one walk of the selected agreements: each is decided once, by the readers, and the
// decision goes to the destination, after the line and the group it opens when it is listed.
// A group begins with the walk's first line and with every line whose group differs from the
// line before it.

void Ctr_ArdoinePrivate::Parcourir_Liste(rapport::DestinationListe& destination) {
    rapport::DiffusionListe diffusion({&destination, Observateur_Liste_});
    Etat.copie = rapport::EtatCopie{};
    rapport::EtatCopie& copie = Etat.copie;
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
        Avancer_Progression(copie.rangee);
    } while (!Colonne_Accord(1).empty());
    diffusion.Fin_Liste();
}

// The bar moves by steps of a twentieth of the walk, to its end with the last row, and back to
// the start with the next copy. Each step redraws the form there and then (the events wait
// for the end of the run), which costs as much as deciding about ten rows.
void Ctr_ArdoinePrivate::Avancer_Progression(std::int64_t rangee) {
    constexpr int PasParParcours = 20;
    const int valeur = static_cast<int>(rangee);
    const int avant = Prg_Accord->value();
    const int pas = std::max(1, Prg_Accord->maximum() / PasParParcours);
    if (valeur >= Prg_Accord->maximum() || valeur < avant || valeur - avant >= pas) {
        Prg_Accord->setValue(valeur);
    }
}

// The fields of the current row's line; its person is read already (Lecture_Demandacc).
rapport::LigneListe Ctr_ArdoinePrivate::Ligne_Liste() {
    const dba::Enregistrement& personne = *Module.Enr_CivilAide;
    Lire_Enregistrement(Module.Fic_OrgPriseCharge, Colonne_Accord(3), Module.Enr_OrgPriseCharge);
    return rapport::LigneListe{Code_Aide(),
                               personne(2),
                               personne(3),
                               Colonne_Accord(3),
                               (*Module.Enr_OrgPriseCharge)(1),
                               Colonne_Accord(2),
                               Groupe_Aide(personne)};
}
