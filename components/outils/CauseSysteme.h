#pragma once

#include <string>

namespace outils {

// What a failed call to the system means for the user, in French and without a capital or a
// final stop, to follow "Impossible d'écrire le fichier « … » : ": "le disque est plein" for
// ENOSPC and EDQUOT, "permission refusée" for EACCES and EPERM, ... Any other number is named.
std::string Cause_Systeme(int erreur);

}  // namespace outils
