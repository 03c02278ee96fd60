#pragma once

#include <QStringList>
#include <sstream>
#include <string>

#include "dbtool/LigneDeCommande.h"

namespace essai {

struct Resultat {
    int code;
    std::string sortie;
    std::string erreurs;
};

// The tool's command line run in this process, so that what the test does to the process (a
// failing disk, a failing store) reaches it.
inline Resultat Lancer(const QStringList& arguments, const std::string& entree = "") {
    std::istringstream in(entree);
    std::ostringstream out, err;
    dbtool::Console console{in, out, err};
    const int code = dbtool::executer(arguments, console);
    return {code, out.str(), err.str()};
}

}  // namespace essai
