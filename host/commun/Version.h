#pragma once

#include <QString>

namespace hote {

// What --version prints after the program's name: the project's version and the versions of
// Qt and SQLite the program runs with ("0.1 (Qt 6.4.2, SQLite 3.40.1)").
QString Version_Complete();

}  // namespace hote
