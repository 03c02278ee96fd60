#include "MiseEnPageGroupe.h"

#include "Ctr_ArdoinePrivate.h"
#include "printer/Imprimante.h"

namespace ardoine {

MiseEnPageGroupe::MiseEnPageGroupe(Ctr_ArdoinePrivate& controle,
                                   std::shared_ptr<imprimante::Imprimante> imprimante,
                                   MiseEnPageListe::Placement placement)
    : controle_(controle),
      imprimante_(std::move(imprimante)),
      miseEnPage_(controle, std::move(placement)) {}

MiseEnPageGroupe::~MiseEnPageGroupe() {
    try {
        if (!imprimante_->DocumentVide()) {
            imprimante_->KillDoc();
        }
    } catch (...) {
    }
}

template <class Travail>
void MiseEnPageGroupe::En_Place(const Travail& travail) {
    rapport::EtatImpression& etat = controle_.Etat;
    etat.imprimante = imprimante_;
    etat.copie.page = pages_.page;
    etat.copie.ligne = pages_.ligne;
    etat.copie.commencee = pages_.commencee;
    travail();
    pages_ = Pages{etat.copie.page, etat.copie.ligne, etat.copie.commencee};
}

void MiseEnPageGroupe::Debut_Groupe(const std::string& groupe) {
    En_Place([&] { miseEnPage_.Debut_Groupe(groupe); });
}

void MiseEnPageGroupe::Ligne(const rapport::LigneListe& ligne) {
    En_Place([&] { miseEnPage_.Ligne(ligne); });
}

void MiseEnPageGroupe::Decision(const rapport::DecisionAccord& decision) {
    miseEnPage_.Decision(decision);
}

// The next walk of the group starts afresh, as the next copy of its own list would.
void MiseEnPageGroupe::Fin_Liste() {
    En_Place([&] { miseEnPage_.Fin_Liste(); });
    pages_ = Pages{};
}

}  // namespace ardoine
