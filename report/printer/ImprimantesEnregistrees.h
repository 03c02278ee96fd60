#pragma once

#include "ImprimanteEnregistree.h"
#include "Imprimantes.h"

namespace imprimante {

// A fixed list of entries whose printers only record; it remembers every printer it opened,
// so a test can read what was printed on which entry.
class ImprimantesEnregistrees : public Imprimantes {
  public:
    struct Ouverture {
        std::int32_t index;
        Reglages reglages;
        std::shared_ptr<ImprimanteEnregistree> imprimante;
    };

    explicit ImprimantesEnregistrees(std::vector<Destination> liste,
                                     std::int32_t indexParDefaut = 0);

    std::vector<Destination> Liste() const override { return liste_; }
    std::int32_t IndexParDefaut() const override { return indexParDefaut_; }
    std::shared_ptr<Imprimante> Ouvrir(std::int32_t index, const Reglages& reglages) override;

    const std::vector<Ouverture>& Ouvertures() const { return ouvertures_; }

  private:
    std::vector<Destination> liste_;
    std::int32_t indexParDefaut_;
    std::vector<Ouverture> ouvertures_;
};

}  // namespace imprimante
