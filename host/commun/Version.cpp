#include "Version.h"

#include "mvdb/VersionSqlite.h"

namespace hote {

QString Version_Complete() {
    return QStringLiteral("%1 (Qt %2, SQLite %3)")
        .arg(QStringLiteral(ARDOINE_VERSION), QString::fromLatin1(qVersion()),
             QString::fromStdString(mvdb::VersionSqlite()));
}

}  // namespace hote
