#include "Ctr_ArdoinePrivate.h"

// The busy state of a chain started from a list box: hourglass and the whole control disabled
// while it runs and while the window events it left wait, then both back.
void Ctr_ArdoinePrivate::Occupe(const std::function<void()>& travail) {
    const ardoine::Occupation occupation(q, Services, Pointeur_Souris);
    travail();
    Services.evenements->Traiter_En_Attente();
}
