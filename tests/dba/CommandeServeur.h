#pragma once

#include <string>

// Runs one SQL statement on the server database the connection string names, as the test
// cluster's superuser. Raises std::logic_error in a build without the server store, where no
// test has a server database to speak to.
void commanderSurServeur(const std::string& connexion, const std::string& sql);
