#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace dbtool {

// A new database file, which SQLite writes itself, built beside its destination under a
// provisional name and put in place only once complete, so that a failed command leaves
// nothing half-written; it never replaces a file (the files that replace others go through
// outils::FichierEntier). Unless put in place, the provisional file and the database's side
// files are removed on destruction.
class FichierProvisoire {
  public:
    // Raises dba::Erreur ErrStockage when the destination already exists.
    explicit FichierProvisoire(std::filesystem::path destination);
    ~FichierProvisoire();
    FichierProvisoire(const FichierProvisoire&) = delete;
    FichierProvisoire& operator=(const FichierProvisoire&) = delete;

    const std::filesystem::path& chemin() const { return provisoire_; }
    // Runs the writing of the provisional file; a dba::Erreur it raises names the destination,
    // the file the user asked for, instead of the provisional name.
    void ecrire(const std::function<void(const std::string& chemin)>& ecriture) const;

    // Puts the file at its destination; never overwrites a file that appeared since.
    void mettreEnPlace();

  private:
    std::filesystem::path destination_;
    std::filesystem::path provisoire_;
    bool enPlace_ = false;
};

// Removes a database file and the side files SQLite may leave beside it.
void supprimerBase(const std::filesystem::path& chemin);

}  // namespace dbtool
