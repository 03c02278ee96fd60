#include "MiseEnPageListe.h"

#include "Ctr_ArdoinePrivate.h"

namespace ardoine {

// The page header reads the group from the current row's person, the same the walk gave.
void MiseEnPageListe::Debut_Groupe(const std::string& /*groupe*/) {
    if (!controle_.Edition_Commencee) {
        controle_.Commencer_Copie();
    } else {
        controle_.New_Page();
    }
}

// Imprime_Detail prints the current row's line, the one the walk gave; the decision learns
// where.
void MiseEnPageListe::Ligne(const rapport::LigneListe& /*ligne*/) {
    controle_.Verif_Ligne();
    controle_.Decision_Courante.page = controle_.Num_Page;
    controle_.Decision_Courante.numeroLigne = controle_.Num_Ligne;
}

void MiseEnPageListe::Decision(const rapport::DecisionAccord& /*decision*/) {}

void MiseEnPageListe::Fin_Liste() {
    if (controle_.Edition_Commencee) {
        controle_.Edition_Fin_Tableau();
    }
}

}  // namespace ardoine
