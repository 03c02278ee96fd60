#include "DiffusionListe.h"

#include <algorithm>

namespace rapport {

DiffusionListe::DiffusionListe(std::vector<DestinationListe*> destinations)
    : destinations_(std::move(destinations)) {
    std::erase(destinations_, nullptr);
}

void DiffusionListe::Debut_Groupe(const std::string& groupe) {
    for (DestinationListe* destination : destinations_) {
        destination->Debut_Groupe(groupe);
    }
}

void DiffusionListe::Ligne(const LigneListe& ligne) {
    for (DestinationListe* destination : destinations_) {
        destination->Ligne(ligne);
    }
}

void DiffusionListe::Decision(const DecisionAccord& decision) {
    for (DestinationListe* destination : destinations_) {
        destination->Decision(decision);
    }
}

void DiffusionListe::Fin_Liste() {
    for (DestinationListe* destination : destinations_) {
        destination->Fin_Liste();
    }
}

}  // namespace rapport
