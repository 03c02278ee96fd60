#include "FuzzCommun.h"

#include <unistd.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

namespace fuzz {

namespace {

void supprimer(const std::filesystem::path& chemin) {
    for (const char* suffixe : {"", "-wal", "-shm", "-journal"}) {
        std::error_code ignoree;
        std::filesystem::remove(chemin.string() + suffixe, ignoree);
    }
}

}  // namespace

const std::filesystem::path& dossier() {
    static const std::filesystem::path chemin = [] {
        // In memory where the system offers it: a target makes databases by the thousand.
        const std::filesystem::path racine = std::filesystem::is_directory("/dev/shm")
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path();
        std::string modele = (racine / "fuzz-XXXXXX").string();
        if (::mkdtemp(modele.data()) == nullptr) {
            std::abort();
        }
        std::atexit([] {
            std::error_code ignoree;
            std::filesystem::remove_all(dossier(), ignoree);
        });
        return std::filesystem::path(modele);
    }();
    return chemin;
}

mvdb::Base baseNeuve(const std::string& nom) {
    const auto chemin = dossier() / nom;
    supprimer(chemin);
    return mvdb::Base::creer(chemin.string());
}

void importer(mvdb::Base& base, const std::string& lignes) {
    std::istringstream flux(lignes);
    base.importer(flux);
}

std::string ligne(const std::string& fichier, const std::string& cle,
                  const std::vector<std::string>& attributs) {
    nlohmann::ordered_json json;
    json["file"] = fichier;
    json["id"] = cle;
    json["record"] = attributs;
    return json.dump() + "\n";
}

}  // namespace fuzz
