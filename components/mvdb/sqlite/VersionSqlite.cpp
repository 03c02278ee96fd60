#include "mvdb/VersionSqlite.h"

#include <sqlite3.h>

namespace mvdb {

std::string VersionSqlite() {
    return sqlite3_libversion();
}

}  // namespace mvdb
