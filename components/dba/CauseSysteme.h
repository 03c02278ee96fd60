#pragma once

#include <string>

#include "dba/ExportBase.h"

namespace dba {

// What a failed call to the system means for the user, in French and without a capital or a
// final stop, to follow a sentence such as "Impossible d'écrire le fichier « … » : ": "le
// disque est plein" for ENOSPC and EDQUOT, "permission refusée" for EACCES and EPERM, ... Any
// other number is named.
ARDOINE_BASE_EXPORT std::string Cause_Systeme(int erreur);

}  // namespace dba
