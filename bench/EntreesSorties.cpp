#include "EntreesSorties.h"

#include <fstream>
#include <string>

EntreesSorties::Octets EntreesSorties::maintenant() {
    std::ifstream compteurs("/proc/self/io");
    Octets octets;
    std::string nom;
    std::int64_t valeur = 0;
    while (compteurs >> nom >> valeur) {
        if (nom == "rchar:") {
            octets.lus = valeur;
        } else if (nom == "wchar:") {
            octets.ecrits = valeur;
        }
    }
    return octets;
}

void EntreesSorties::commencer() {
    debut_ = maintenant();
}

void EntreesSorties::arreter() {
    const Octets fin = maintenant();
    total_.lus += fin.lus - debut_.lus;
    total_.ecrits += fin.ecrits - debut_.ecrits;
}

void EntreesSorties::publier(benchmark::State& etat) const {
    constexpr double Mo = 1e6;
    etat.counters["lus_Mo"] = benchmark::Counter(static_cast<double>(total_.lus) / Mo,
                                                 benchmark::Counter::kAvgIterations);
    etat.counters["ecrits_Mo"] = benchmark::Counter(static_cast<double>(total_.ecrits) / Mo,
                                                    benchmark::Counter::kAvgIterations);
}
