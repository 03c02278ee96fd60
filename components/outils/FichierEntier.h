#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "dba/Erreur.h"

namespace outils {

class AppelsFichier;
class DossierOuvert;
class Remplacement;

// A file replaced whole or not at all: the way every file the program writes is written.
// The bytes go to a provisional file made beside the target under a name of its own (created
// exclusively, never through a link), which takes the target's place only once every byte is
// on the disk; until then, and after any failure, the old file stays as it was and the
// provisional file is removed. A target that is not a plain file (a link, a folder, a device, a
// pipe) or that is read-only is refused before anything is written. The new file keeps the
// permissions of the file it replaces; a new one gets those of any new file of the user.
// Every failure raises dba::Erreur with the number given, naming the file and the cause in
// French. Several files of one run are several FichierEntier; within outils::Ecrire_Lot, they
// are put in place together, once all of them are written.
class FichierEntier {
  public:
    // Checks the target and creates the provisional file.
    explicit FichierEntier(std::string chemin, std::uint32_t numeroErreur = dba::ErrImprimante);
    // Without Terminer, the provisional file is removed and the target left untouched.
    ~FichierEntier();
    FichierEntier(const FichierEntier&) = delete;
    FichierEntier& operator=(const FichierEntier&) = delete;

    void Ecrire(std::string_view octets);
    // Writes what remains, puts the file on the disk and in place of the target; within a lot,
    // hands it to the lot, which puts it in place with the others.
    void Terminer();

    const std::string& Chemin() const { return chemin_; }
    // The dba::Erreur of this file for that cause: "Impossible d'écrire le fichier « … » : …".
    dba::Erreur Erreur(const std::string& cause) const;

  private:
    [[noreturn]] void Echouer(const std::string& cause);
    [[noreturn]] void Echouer_Systeme(int erreur);
    std::shared_ptr<const DossierOuvert> Ouvrir_Dossier();
    void Verifier_Cible(int dossier);
    void Creer_Provisoire(std::shared_ptr<const DossierOuvert> dossier);
    void Vider();
    void Preparer();
    void Abandonner();

    std::string chemin_;
    std::string nom_;
    std::uint32_t numeroErreur_;
    std::shared_ptr<AppelsFichier> appels_;
    std::string tampon_;
    int fichier_ = -1;
    bool cibleExiste_ = false;
    mode_t permissions_ = 0;
    std::unique_ptr<Remplacement> remplacement_;
};

}  // namespace outils
