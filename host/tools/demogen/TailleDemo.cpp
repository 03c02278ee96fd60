#include "TailleDemo.h"

#include "dba/Erreur.h"

namespace demogen {

namespace {

// About 100 agreements end each month, from January 2025 to December 2027.
TailleDemo demo() {
    return {"demo", 600, 2025, 1, 36, {{1, 10}, {3, 30}, {6, 40}, {12, 20}}};
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
        return {nom, 125000, 2026, 1, 12, dureesBench()};
    }
    if (nom == "bench-10ans") {
        return {nom, 125000, 2017, 1, 120, dureesBench()};
    }
    throw dba::Erreur(dba::ErrArgument,
                      "taille inconnue : " + nom + " (demo, bench-1an ou bench-10ans attendu)");
}

std::vector<std::string> TailleDemo::noms() {
    return {"demo", "bench-1an", "bench-10ans"};
}

}  // namespace demogen
