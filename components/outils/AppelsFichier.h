#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <memory>

namespace outils {

// The calls to the system by which FichierEntier writes a file (and the printer its waiting pages),
// each of which may fail, the failure then being reported to the user. Undoing a failed write
// (closing, removing the provisional file, putting the old file back) is not among them: it calls
// the system directly, being what every failure relies on. Tests put an implementation that fails a
// chosen call in place of the real one, to try every failure in turn.
class AppelsFichier {
  public:
    virtual ~AppelsFichier() = default;

    // Each returns what the system call named returns and sets errno as it does.
    virtual int OuvrirDossier(const char* chemin) = 0;                      // open
    virtual int Etat(int dossier, const char* nom, struct stat& etat) = 0;  // fstatat, no link
    virtual int AccesEcriture(int dossier, const char* nom) = 0;            // faccessat W_OK
    virtual int Creer(int dossier, const char* nom, mode_t mode) = 0;       // openat O_EXCL
    virtual int ChangerPermissions(int fichier, mode_t mode) = 0;           // fchmod
    virtual ssize_t Ecrire(int fichier, const void* octets, std::size_t taille) = 0;
    virtual ssize_t EcrireA(int fichier, const void* octets, std::size_t taille,
                            off_t position) = 0;    // pwrite
    virtual int Synchroniser(int descripteur) = 0;  // fsync, of a file or a folder
    virtual int Fermer(int fichier) = 0;
    virtual int Lier(int dossier, const char* nom, const char* lien) = 0;            // linkat
    virtual int Renommer(int dossier, const char* ancien, const char* nouveau) = 0;  // renameat

    // The calls the writers made from now on take: the real ones unless a test put others.
    static std::shared_ptr<AppelsFichier> Actuels();
    // For tests; nullptr puts the real calls back.
    static void Remplacer(std::shared_ptr<AppelsFichier> appels);
    // The real calls, for an implementation that fails some and passes the others on.
    static std::shared_ptr<AppelsFichier> Reels();
};

}  // namespace outils
