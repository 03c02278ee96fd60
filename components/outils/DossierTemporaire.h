#pragma once

#include <cstdint>
#include <string>

#include "dba/Erreur.h"

namespace outils {

// The folder where the program keeps its temporary files: TMPDIR when it is set and not empty,
// /tmp otherwise, as every program of the system does. A folder that is missing, or that is not
// a folder, raises dba::Erreur with the number given, naming it in French, rather than leaving
// each user of it to fail with a cause that does not say where.
std::string Dossier_Temporaire(std::uint32_t numeroErreur);

}  // namespace outils
