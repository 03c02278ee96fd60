#pragma once

#include <functional>
#include <string>

#include "mvdb/Base.h"

namespace dbtool {

// Creates the database `nom` and runs `remplir` on it. A file is built under a provisional
// name and put in place only once `remplir` succeeds, so a failed command leaves nothing; a
// server database is created in place and removed again when `remplir` fails. A file whose
// folder is missing or cannot be searched or written is refused first, as ErreurUsage.
void creerBase(const std::string& nom, const std::function<void(mvdb::Base&)>& remplir);

}  // namespace dbtool
