#pragma once

#include "liste/DestinationListe.h"

class Ctr_ArdoinePrivate;

namespace ardoine {

// The printed pages as a destination of the walk: a group starts the copy's first page, or a
// new page after it; a line goes through Verif_Ligne, which breaks full pages.
class MiseEnPageListe : public rapport::DestinationListe {
  public:
    explicit MiseEnPageListe(Ctr_ArdoinePrivate& controle) : controle_(controle) {}

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const rapport::LigneListe& ligne) override;
    void Decision(const rapport::DecisionAccord& decision) override;
    void Fin_Liste() override;

  private:
    Ctr_ArdoinePrivate& controle_;
};

}  // namespace ardoine
