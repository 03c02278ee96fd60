#include "AttentePages.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <utility>

#include "dba/CauseSysteme.h"
#include "dba/Erreur.h"
#include "outils/AppelsFichier.h"
#include "outils/DossierTemporaire.h"

namespace imprimante {

namespace {

// A file of the folder with no name, readable by its owner only: O_TMPFILE where the file
// system has it, a name made and removed at once where it does not.
int Fichier_Sans_Nom(const std::string& dossier) {
    const int fichier = ::open(dossier.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fichier >= 0 || (errno != EOPNOTSUPP && errno != EISDIR)) {
        return fichier;
    }
    std::string modele = dossier + "/.ardoine-pages-XXXXXX";
    const int nomme = ::mkostemp(modele.data(), O_CLOEXEC);
    if (nomme >= 0) {
        ::unlink(modele.c_str());
    }
    return nomme;
}

}  // namespace

AttentePages& AttentePages::Partagee() {
    // Never destroyed: documents held by other objects of static life may release their
    // pages after the end of main.
    static AttentePages* const attente = new AttentePages;
    return *attente;
}

void AttentePages::Echouer(int erreur) const {
    throw dba::Erreur(dba::ErrImprimante,
                      "Impossible de garder les pages en attente d'impression "
                      "dans « " +
                          dossier_ + " » : " + dba::Cause_Systeme(erreur));
}

void AttentePages::Ouvrir() {
    dossier_ = outils::Dossier_Temporaire(dba::ErrImprimante);
    fichier_ = Fichier_Sans_Nom(dossier_);
    if (fichier_ < 0) {
        Echouer(errno);
    }
}

PlaceAttente AttentePages::Ajouter(const std::string& octets) {
    const std::lock_guard verrou(acces_);
    if (fichier_ < 0) {
        Ouvrir();
    }
    const PlaceAttente place{Allouer(static_cast<std::int64_t>(octets.size())),
                             static_cast<std::int64_t>(octets.size())};
    ++places_;
    try {
        Ecrire(octets, place.debut);
    } catch (...) {
        Rendre(place);
        throw;
    }
    return place;
}

// The first free stretch that is long enough, else the end of the file.
std::int64_t AttentePages::Allouer(std::int64_t taille) {
    for (auto libre = libres_.begin(); libre != libres_.end(); ++libre) {
        if (libre->second >= taille) {
            const auto [debut, longueur] = *libre;
            libres_.erase(libre);
            if (longueur > taille) {
                libres_.emplace(debut + taille, longueur - taille);
            }
            return debut;
        }
    }
    return std::exchange(fin_, fin_ + taille);
}

void AttentePages::Ecrire(const std::string& octets, std::int64_t debut) const {
    const auto appels = outils::AppelsFichier::Actuels();
    std::size_t ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = appels->EcrireA(fichier_, octets.data() + ecrits, octets.size() - ecrits,
                                          debut + static_cast<off_t>(ecrits));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // A file that takes no byte has no room left.
            Echouer(n < 0 ? errno : ENOSPC);
        }
        ecrits += static_cast<std::size_t>(n);
    }
}

std::string AttentePages::Lire(const PlaceAttente& place) const {
    const std::lock_guard verrou(acces_);
    std::string octets(static_cast<std::size_t>(place.taille), '\0');
    std::size_t lus = 0;
    while (lus < octets.size()) {
        const ssize_t n = ::pread(fichier_, octets.data() + lus, octets.size() - lus,
                                  place.debut + static_cast<off_t>(lus));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            Echouer(n < 0 ? errno : EIO);
        }
        lus += static_cast<std::size_t>(n);
    }
    return octets;
}

void AttentePages::Liberer(const PlaceAttente& place) noexcept {
    const std::lock_guard verrou(acces_);
    Rendre(place);
}

// The stretch joins the free ones beside it, or shortens the file when it ends it.
void AttentePages::Rendre(const PlaceAttente& place) noexcept {
    std::int64_t debut = place.debut;
    std::int64_t taille = place.taille;
    const auto suivante = libres_.find(debut + taille);
    if (suivante != libres_.end()) {
        taille += suivante->second;
        libres_.erase(suivante);
    }
    const auto apres = libres_.upper_bound(debut);
    if (apres != libres_.begin()) {
        const auto precedente = std::prev(apres);
        if (precedente->first + precedente->second == debut) {
            debut = precedente->first;
            taille += precedente->second;
            libres_.erase(precedente);
        }
    }
    if (debut + taille == fin_) {
        fin_ = debut;
    } else if (taille > 0) {
        libres_.emplace(debut, taille);
    }
    if (--places_ == 0) {
        ::close(std::exchange(fichier_, -1));
        libres_.clear();
        fin_ = 0;
    }
}

}  // namespace imprimante
