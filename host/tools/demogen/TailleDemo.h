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
    // 1 to MaximumAides persons and 1 to MaximumAnnees years.
    static TailleDemo surMesure(int aides, int annees);
    // What the benchmark sizes hold, and the bounds of one made to measure: person codes have
    // five characters (100,000 numbers, then a letter and four digits).
    static constexpr int AidesBench = 125000;
    static constexpr int AnneesBench = 10;
    static constexpr int MaximumAides = 359999;
    static constexpr int MaximumAnnees = 150;
    static std::vector<std::string> noms();
};

}  // namespace demogen
