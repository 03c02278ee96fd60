#include "EcritureDifferee.h"

namespace rapport {

void EcritureDifferee::Terminer(const TableauListe& tableau, const Echeancier* echeancier) {
    const std::unique_ptr<EcritureTableau> ecriture = ouvrir_();
    for (const LigneTableau& ligne : lignes_) {
        ecriture->Ligne(ligne);
    }
    ecriture->Terminer(tableau, echeancier);
}

}  // namespace rapport
