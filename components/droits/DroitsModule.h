#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ListeAcces.h"
#include "droits/ExportDroits.h"

namespace droits {

// The user's rights for one module.
class ARDOINE_DROITS_EXPORT DroitsModule {
  public:
    virtual ~DroitsModule() = default;
    // 2 is full rights; 0 no rights at all.
    virtual std::int32_t NiveauAcces() = 0;
    // Whether the user may see the aided persons of the sector (a 3-character code).
    virtual bool AccesAutorise(const std::string& secteur, std::int16_t drapeau) = 0;
    // The same holder at every call, so that it keeps what InitialiserListe built.
    virtual std::shared_ptr<droits::ListeAcces> ListeAcces() = 0;
};

}  // namespace droits
