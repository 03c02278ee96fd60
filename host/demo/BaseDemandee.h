#pragma once

#include <memory>

#include <QString>

namespace dba {
class TheClient;
}

namespace demo {

// The client of the database the --db option names (a file, or a server database). A file
// that does not exist is refused by name, without creating it; every failure raises
// dba::Erreur, whose text never shows a password.
std::shared_ptr<dba::TheClient> Ouvrir_Base(const QString& nom);

}  // namespace demo
