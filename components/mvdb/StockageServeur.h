#pragma once

#include <memory>
#include <string>

#include "Creation.h"
#include "Mode.h"
#include "Stockage.h"

namespace mvdb {

// The store of a name that designates a server database (see NomBase.h): PostgreSQL's, or, in
// a program built without it, a refusal (dba::ErrSansServeur) that says so.
std::unique_ptr<Stockage> creerSurServeur(const std::string& nom, Creation creation);
std::unique_ptr<Stockage> ouvrirSurServeur(const std::string& nom, Mode mode);
void effacerSurServeur(const std::string& nom);
// Whether this program was built with the server store, for the help texts that name the
// databases it takes.
bool serveurDisponible();

}  // namespace mvdb
