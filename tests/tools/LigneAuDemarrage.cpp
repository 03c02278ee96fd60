// Preloaded into a tool by the tests of its command line (LD_PRELOAD): its initialisation runs
// among those of the libraries the tool links, before the tool's own code, and writes on the
// error stream what /proc showed of the tool's arguments then, as any user of the machine
// reads them. System calls only: nothing that needs the C++ library started.
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <string_view>

namespace {

void Ecrire(std::string_view texte) {
    while (!texte.empty()) {
        const ssize_t ecrits = ::write(STDERR_FILENO, texte.data(), texte.size());
        if (ecrits <= 0) {
            return;
        }
        texte.remove_prefix(static_cast<std::size_t>(ecrits));
    }
}

[[gnu::constructor]] void Montrer_Ligne() {
    std::array<char, 65536> octets{};
    const int fichier = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
    if (fichier < 0) {
        return;
    }
    const ssize_t lus = ::read(fichier, octets.data(), octets.size());
    ::close(fichier);
    std::string_view ligne(octets.data(), lus > 0 ? static_cast<std::size_t>(lus) : 0);
    Ecrire("ligne au démarrage :");
    for (std::size_t fin = ligne.find('\0'); !ligne.empty(); fin = ligne.find('\0')) {
        Ecrire(" ");
        Ecrire(ligne.substr(0, fin));
        ligne.remove_prefix(fin == std::string_view::npos ? ligne.size() : fin + 1);
    }
    Ecrire("\n");
}

}  // namespace
