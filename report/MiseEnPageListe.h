#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "liste/DestinationListe.h"

class Ctr_ArdoinePrivate;

namespace ardoine {

// Where the layout put a line: its page, and its number on that page.
struct PlacementLigne {
    std::int64_t page = 0;
    std::int64_t ligne = 0;
};

// The printed pages as a destination of the walk: a group starts the copy's first page, or a
// new page after it, headed with that group; a line goes through Verif_Ligne, which breaks
// full pages. Each line's placement is told to whoever the run gave; the layout keeps nothing
// of the run's.
class MiseEnPageListe : public rapport::DestinationListe {
  public:
    using Placement = std::function<void(const PlacementLigne&)>;

    MiseEnPageListe(Ctr_ArdoinePrivate& controle, Placement placement)
        : controle_(controle), placement_(std::move(placement)) {}

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const rapport::LigneListe& ligne) override;
    void Decision(const rapport::DecisionAccord& decision) override;
    void Fin_Liste() override;

  private:
    Ctr_ArdoinePrivate& controle_;
    Placement placement_;
};

}  // namespace ardoine
