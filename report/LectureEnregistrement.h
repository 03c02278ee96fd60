#pragma once

#include <memory>
#include <string>

#include "dba/TheDatabase.h"

namespace rapport {

// Reads the record of `cle` in `fichier` into `enregistrement`; false, and the slot empty, when
// the key is not on file.
bool Lire_Enregistrement(const std::shared_ptr<dba::Fichier>& fichier, const std::string& cle,
                         std::shared_ptr<dba::Enregistrement>& enregistrement);

}  // namespace rapport
