#pragma once

#include <cerrno>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PlanDePanne.h"
#include "outils/AppelsFichier.h"

namespace essai {

// The writer's calls to the system, counted from 1: the rang-th fails with that error number,
// once or with every call after it; the others are the real ones. Rang 0 fails and counts none.
// Error number 0 is a write that takes no byte (returns 0), as a full disk may answer.
class AppelsEnPanne : public outils::AppelsFichier {
  public:
    using Duree = PlanDePanne::Duree;

    AppelsEnPanne(int rang, Duree duree, int erreur = ENOSPC) : erreur_(erreur) {
        plan_.armer(rang, duree);
    }

    // Calls made so far, failed ones included.
    int Faits() const { return static_cast<int>(plan_.appels()); }
    // The names of the calls made, in order, failed ones included, armed or not.
    const std::vector<std::string>& Journal() const { return journal_; }

    int OuvrirDossier(const char* chemin) override;
    int Etat(int dossier, const char* nom, struct stat& etat) override;
    int AccesEcriture(int dossier, const char* nom) override;
    int Creer(int dossier, const char* nom, mode_t mode) override;
    int ChangerPermissions(int fichier, mode_t mode) override;
    ssize_t Ecrire(int fichier, const void* octets, std::size_t taille) override;
    ssize_t EcrireA(int fichier, const void* octets, std::size_t taille, off_t position) override;
    int Synchroniser(int descripteur) override;
    int Fermer(int fichier) override;
    int Lier(int dossier, const char* nom, const char* lien) override;
    int Renommer(int dossier, const char* ancien, const char* nouveau) override;

  private:
    // Notes and counts the call; true, errno set, when it is to fail.
    bool Echoue(const char* appel);
    // What a failed write returns: -1, or 0 for a write that takes no byte.
    ssize_t Ecriture_Echouee() const { return erreur_ == 0 ? 0 : -1; }

    PlanDePanne plan_;
    int erreur_;
    std::vector<std::string> journal_;
    std::shared_ptr<outils::AppelsFichier> reels_ = outils::AppelsFichier::Reels();
};

// For its lifetime, the writers' calls are those.
class PanneInstallee {
  public:
    explicit PanneInstallee(std::shared_ptr<AppelsEnPanne> appels) {
        outils::AppelsFichier::Remplacer(std::move(appels));
    }
    ~PanneInstallee() { outils::AppelsFichier::Remplacer(nullptr); }
    PanneInstallee(const PanneInstallee&) = delete;
    PanneInstallee& operator=(const PanneInstallee&) = delete;
};

// Writes over an existing `fichier` with each of the writer's calls failing in turn (a full
// disk), once and then persistently, from the first call until a run makes no more; `ecrire`
// returns the error shown, empty when none. After each failure the old file must be as it was,
// byte for byte and mode, nothing else be left in its folder, and the error name the file and
// the cause. The run without failure must then replace it. Returns the number of calls tried.
int Essayer_Chaque_Panne(const std::string& fichier, const std::function<std::string()>& ecrire);

}  // namespace essai
