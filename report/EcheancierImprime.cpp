#include "Impression.h"
#include "PagesEcheancier.h"
#include "printer/Imprimante.h"

// The schedule of a range of months: counted by the walks, printed in front of their pages.

// The schedule of the run counts the same lines as its table or its pages.
rapport::Echeancier rapport::Impression::Nouvel_Echeancier() {
    return rapport::Echeancier([this](const std::string& groupe) { return Nom_Groupe(groupe); });
}

// The schedule's pages go in front of the copy's months, whose lines they count.
void rapport::Impression::Placer_Echeancier(const rapport::Echeancier& echeancier,
                                            int premierePage) {
    Imprimante_Courante().InsererPages(premierePage, Pages_Echeancier(echeancier));
}

imprimante::Document rapport::Impression::Pages_Echeancier(
    const rapport::Echeancier& echeancier) const {
    return rapport::Pages_Echeancier(echeancier, En_Tete_Liste(),
                                     contexte_.services.calendrier->Aujourdhui());
}
