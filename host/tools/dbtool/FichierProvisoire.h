#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace dbtool {

// A file written beside its destination under a provisional name and put in place only once
// complete, so that a failed command leaves nothing half-written. Unless put in place, the
// provisional file and the database's side files are removed on destruction.
class FichierProvisoire {
  public:
    enum class SiPresent { Refuser, Remplacer };

    // Refuser: raises dba::Erreur ErrStockage when the destination already exists.
    FichierProvisoire(std::filesystem::path destination, SiPresent siPresent);
    ~FichierProvisoire();
    FichierProvisoire(const FichierProvisoire&) = delete;
    FichierProvisoire& operator=(const FichierProvisoire&) = delete;

    const std::filesystem::path& chemin() const { return provisoire_; }
    // Runs the writing of the provisional file; a dba::Erreur it raises names the destination,
    // the file the user asked for, instead of the provisional name.
    void ecrire(const std::function<void(const std::string& chemin)>& ecriture) const;

    // Puts the file at its destination; Refuser never overwrites a file that appeared since.
    void mettreEnPlace();

  private:
    std::filesystem::path destination_;
    std::filesystem::path provisoire_;
    SiPresent siPresent_;
    bool enPlace_ = false;
};

// Removes a database file and the side files SQLite may leave beside it.
void supprimerBase(const std::filesystem::path& chemin);

}  // namespace dbtool
