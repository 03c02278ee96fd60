#include "AppelsFichier.h"

#include <fcntl.h>
#include <unistd.h>

namespace outils {

namespace {

class AppelsReels : public AppelsFichier {
  public:
    int OuvrirDossier(const char* chemin) override {
        return ::open(chemin, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    int Etat(int dossier, const char* nom, struct stat& etat) override {
        return ::fstatat(dossier, nom, &etat, AT_SYMLINK_NOFOLLOW);
    }
    int AccesEcriture(int dossier, const char* nom) override {
        return ::faccessat(dossier, nom, W_OK, AT_SYMLINK_NOFOLLOW);
    }
    int Creer(int dossier, const char* nom, mode_t mode) override {
        return ::openat(dossier, nom, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    }
    int ChangerPermissions(int fichier, mode_t mode) override { return ::fchmod(fichier, mode); }
    ssize_t Ecrire(int fichier, const void* octets, std::size_t taille) override {
        return ::write(fichier, octets, taille);
    }
    ssize_t EcrireA(int fichier, const void* octets, std::size_t taille, off_t position) override {
        return ::pwrite(fichier, octets, taille, position);
    }
    int Synchroniser(int descripteur) override { return ::fsync(descripteur); }
    int Fermer(int fichier) override { return ::close(fichier); }
    int Lier(int dossier, const char* nom, const char* lien) override {
        return ::linkat(dossier, nom, dossier, lien, 0);
    }
    int Renommer(int dossier, const char* ancien, const char* nouveau) override {
        return ::renameat(dossier, ancien, dossier, nouveau);
    }
};

std::shared_ptr<AppelsFichier>& Installes() {
    static std::shared_ptr<AppelsFichier> appels = AppelsFichier::Reels();
    return appels;
}

}  // namespace

std::shared_ptr<AppelsFichier> AppelsFichier::Reels() {
    static const std::shared_ptr<AppelsFichier> reels = std::make_shared<AppelsReels>();
    return reels;
}

std::shared_ptr<AppelsFichier> AppelsFichier::Actuels() {
    return Installes();
}

void AppelsFichier::Remplacer(std::shared_ptr<AppelsFichier> appels) {
    Installes() = appels ? std::move(appels) : Reels();
}

}  // namespace outils
