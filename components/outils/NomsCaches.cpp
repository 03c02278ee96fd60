#include "NomsCaches.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>

namespace outils {

namespace {

// Leaves room in a name of 255 bytes for what the hidden names add.
constexpr std::size_t LongueurNomGardee = 200;
constexpr std::size_t LongueurSuffixe = 10;
constexpr std::string_view Signes =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::string_view Roles[] = {".provisoire-", ".ancien-"};

std::string Suffixe_Aleatoire() {
    thread_local std::mt19937_64 generateur{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> tirage(0, Signes.size() - 1);
    std::string suffixe;
    for (std::size_t i = 0; i < LongueurSuffixe; ++i) {
        suffixe.push_back(Signes[tirage(generateur)]);
    }
    return suffixe;
}

std::string Nom_Cache(const std::string& nom, const char* role) {
    std::string cache(1, '.');
    cache.append(nom, 0, LongueurNomGardee).append(1, '.').append(role).append(1, '-');
    return cache.append(std::to_string(::getpid())).append(1, '-').append(Suffixe_Aleatoire());
}

bool Chiffres(std::string_view texte) {
    return !texte.empty() && texte.size() <= 9 &&
           texte.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process number of a hidden name of the writer; 0 for any other name.
pid_t Processus_Du_Nom(std::string_view nom) {
    if (nom.size() < 2 + LongueurSuffixe || nom.front() != '.') {
        return 0;
    }
    const std::string_view suffixe = nom.substr(nom.size() - LongueurSuffixe);
    if (suffixe.find_first_not_of(Signes) != std::string_view::npos ||
        nom[nom.size() - LongueurSuffixe - 1] != '-') {
        return 0;
    }
    const std::string_view avant = nom.substr(0, nom.size() - LongueurSuffixe - 1);
    const auto tiret = avant.rfind('-');
    if (tiret == std::string_view::npos || !Chiffres(avant.substr(tiret + 1))) {
        return 0;
    }
    for (const std::string_view role : Roles) {
        const std::string_view tete = avant.substr(0, tiret + 1);
        if (tete.size() > role.size() + 1 && tete.ends_with(role)) {
            return static_cast<pid_t>(std::stol(std::string(avant.substr(tiret + 1))));
        }
    }
    return 0;
}

bool Processus_Disparu(pid_t processus, pid_t celuiCi) {
    return processus > 0 && processus != celuiCi && ::kill(processus, 0) != 0 && errno == ESRCH;
}

}  // namespace

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

void Retirer_Restes(int dossier) {
    const int lecture = ::openat(dossier, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lecture < 0) {
        return;
    }
    DIR* entrees = ::fdopendir(lecture);
    if (entrees == nullptr) {
        ::close(lecture);
        return;
    }
    const pid_t celuiCi = ::getpid();
    while (const dirent* entree = ::readdir(entrees)) {
        struct stat etat {};
        if (Processus_Disparu(Processus_Du_Nom(entree->d_name), celuiCi) &&
            ::fstatat(dossier, entree->d_name, &etat, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(etat.st_mode) && etat.st_uid == ::geteuid()) {
            ::unlinkat(dossier, entree->d_name, 0);
        }
    }
    ::closedir(entrees);
}

}  // namespace outils
