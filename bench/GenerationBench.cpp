#include <benchmark/benchmark.h>

#include <filesystem>

#include "EntreesSorties.h"
#include "dbtool/BaseDemo.h"
#include "dbtool/FichierProvisoire.h"

// `ardoine-db demo FILE --size bench-1an` and `--size bench-10ans`: the generator's data
// loaded into a new file, then its index. Wall time, and the bytes read and written beside the
// size of the file made: a bulk load writes about once what the file holds.
namespace {

void genererDemo(benchmark::State& etat, const char* taille) {
    const auto chemin = std::filesystem::temp_directory_path() / "ardoine-bench-demo.db";
    EntreesSorties entreesSorties;
    for (auto _ : etat) {
        etat.PauseTiming();
        dbtool::supprimerBase(chemin);
        etat.ResumeTiming();
        entreesSorties.commencer();
        dbtool::creerBaseDemo(chemin, demogen::TailleDemo::parNom(taille), 1, ARDOINE_DATA_DIR);
        entreesSorties.arreter();
    }
    entreesSorties.publier(etat);
    etat.counters["fichier_Mo"] = static_cast<double>(std::filesystem::file_size(chemin)) / 1e6;
    dbtool::supprimerBase(chemin);
}

}  // namespace

BENCHMARK_CAPTURE(genererDemo, bench_1an, "bench-1an")
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK_CAPTURE(genererDemo, bench_10ans, "bench-10ans")
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
