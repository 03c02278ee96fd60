#pragma once

#include <string>

namespace mvdb {

// Looks at a database file before SQLite opens it, so that each fault gets its own message:
// missing, unreadable, not a database at all, or a database truncated or damaged. Raises
// ErrStockage.
void verifierFichierSqlite(const std::string& chemin);

}  // namespace mvdb
