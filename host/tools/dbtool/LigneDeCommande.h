#pragma once

#include <QStringList>

#include "Console.h"

namespace dbtool {

// Runs the command line (without the program's name): finds the sub-command, runs it and
// reports any failure on the error stream as "erreur : ...". Exit code: 0 on success, 1 when
// the command failed, 2 when the command line is wrong.
int executer(const QStringList& arguments, Console& console);

}  // namespace dbtool
