#pragma once

#include <vector>

#include "DestinationListe.h"

namespace rapport {

// Sends the walk to several destinations, in the order given; null entries are skipped.
class DiffusionListe : public DestinationListe {
  public:
    explicit DiffusionListe(std::vector<DestinationListe*> destinations);

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const LigneListe& ligne) override;
    void Decision(const DecisionAccord& decision) override;
    void Fin_Liste() override;

  private:
    std::vector<DestinationListe*> destinations_;
};

}  // namespace rapport
