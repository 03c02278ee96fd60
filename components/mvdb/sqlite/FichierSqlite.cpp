#include "FichierSqlite.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "mvdb/EchecStockage.h"

namespace mvdb {

namespace {

// The first 100 bytes of every SQLite file (its file format).
constexpr std::size_t TailleEnTete = 100;
constexpr std::string_view Signature{"SQLite format 3\0", 16};

std::uint32_t grandBoutiste(const std::array<char, TailleEnTete>& octets, std::size_t debut,
                            std::size_t taille) {
    std::uint32_t valeur = 0;
    for (std::size_t i = debut; i < debut + taille; ++i) {
        valeur = (valeur << 8) | static_cast<unsigned char>(octets[i]);
    }
    return valeur;
}

// The size the header announces, or 0 when its page count is not to be trusted (the file was
// last written by a program that does not keep it).
std::uintmax_t tailleAnnoncee(const std::array<char, TailleEnTete>& enTete) {
    const std::uint32_t compteurModifications = grandBoutiste(enTete, 24, 4);
    const std::uint32_t valablePour = grandBoutiste(enTete, 92, 4);
    if (compteurModifications != valablePour) {
        return 0;
    }
    const std::uint32_t page = grandBoutiste(enTete, 16, 2);
    const std::uintmax_t taillePage = page == 1 ? 65536 : page;
    return taillePage * grandBoutiste(enTete, 28, 4);
}

}  // namespace

void verifierFichierSqlite(const std::string& chemin) {
    std::error_code erreur;
    const auto etat = std::filesystem::status(chemin, erreur);
    if (erreur && erreur.value() != ENOENT && erreur.value() != ENOTDIR) {
        throw erreurStockage(CauseEchec::PermissionRefusee, chemin);
    }
    if (!std::filesystem::is_regular_file(etat)) {
        throw erreurStockage(CauseEchec::Absente, chemin);
    }
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) {
        throw erreurStockage(CauseEchec::PermissionRefusee, chemin);
    }
    std::array<char, TailleEnTete> enTete{};
    fichier.read(enTete.data(), enTete.size());
    const auto lus = static_cast<std::size_t>(fichier.gcount());
    const std::string_view debut(enTete.data(), std::min(lus, Signature.size()));
    if (!Signature.starts_with(debut)) {
        throw erreurStockage(CauseEchec::PasUneBase, chemin);
    }
    // A file cut short, down to nothing, is a damaged database, not a foreign file.
    if (lus < TailleEnTete || std::filesystem::file_size(chemin, erreur) < tailleAnnoncee(enTete)) {
        throw erreurStockage(CauseEchec::Endommagee, chemin);
    }
}

}  // namespace mvdb
