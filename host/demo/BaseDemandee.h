#pragma once

#include <memory>

#include "BaseParDefaut.h"

namespace dba {
class TheClient;
}

namespace demo {

// The client of the chosen database (a file, or a server database). A file that does not exist
// is refused by name, without creating it, saying how to name another when the name was not
// typed; every failure raises dba::Erreur, whose text never shows a password.
std::shared_ptr<dba::TheClient> Ouvrir_Base(const BaseChoisie& base);

}  // namespace demo
