#include "Impression.h"
#include "outils/Outils.h"
#include "printer/Imprimante.h"

// Each copy asked, by `imprimerCopie`. The copies read the run's one view (Imprimer_Liste), so
// they agree with each other.
void rapport::Impression::Imprimer_Copies(const std::function<void()>& imprimerCopie) {
    const std::int16_t copies = outils::Outils::Partage().NbCopies();
    for (std::int16_t copie = 1; copie <= copies; ++copie) {
        derniereCopie_ = copie == copies;
        imprimerCopie();
    }
}

// Every selected agreement is read again for each copy; a copy's first page is started by
// the first line it prints, so that it is headed with that line's group: a copy that printed
// no line has no page. A copy of several months begins with their schedule.
void rapport::Impression::Imprimer_Copie() {
    const int premierePage = ligneImprimee_ ? Imprimante_Courante().Page() + 1 : 1;
    rapport::Echeancier echeancier = Nouvel_Echeancier();
    Parcourir_Periode(Mise_En_Page(), echeancier);
    if (!ligneImprimee_) {
        Imprimante_Courante().KillDoc();
        Signaler_Liste_Vide();
    } else if (Plusieurs_Mois()) {
        Placer_Echeancier(echeancier, premierePage);
    }
}

// Each line's place on its page goes with its decision.
rapport::MiseEnPage::Placement rapport::Impression::Placement_Decision() {
    return [this](const PlacementLigne& place) {
        ligneImprimee_ = true;
        copie_.decision.page = place.page;
        copie_.decision.numeroLigne = place.ligne;
    };
}
