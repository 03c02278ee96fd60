#pragma once

#include <string>
#include <vector>

#include "BaseEnregistreuse.h"
#include "droits/DroitsUtilisateur.h"

namespace essai {

// Rights of a fixed level, every sector open, that write down the modules asked for and their
// own release.
class DroitsEnregistres : public droits::DroitsUtilisateur {
  public:
    DroitsEnregistres(std::int32_t niveau, Journal journal);
    ~DroitsEnregistres() override;
    std::shared_ptr<droits::DroitsModule> LireDroitsModule(const std::string& module) override;

  private:
    std::int32_t niveau_;
    Journal journal_;
};

}  // namespace essai
