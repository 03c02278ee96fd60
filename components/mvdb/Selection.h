#pragma once

#include <string_view>

#include "Depot.h"
#include "dba/Requete.h"

namespace mvdb {

// Runs a sentence inside one read transaction, so it sees one state of the database even
// while another process imports. `attributs` names the columns of each row ("0 6 1");
// an empty list gives the key alone. Raises ErrSyntaxe, ErrFichierInconnu or
// ErrItemInconnu with the position of the fault; nothing is selected then.
dba::ListeResultat selectionner(const Depot& depot, std::string_view phrase,
                                std::string_view attributs);

}  // namespace mvdb
