#include "AvancementFormulaire.h"

#include <algorithm>
#include <utility>

#include <QProgressBar>

namespace ardoine {

AvancementFormulaire::AvancementFormulaire(QProgressBar& barre, Occuper_Formulaire occuper)
    : barre_(barre), occuper_(std::move(occuper)) {}

std::unique_ptr<rapport::Avancement::Occupation> AvancementFormulaire::Occuper() {
    return occuper_();
}

void AvancementFormulaire::Longueur(std::int64_t rangees) {
    barre_.setMaximum(static_cast<int>(rangees));
}

void AvancementFormulaire::Montrer() {
    barre_.setVisible(true);
}

// The bar moves by steps of a twentieth of the walk, to its end with the last row, and back to
// the start with the next copy. Each step redraws the form there and then (the events wait
// for the end of the run), which costs as much as deciding about ten rows.
void AvancementFormulaire::Avancer(std::int64_t rangee) {
    constexpr int PasParParcours = 20;
    const int valeur = static_cast<int>(rangee);
    const int avant = barre_.value();
    const int pas = std::max(1, barre_.maximum() / PasParParcours);
    if (valeur >= barre_.maximum() || valeur < avant || valeur - avant >= pas) {
        barre_.setValue(valeur);
    }
}

void AvancementFormulaire::Effacer() {
    barre_.setVisible(false);
    barre_.reset();
}

}  // namespace ardoine
