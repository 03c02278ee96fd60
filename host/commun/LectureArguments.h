#pragma once

#include <iosfwd>

#include <QStringList>

namespace hote {

// The program's arguments as given. A password in a database name (a URI or a key=value
// string, also after "--option=", and in a misspelled server address) is overwritten in the
// process's own argument bytes, which other users of the machine can read while it runs (ps,
// /proc), before any library the program links has started: the arguments are copied and
// masked from the program's pre-initialisation, linked in with this function. The copy
// returned keeps the passwords. A warning, given once on `avertissements`, recommends a
// password file or a service file. Take the arguments from its result rather than from the
// application, which reads the masked bytes.
QStringList Lire_Arguments(int argc, char** argv, std::ostream& avertissements);

}  // namespace hote
