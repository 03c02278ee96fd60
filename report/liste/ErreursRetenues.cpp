#include "ErreursRetenues.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <utility>

namespace rapport {

namespace {

std::mutex& Verrou() {
    static std::mutex verrou;
    return verrou;
}

// What was written while held back. Guarded apart from the swaps: the library writes with the
// swap's lock held by its own thread.
struct Tampon {
    std::mutex verrou;
    std::string texte;
};

Tampon& Retenu() {
    static Tampon tampon;
    return tampon;
}

ssize_t Retenir(void*, const char* octets, std::size_t taille) {
    const std::lock_guard verrou(Retenu().verrou);
    Retenu().texte.append(octets, taille);
    return static_cast<ssize_t>(taille);
}

// Made once and never closed: a thread that took the swapped stream just before it was put
// back may still write to it.
std::FILE* Flux_En_Memoire() {
    static std::FILE* flux = [] {
        std::FILE* ouvert = ::fopencookie(nullptr, "w", {nullptr, &Retenir, nullptr, nullptr});
        if (ouvert != nullptr) {
            std::setvbuf(ouvert, nullptr, _IONBF, 0);
        }
        return ouvert;
    }();
    return flux;
}

bool De_La_Bibliotheque(std::string_view ligne) {
    return ligne.starts_with("[ERROR]") || ligne.starts_with("[WARNING]");
}

// Line by line, the library's own left out.
void Transmettre(std::string_view texte) {
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        const std::size_t longueur = fin == std::string_view::npos ? texte.size() : fin + 1;
        const std::string_view ligne = texte.substr(0, longueur);
        if (!De_La_Bibliotheque(ligne)) {
            std::fwrite(ligne.data(), 1, ligne.size(), stderr);
        }
        texte.remove_prefix(longueur);
    }
}

}  // namespace

ErreursRetenues::ErreursRetenues() : seul_(Verrou()) {
    if (std::FILE* memoire = Flux_En_Memoire()) {
        std::fflush(stderr);
        originale_ = std::exchange(stderr, memoire);
    }
}

ErreursRetenues::~ErreursRetenues() {
    if (originale_ == nullptr) {
        return;
    }
    // What the call held back failed of is read after it.
    const int erreur = errno;
    stderr = originale_;
    std::string texte;
    {
        const std::lock_guard verrou(Retenu().verrou);
        texte.swap(Retenu().texte);
    }
    Transmettre(texte);
    errno = erreur;
}

}  // namespace rapport
