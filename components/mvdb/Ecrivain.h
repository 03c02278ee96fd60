#pragma once

#include <map>
#include <set>
#include <string_view>

#include "Depot.h"
#include "EntreesIndex.h"

namespace mvdb {

// Writes records inside the caller's write transaction, keeping the file's indexes in step.
class Ecrivain {
  public:
    explicit Ecrivain(Depot& depot);

    void ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees);
    // Hands the index entries still held back to the store: due before the transaction
    // commits.
    void terminer();

  private:
    const std::set<int>& indexes(IdFichier fichier);

    Depot& depot_;
    EntreesIndex entrees_;
    std::map<IdFichier, std::set<int>> indexes_;
};

}  // namespace mvdb
