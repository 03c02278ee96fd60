#include "Remplacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "AppelsFichier.h"
#include "NomsCaches.h"
#include "dba/CauseSysteme.h"

namespace outils {

namespace {

// The file systems without hard links (FAT, some network shares) answer these.
bool SansLiens(int erreur) {
    return erreur == EPERM || erreur == EOPNOTSUPP || erreur == EXDEV || erreur == EMLINK;
}

}  // namespace

DossierOuvert::~DossierOuvert() {
    ::close(descripteur_);
}

dba::Erreur Erreur_Ecriture(std::uint32_t numero, const std::string& chemin,
                            const std::string& cause) {
    return dba::Erreur(numero,
                       "Impossible d'écrire le fichier « " + chemin + " » : " + cause + ".");
}

Remplacement::Remplacement(std::shared_ptr<AppelsFichier> appels,
                           std::shared_ptr<const DossierOuvert> dossier, std::string chemin,
                           std::string nom, bool cibleExiste, std::uint32_t numeroErreur)
    : appels_(std::move(appels)),
      dossier_(std::move(dossier)),
      chemin_(std::move(chemin)),
      nom_(std::move(nom)),
      numeroErreur_(numeroErreur),
      cibleExiste_(cibleExiste) {}

Remplacement::~Remplacement() {
    Annuler();
}

void Remplacement::Echouer_Systeme(int erreur) const {
    throw Erreur_Ecriture(numeroErreur_, chemin_, dba::Cause_Systeme(erreur));
}

int Remplacement::Creer() {
    int fichier = -1;
    const SignauxRetenus retenus;
    provisoire_ = Nom_Libre(nom_, "provisoire", [this, &fichier](const std::string& nom) {
        fichier = appels_->Creer(Descripteur(), nom.c_str(), 0666);
        return fichier >= 0;
    });
    if (provisoire_.empty()) {
        Echouer_Systeme(errno);
    }
    Noter_Annulation();
    return fichier;
}

void Remplacement::Mettre_En_Place() {
    Garder_Ancien();
    const SignauxRetenus retenus;
    if (appels_->Renommer(Descripteur(), provisoire_.c_str(), nom_.c_str()) != 0) {
        Echouer_Systeme(errno);
    }
    provisoire_.clear();
    enPlace_ = true;
    Noter_Annulation();
}

void Remplacement::Synchroniser_Dossier() {
    if (appels_->Synchroniser(Descripteur()) != 0) {
        Echouer_Systeme(errno);
    }
}

void Remplacement::Confirmer() noexcept {
    confirme_ = true;
    annulation_.Aucune();
    if (!ancien_.empty()) {
        ::unlinkat(Descripteur(), std::exchange(ancien_, {}).c_str(), 0);
    }
}

void Remplacement::Partager_Dossier(std::shared_ptr<const DossierOuvert> dossier) {
    const SignauxRetenus retenus;
    dossier_ = std::move(dossier);
    Noter_Annulation();
}

// A second link to the old file, so that it can be put back if the new one cannot be made
// lasting once in place. Without hard links the old file is simply replaced.
void Remplacement::Garder_Ancien() {
    if (!cibleExiste_) {
        return;
    }
    const SignauxRetenus retenus;
    ancien_ = Nom_Libre(nom_, "ancien", [this](const std::string& nom) {
        return appels_->Lier(Descripteur(), nom_.c_str(), nom.c_str()) == 0;
    });
    if (ancien_.empty() && !SansLiens(errno) && errno != ENOENT) {
        Echouer_Systeme(errno);
    }
    Noter_Annulation();
}

// What a signal must undo at this step; signals are held by the caller.
void Remplacement::Noter_Annulation() {
    if (!provisoire_.empty()) {
        // The old file is still in place, whether its second link is made or not.
        annulation_.Supprimer(Descripteur(), provisoire_, ancien_);
    } else if (enPlace_ && !ancien_.empty()) {
        annulation_.Remettre(Descripteur(), ancien_, nom_);
    } else if (enPlace_ && !cibleExiste_) {
        annulation_.Supprimer(Descripteur(), nom_);
    } else {
        annulation_.Aucune();
    }
}

void Remplacement::Annuler() noexcept {
    if (confirme_) {
        return;
    }
    const SignauxRetenus retenus;
    annulation_.Aucune();
    if (enPlace_) {
        if (!ancien_.empty()) {
            ::renameat(Descripteur(), std::exchange(ancien_, {}).c_str(), Descripteur(),
                       nom_.c_str());
        } else if (!cibleExiste_) {
            ::unlinkat(Descripteur(), nom_.c_str(), 0);
        }
        enPlace_ = false;
    }
    if (!provisoire_.empty()) {
        ::unlinkat(Descripteur(), std::exchange(provisoire_, {}).c_str(), 0);
    }
    if (!ancien_.empty()) {
        ::unlinkat(Descripteur(), std::exchange(ancien_, {}).c_str(), 0);
    }
}

}  // namespace outils
