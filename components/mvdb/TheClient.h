#pragma once

#include <memory>
#include <string>

#include "dba/ExportBase.h"
#include "dba/TheDatabase.h"

namespace dba {

// The connection the control works through: one database file opened read-only, so the
// control never writes while the tools import.
class ARDOINE_BASE_EXPORT TheClient {
  public:
    // Raises Erreur ErrStockage when the file is missing or is not a database.
    explicit TheClient(const std::string& chemin);
    std::shared_ptr<TheDatabase> base() const;

  private:
    std::shared_ptr<TheDatabase> base_;
};

}  // namespace dba
