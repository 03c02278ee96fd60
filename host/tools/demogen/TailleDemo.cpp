#include "TailleDemo.h"

#include "dba/Erreur.h"

namespace demogen {

namespace {

// About 100 agreements end each month, from January 2025 to December 2027.
TailleDemo demo() {
    return {600, 2025, 1, 36, {{1, 10}, {3, 30}, {6, 40}, {12, 20}}};
}

// About 8,300 agreements end each month (125,000 persons, 15 months on average).
std::vector<DureeAccord> dureesBench() {
    return {{6, 20}, {12, 45}, {24, 35}};
}

}  // namespace

TailleDemo TailleDemo::parNom(const std::string& nom) {
    if (nom == "demo") {
        return demo();
    }
    if (nom == "bench-1an") {
        return {AidesBench, 2026, 1, 12, dureesBench()};
    }
    if (nom == "bench-10ans") {
        return surMesure(AidesBench, AnneesBench);
    }
    if (nom == "bench-140ans") {
        return surMesure(AidesBench, 140);
    }
    throw dba::Erreur(
        dba::ErrArgument,
        "taille inconnue : " + nom + " (demo, bench-1an, bench-10ans ou bench-140ans attendu)");
}

TailleDemo TailleDemo::surMesure(int aides, int annees) {
    if (aides < 1 || aides > MaximumAides) {
        throw dba::Erreur(dba::ErrArgument,
                          "nombre d'aidés hors limites : " + std::to_string(aides) + " (de 1 à " +
                              std::to_string(MaximumAides) + ")");
    }
    if (annees < 1 || annees > MaximumAnnees) {
        throw dba::Erreur(dba::ErrArgument,
                          "nombre d'années hors limites : " + std::to_string(annees) + " (de 1 à " +
                              std::to_string(MaximumAnnees) + ")");
    }
    return {aides, 2017, 1, 12 * annees, dureesBench()};
}

std::vector<std::string> TailleDemo::noms() {
    return {"demo", "bench-1an", "bench-10ans", "bench-140ans"};
}

}  // namespace demogen
