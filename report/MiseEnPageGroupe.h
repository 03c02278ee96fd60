#pragma once

#include <cstdint>
#include <memory>

#include "MiseEnPageListe.h"

namespace imprimante {
class Imprimante;
}

namespace ardoine {

// The pages of one group on a printer of its own, as a list limited to that group prints them:
// its walk of each copy starts at page 1, on a new sheet when the document already has pages,
// and each page is headed with the group. The control's layout draws on the current printer
// and counts the pages of the walk: the group's printer and counts are put in place for each
// call and taken back after it, so that several groups are laid out side by side in one walk.
// A document still unsent when the layout goes is abandoned.
class MiseEnPageGroupe : public rapport::DestinationListe {
  public:
    MiseEnPageGroupe(Ctr_ArdoinePrivate& controle,
                     std::shared_ptr<imprimante::Imprimante> imprimante,
                     MiseEnPageListe::Placement placement);
    ~MiseEnPageGroupe() override;
    MiseEnPageGroupe(const MiseEnPageGroupe&) = delete;
    MiseEnPageGroupe& operator=(const MiseEnPageGroupe&) = delete;

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const rapport::LigneListe& ligne) override;
    void Decision(const rapport::DecisionAccord& decision) override;
    void Fin_Liste() override;

    imprimante::Imprimante& Imprimante() const { return *imprimante_; }

  private:
    // Where the group's walk stands on its pages.
    struct Pages {
        std::int64_t page = 1;
        std::int64_t ligne = 0;
        bool commencee = false;
    };

    template <class Travail>
    void En_Place(const Travail& travail);

    Ctr_ArdoinePrivate& controle_;
    std::shared_ptr<imprimante::Imprimante> imprimante_;
    MiseEnPageListe miseEnPage_;
    Pages pages_;
};

}  // namespace ardoine
