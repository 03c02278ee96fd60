#pragma once

#include "Collection.h"
#include "droits/ExportDroits.h"

namespace droits {

// The aided persons hidden from the user. InitialiserListe builds W_Liste, which the holder
// keeps until the next call: a Count other than 0 means some aided persons are hidden.
class ARDOINE_DROITS_EXPORT ListeAcces {
  public:
    virtual ~ListeAcces() = default;
    virtual void InitialiserListe() = 0;

    Collection W_Liste;
};

}  // namespace droits
