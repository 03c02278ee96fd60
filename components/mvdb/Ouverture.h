#pragma once

#include <memory>
#include <string>

#include "Creation.h"
#include "Mode.h"
#include "Stockage.h"

namespace mvdb {

// The store a database name designates (see NomBase.h). Raises ErrStockage when it cannot
// be created (it exists already) or opened (missing, or not one of our databases).
std::unique_ptr<Stockage> creerStockage(const std::string& nom, Creation creation);
std::unique_ptr<Stockage> ouvrirStockage(const std::string& nom, Mode mode);
// Removes a server database of ours whole, for a command that created it and failed to fill
// it. A file is its creator's to remove.
void effacerBaseCreee(const std::string& nom);

}  // namespace mvdb
