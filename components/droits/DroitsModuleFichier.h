#pragma once

#include <memory>

#include "DroitsModule.h"
#include "SecteursAutorises.h"
#include "dba/TheDatabase.h"

namespace droits {

// A module's rights as read from the DROITS file: the level and the sectors. The flag of
// AccesAutorise does not change the answer.
class DroitsModuleFichier : public DroitsModule {
  public:
    DroitsModuleFichier(std::shared_ptr<dba::TheDatabase> base, std::int32_t niveau,
                        SecteursAutorises secteurs);

    std::int32_t NiveauAcces() override { return niveau_; }
    bool AccesAutorise(const std::string& secteur, std::int16_t drapeau) override;
    std::shared_ptr<droits::ListeAcces> ListeAcces() override;

  private:
    std::shared_ptr<dba::TheDatabase> base_;
    std::int32_t niveau_;
    SecteursAutorises secteurs_;
    std::shared_ptr<droits::ListeAcces> liste_;
};

}  // namespace droits
