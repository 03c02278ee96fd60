#pragma once

#include <iosfwd>

#include <QStringList>

namespace hote {

// The program's arguments, read before anything else sees them. A password in a database
// name (a URI or a key=value string, also after "--option=") is then overwritten in the
// process's own argument bytes, which other users of the machine can read while it runs
// (ps, /proc); the copy returned keeps it. A warning, given once on `avertissements`,
// recommends a password file or a service file. Call it before QCoreApplication, and take
// the arguments from its result rather than from the application, which reads the bytes.
QStringList Lire_Arguments(int argc, char** argv, std::ostream& avertissements);

}  // namespace hote
