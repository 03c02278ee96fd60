#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace demogen {

struct Commune {
    std::string code;  // official geographic code, 5 characters
    std::string nom;   // upper case, without accents
};

// The real names the demo data is made of, read from the project's data folder.
struct DonneesReference {
    std::vector<Commune> communes;     // every commune, in code order
    std::vector<std::string> noms;     // surnames, upper case, without accents
    std::vector<std::string> prenoms;  // first names, as written

    // Raises dba::Erreur ErrArgument when a file is missing or empty.
    static DonneesReference charger(const std::filesystem::path& dossier);
};

}  // namespace demogen
