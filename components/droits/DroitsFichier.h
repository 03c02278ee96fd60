#pragma once

#include <memory>
#include <optional>
#include <string>

#include "DroitsUtilisateur.h"
#include "dba/TheDatabase.h"
#include "droits/ExportDroits.h"

namespace droits {

// The rights of one login, read from the DROITS file: attribute 1 lists the modules, 2 the
// level of each, 3 the sectors of each as subvalues ("*" for all). A login or a module that
// the file does not know gets no rights at all: level 0 and no sector.
class ARDOINE_DROITS_EXPORT DroitsFichier : public DroitsUtilisateur {
  public:
    DroitsFichier(std::shared_ptr<dba::TheDatabase> base, std::string login);
    std::shared_ptr<DroitsModule> LireDroitsModule(const std::string& module) override;
    std::string Nom() const override { return login_; }
    // Whether the file has a record for the login (an unknown login is told so).
    bool Connu() const;

  private:
    // Nothing for an empty or unknown login.
    std::optional<dba::Enregistrement> LireDroitsLogin() const;

    std::shared_ptr<dba::TheDatabase> base_;
    std::string login_;
};

}  // namespace droits
