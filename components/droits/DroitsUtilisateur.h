#pragma once

#include <memory>
#include <string>

#include "DroitsModule.h"
#include "droits/ExportDroits.h"

namespace droits {

// The rights of the user of the host application.
class ARDOINE_DROITS_EXPORT DroitsUtilisateur {
  public:
    virtual ~DroitsUtilisateur() = default;
    virtual std::shared_ptr<DroitsModule> LireDroitsModule(const std::string& module) = 0;
    // The user's name as the host knows it, shown on the lists written to files; empty when
    // the rights come from elsewhere than a login.
    virtual std::string Nom() const { return {}; }
};

}  // namespace droits
