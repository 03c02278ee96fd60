#include "FichierEntier.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "AppelsFichier.h"
#include "LotDeFichiers.h"
#include "NomsCaches.h"
#include "Remplacement.h"
#include "dba/CauseSysteme.h"

namespace outils {

namespace {

// Large enough that a list takes a few writes, small enough to hold for any number of files.
constexpr std::size_t TailleTampon = 64 * 1024;

std::string Dossier_De(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    if (barre == std::string::npos) {
        return ".";
    }
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

std::string Nom_De(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    return barre == std::string::npos ? chemin : chemin.substr(barre + 1);
}

}  // namespace

FichierEntier::FichierEntier(std::string chemin, std::uint32_t numeroErreur)
    : chemin_(std::move(chemin)),
      nom_(Nom_De(chemin_)),
      numeroErreur_(numeroErreur),
      appels_(AppelsFichier::Actuels()) {
    if (chemin_.empty()) {
        Echouer("aucun nom de fichier n'a été indiqué");
    }
    if (nom_.empty() || nom_ == "." || nom_ == "..") {
        Echouer("c'est un dossier");
    }
    std::shared_ptr<const DossierOuvert> dossier = Ouvrir_Dossier();
    Verifier_Cible(dossier->Descripteur());
    LotEnCours* lot = LotEnCours::Actuel();
    if (lot == nullptr || lot->Premier_Du_Dossier(dossier->Descripteur())) {
        Retirer_Restes(dossier->Descripteur());
    }
    Creer_Provisoire(std::move(dossier));
}

FichierEntier::~FichierEntier() {
    Abandonner();
}

dba::Erreur FichierEntier::Erreur(const std::string& cause) const {
    return Erreur_Ecriture(numeroErreur_, chemin_, cause);
}

void FichierEntier::Echouer(const std::string& cause) {
    Abandonner();
    throw Erreur(cause);
}

void FichierEntier::Echouer_Systeme(int erreur) {
    Echouer(dba::Cause_Systeme(erreur));
}

std::shared_ptr<const DossierOuvert> FichierEntier::Ouvrir_Dossier() {
    const std::string dossier = Dossier_De(chemin_);
    const int descripteur = appels_->OuvrirDossier(dossier.c_str());
    if (descripteur < 0) {
        const int erreur = errno;
        if (erreur == ENOENT || erreur == ENOTDIR) {
            Echouer("le dossier « " + dossier + " » n'existe pas");
        }
        Echouer_Systeme(erreur);
    }
    return std::make_shared<const DossierOuvert>(descripteur);
}

// One rule for every kind of file: only a plain file the user may write is replaced. The
// write bit is asked of the owner too, so that root does not overwrite a read-only file.
void FichierEntier::Verifier_Cible(int dossier) {
    struct stat etat {};
    if (appels_->Etat(dossier, nom_.c_str(), etat) != 0) {
        if (errno == ENOENT) {
            return;
        }
        Echouer_Systeme(errno);
    }
    if (S_ISLNK(etat.st_mode)) {
        Echouer("c'est un lien symbolique ; indiquez le fichier lui-même");
    }
    if (S_ISDIR(etat.st_mode)) {
        Echouer("c'est un dossier");
    }
    if (!S_ISREG(etat.st_mode)) {
        Echouer("ce n'est pas un fichier ordinaire (périphérique, tube ou socket)");
    }
    if ((etat.st_mode & S_IWUSR) == 0) {
        Echouer("le fichier est en lecture seule");
    }
    if (appels_->AccesEcriture(dossier, nom_.c_str()) != 0) {
        Echouer(errno == EACCES ? "le fichier est en lecture seule" : dba::Cause_Systeme(errno));
    }
    cibleExiste_ = true;
    permissions_ = etat.st_mode & 0777;
}

void FichierEntier::Creer_Provisoire(std::shared_ptr<const DossierOuvert> dossier) {
    remplacement_ = std::make_unique<Remplacement>(appels_, std::move(dossier), chemin_, nom_,
                                                   cibleExiste_, numeroErreur_);
    try {
        fichier_ = remplacement_->Creer();
    } catch (...) {
        Abandonner();
        throw;
    }
    if (cibleExiste_ && appels_->ChangerPermissions(fichier_, permissions_) != 0) {
        Echouer_Systeme(errno);
    }
}

void FichierEntier::Ecrire(std::string_view octets) {
    tampon_.append(octets);
    if (tampon_.size() >= TailleTampon) {
        Vider();
    }
}

void FichierEntier::Vider() {
    std::size_t ecrits = 0;
    while (ecrits < tampon_.size()) {
        const ssize_t fait =
            appels_->Ecrire(fichier_, tampon_.data() + ecrits, tampon_.size() - ecrits);
        if (fait < 0 && errno == EINTR) {
            continue;
        }
        if (fait <= 0) {
            // A regular file that takes no byte has no room left.
            Echouer_Systeme(fait < 0 ? errno : ENOSPC);
        }
        ecrits += static_cast<std::size_t>(fait);
    }
    tampon_.clear();
}

// Every byte on the disk, the file closed: ready to take the target's place.
void FichierEntier::Preparer() {
    Vider();
    if (appels_->Synchroniser(fichier_) != 0) {
        Echouer_Systeme(errno);
    }
    // A failed close releases the descriptor all the same.
    if (appels_->Fermer(std::exchange(fichier_, -1)) != 0) {
        Echouer_Systeme(errno);
    }
}

void FichierEntier::Terminer() {
    Preparer();
    if (LotEnCours* lot = LotEnCours::Actuel()) {
        lot->Recevoir(std::move(remplacement_));
        return;
    }
    try {
        remplacement_->Mettre_En_Place();
        // Only then is the new name on the disk; until then a crash may bring the old file back.
        remplacement_->Synchroniser_Dossier();
    } catch (...) {
        Abandonner();
        throw;
    }
    remplacement_->Confirmer();
    remplacement_.reset();
}

// Undoes what is not finished and releases everything.
void FichierEntier::Abandonner() {
    if (fichier_ >= 0) {
        ::close(std::exchange(fichier_, -1));
    }
    remplacement_.reset();
}

}  // namespace outils
