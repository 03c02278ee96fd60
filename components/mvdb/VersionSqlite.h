#pragma once

#include <string>

#include "dba/ExportBase.h"

namespace mvdb {

// The version of the SQLite library the engine runs on, as that library reports it at run
// time (it may differ from the one the engine was compiled against).
ARDOINE_BASE_EXPORT std::string VersionSqlite();

}  // namespace mvdb
