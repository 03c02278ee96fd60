#pragma once

#include <memory>

#include "ListeAcces.h"
#include "SecteursAutorises.h"
#include "dba/TheDatabase.h"

namespace droits {

// Lists the keys of the CIVILAIDE records whose sector (the first 3 characters of attribute
// 40) the user may not see. A user who sees every sector needs no reading at all.
class ListeAccesFichier : public ListeAcces {
  public:
    ListeAccesFichier(std::shared_ptr<dba::TheDatabase> base, SecteursAutorises secteurs);
    void InitialiserListe() override;

  private:
    std::shared_ptr<dba::TheDatabase> base_;
    SecteursAutorises secteurs_;
};

}  // namespace droits
