#include "Impression.h"
#include "dba/Erreur.h"

// The pages of the printer the user chose, and the public layout procedures on them.

rapport::MiseEnPage& rapport::Impression::Mise_En_Page() {
    if (!miseEnPage_) {
        throw dba::Erreur(dba::ErrImprimante, "Aucune imprimante n'a été choisie.");
    }
    return *miseEnPage_;
}

imprimante::Imprimante& rapport::Impression::Imprimante_Courante() {
    return Mise_En_Page().Imprimante();
}

void rapport::Impression::Entete_Page() {
    Mise_En_Page().Entete_Page(copie_.decision.ligne.groupe);
}

void rapport::Impression::Entete_Tableau() {
    Mise_En_Page().Entete_Tableau();
}

void rapport::Impression::Verif_Ligne() {
    Mise_En_Page().Verif_Ligne(copie_.decision.ligne);
    ligneImprimee_ = true;
}

void rapport::Impression::New_Page() {
    Mise_En_Page().New_Page(copie_.decision.ligne.groupe);
}

void rapport::Impression::Imprime_Detail() {
    Mise_En_Page().Imprime_Detail(copie_.decision.ligne);
    ligneImprimee_ = true;
}

void rapport::Impression::Edition_Fin_Tableau() {
    Mise_En_Page().Edition_Fin_Tableau();
}
