#pragma once

#include <string>
#include <vector>

namespace demogen {

// How long an agreement runs, and how often that length is drawn.
struct DureeAccord {
    int mois;
    int poids;
};

// The sizes of demo database the generator knows. Agreements end in every month of the window;
// the monthly volume is about aides / mean duration.
struct TailleDemo {
    std::string nom;
    int aides;          // aided persons
    int premiereAnnee;  // first month of the window
    int premierMois;    // 1 to 12
    int nombreMois;     // length of the window
    std::vector<DureeAccord> durees;

    // "demo", "bench-1an" or "bench-10ans"; raises dba::Erreur ErrArgument otherwise.
    static TailleDemo parNom(const std::string& nom);
    static std::vector<std::string> noms();
};

}  // namespace demogen
