#pragma once

#include <functional>
#include <string>

namespace outils {

// The hidden names the writer gives, beside a target "NOM", to the file it writes
// (".NOM.provisoire-PID-XXXXXXXXXX") and to the second link it keeps to the old file until the
// new one is safely in place (".NOM.ancien-PID-XXXXXXXXXX"): the writing process's number, then
// ten signs no one can foresee.

// Runs `creer` with fresh names of that role ("provisoire" or "ancien") until one is free; the
// name taken, or empty with errno set.
std::string Nom_Libre(const std::string& nom, const char* role,
                      const std::function<bool(const std::string&)>& creer);

// Removes from the folder (a descriptor) the hidden files that processes of this machine and
// this user left there when they were killed outright (kill -9, a crash, a power cut): only
// plain files of this user, named exactly as above, whose process is gone. Those of a process
// still alive, this one included, and anything else, stay.
void Retirer_Restes(int dossier);

}  // namespace outils
