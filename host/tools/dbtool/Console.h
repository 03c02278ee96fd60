#pragma once

#include <iosfwd>

namespace dbtool {

// Where a command reads its input and writes its results and its messages; the program
// passes the standard streams, tests pass strings.
struct Console {
    std::istream& entree;
    std::ostream& sortie;
    std::ostream& erreurs;
};

}  // namespace dbtool
