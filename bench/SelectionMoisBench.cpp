#include <benchmark/benchmark.h>

#include "ServeurDeBench.h"
#include "dba/Requete.h"
#include "demogen/JourInterne.h"
#include "mvdb/TheClient.h"

// The print command's selection for June 2026, legal entity "041", no activity, manager
// option without a code: the same month volume in databases of one, ten and a hundred and forty
// years, in a SQLite file and on a PostgreSQL server.
namespace {

std::string phraseDuMois(int annee, int mois) {
    const auto premier = std::to_string(demogen::premierJourDuMois(annee, mois));
    const auto dernier = std::to_string(demogen::premierJourDuMois(annee, mois + 1) - 1);
    return R"(SSELECT ACCORD AVEC TypeOrgChgAcc = "P" AND AVEC 6 >= ")" + premier +
           R"(" AND AVEC 6 <= ")" + dernier +
           R"(" AND AVEC EntiteAccord = "041" AND AVEC DateSortieAideAccord = "" AND AVEC 18 = "")"
           R"( AND AVEC 20 = "" PAR Responsable PAR NomPrenomAide)";
}

void selectionDuMois(benchmark::State& etat, const std::string& taille, bool surServeur) {
    const auto nom = baseDeMesure(taille, surServeur);
    if (!nom) {
        etat.SkipWithError("ARDOINE_BENCH_SERVEUR n'est pas défini");
        return;
    }
    const dba::TheClient client(*nom);
    const auto base = client.base();
    dba::Requete requete;
    requete.definir(1, phraseDuMois(2026, 6));
    requete.definir(2, "ACCORD");
    requete.definir(3, "0 6 1");
    dba::ListeResultat liste;
    for (auto _ : etat) {
        std::string sortie;
        base->ExecuterSelection(requete.texte(), "", sortie, liste);
        benchmark::DoNotOptimize(liste);
    }
    etat.counters["lignes"] = liste.DCount();
}

}  // namespace

BENCHMARK_CAPTURE(selectionDuMois, bench_1an, std::string("bench-1an"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(selectionDuMois, bench_10ans, std::string("bench-10ans"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(selectionDuMois, bench_140ans, std::string("bench-140ans"), false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(selectionDuMois, serveur_10ans, std::string("bench-10ans"), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(selectionDuMois, serveur_140ans, std::string("bench-140ans"), true)
    ->Unit(benchmark::kMillisecond);
