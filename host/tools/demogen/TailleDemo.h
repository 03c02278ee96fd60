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

    // "demo", "bench-1an", "bench-10ans" or "bench-140ans"; raises dba::Erreur ErrArgument
    // otherwise.
    static TailleDemo parNom(const std::string& nom);
    // A benchmark database of `aides` persons whose agreements run from January 2017 for
    // `annees` years, as bench-10ans does for ten; raises dba::Erreur ErrArgument outside
    // 1 to 359,999 persons (the five-character codes) and 1 to 150 years.
    static TailleDemo surMesure(int aides, int annees);
    static std::vector<std::string> noms();
};

}  // namespace demogen
