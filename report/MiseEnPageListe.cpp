#include "MiseEnPageListe.h"

#include "Ctr_ArdoinePrivate.h"

namespace ardoine {

void MiseEnPageListe::Debut_Groupe(const std::string& groupe) {
    if (!controle_.Etat.copie.commencee) {
        controle_.Commencer_Copie(groupe);
    } else {
        controle_.New_Page(groupe);
    }
}

void MiseEnPageListe::Ligne(const rapport::LigneListe& ligne) {
    placement_(controle_.Verif_Ligne(ligne));
}

void MiseEnPageListe::Decision(const rapport::DecisionAccord& /*decision*/) {}

void MiseEnPageListe::Fin_Liste() {
    if (controle_.Etat.copie.commencee) {
        controle_.Edition_Fin_Tableau();
    }
}

}  // namespace ardoine
