#include "FichierEntier.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <random>
#include <utility>

#include "AppelsFichier.h"
#include "dba/CauseSysteme.h"

namespace outils {

namespace {

// Large enough that a list takes a few writes, small enough to hold for any number of files.
constexpr std::size_t TailleTampon = 64 * 1024;
// Leaves room in a name of 255 bytes for what the provisional names add.
constexpr std::size_t LongueurNomGardee = 200;

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

std::string Suffixe_Aleatoire() {
    static constexpr std::string_view Signes =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generateur{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> tirage(0, Signes.size() - 1);
    std::string suffixe;
    for (int i = 0; i < 10; ++i) {
        suffixe.push_back(Signes[tirage(generateur)]);
    }
    return suffixe;
}

// A hidden name beside the target that no one can foresee: ".liste.csv.provisoire-k3V9...".
std::string Nom_Cache(const std::string& nom, const char* role) {
    std::string cache(1, '.');
    cache.append(nom, 0, LongueurNomGardee).append(1, '.').append(role).append(1, '-');
    return cache.append(Suffixe_Aleatoire());
}

// Runs `creer` with fresh names until one is free; the name taken, or empty with errno set.
std::string Nom_Libre(const std::string& nom, const char* role,
                      const std::function<bool(const std::string&)>& creer) {
    for (int essai = 0; essai < 100; ++essai) {
        std::string candidat = Nom_Cache(nom, role);
        if (creer(candidat)) {
            return candidat;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

// The file systems without hard links (FAT, some network shares) answer these.
bool SansLiens(int erreur) {
    return erreur == EPERM || erreur == EOPNOTSUPP || erreur == EXDEV || erreur == EMLINK;
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
    Ouvrir_Dossier();
    Verifier_Cible();
    Creer_Provisoire();
}

FichierEntier::~FichierEntier() {
    Abandonner();
}

dba::Erreur FichierEntier::Erreur(const std::string& cause) const {
    return dba::Erreur(numeroErreur_,
                       "Impossible d'écrire le fichier « " + chemin_ + " » : " + cause + ".");
}

void FichierEntier::Echouer(const std::string& cause) {
    Abandonner();
    throw Erreur(cause);
}

void FichierEntier::Echouer_Systeme(int erreur) {
    Echouer(dba::Cause_Systeme(erreur));
}

void FichierEntier::Ouvrir_Dossier() {
    const std::string dossier = Dossier_De(chemin_);
    dossier_ = appels_->OuvrirDossier(dossier.c_str());
    if (dossier_ < 0) {
        const int erreur = errno;
        if (erreur == ENOENT || erreur == ENOTDIR) {
            Echouer("le dossier « " + dossier + " » n'existe pas");
        }
        Echouer_Systeme(erreur);
    }
}

// One rule for every kind of file: only a plain file the user may write is replaced. The
// write bit is asked of the owner too, so that root does not overwrite a read-only file.
void FichierEntier::Verifier_Cible() {
    struct stat etat {};
    if (appels_->Etat(dossier_, nom_.c_str(), etat) != 0) {
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
    if (appels_->AccesEcriture(dossier_, nom_.c_str()) != 0) {
        Echouer(errno == EACCES ? "le fichier est en lecture seule" : dba::Cause_Systeme(errno));
    }
    cibleExiste_ = true;
    permissions_ = etat.st_mode & 0777;
}

void FichierEntier::Creer_Provisoire() {
    provisoire_ = Nom_Libre(nom_, "provisoire", [this](const std::string& nom) {
        fichier_ = appels_->Creer(dossier_, nom.c_str(), 0666);
        return fichier_ >= 0;
    });
    if (provisoire_.empty()) {
        Echouer_Systeme(errno);
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

void FichierEntier::Terminer() {
    Vider();
    if (appels_->Synchroniser(fichier_) != 0) {
        Echouer_Systeme(errno);
    }
    // A failed close releases the descriptor all the same.
    if (appels_->Fermer(std::exchange(fichier_, -1)) != 0) {
        Echouer_Systeme(errno);
    }
    Garder_Ancien();
    if (appels_->Renommer(dossier_, provisoire_.c_str(), nom_.c_str()) != 0) {
        Echouer_Systeme(errno);
    }
    provisoire_.clear();
    enPlace_ = true;
    // Only then is the new name on the disk; until then a crash may bring the old file back.
    if (appels_->Synchroniser(dossier_) != 0) {
        Echouer_Systeme(errno);
    }
    termine_ = true;
    Abandonner();
}

// A second link to the old file, so that it can be put back if the new one cannot be made
// lasting once in place. Without hard links the old file is simply replaced.
void FichierEntier::Garder_Ancien() {
    if (!cibleExiste_) {
        return;
    }
    ancien_ = Nom_Libre(nom_, "ancien", [this](const std::string& nom) {
        return appels_->Lier(dossier_, nom_.c_str(), nom.c_str()) == 0;
    });
    if (ancien_.empty() && !SansLiens(errno) && errno != ENOENT) {
        Echouer_Systeme(errno);
    }
}

void FichierEntier::Remettre_Ancien() {
    if (!ancien_.empty()) {
        ::renameat(dossier_, ancien_.c_str(), dossier_, nom_.c_str());
        ancien_.clear();
    } else if (!cibleExiste_) {
        ::unlinkat(dossier_, nom_.c_str(), 0);
    }
    enPlace_ = false;
}

// Undoes what is not finished and releases everything; after Terminer, only the second link
// to the old file and the folder remain to release.
void FichierEntier::Abandonner() {
    if (fichier_ >= 0) {
        ::close(std::exchange(fichier_, -1));
    }
    if (enPlace_ && !termine_) {
        Remettre_Ancien();
    }
    if (!provisoire_.empty()) {
        ::unlinkat(dossier_, provisoire_.c_str(), 0);
        provisoire_.clear();
    }
    if (!ancien_.empty()) {
        ::unlinkat(dossier_, ancien_.c_str(), 0);
        ancien_.clear();
    }
    if (dossier_ >= 0) {
        ::close(std::exchange(dossier_, -1));
    }
}

}  // namespace outils
