#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>

#include "ServeurDeBench.h"
#include "dbtool/FichierProvisoire.h"
#include "demogen/GenerateurDemo.h"
#include "mvdb/Base.h"

// Import of the one-year benchmark data (about 300,000 records) into a new database, in one
// transaction; the JSON Lines are made beforehand so only the import is timed.
namespace {

std::string lignesDuBench(std::size_t& enregistrements) {
    std::ostringstream sortie;
    demogen::GenerateurDemo(demogen::DonneesReference::charger(ARDOINE_DATA_DIR),
                            demogen::TailleDemo::parNom("bench-1an"), 1)
        .ecrireTout(sortie);
    std::string lignes = sortie.str();
    enregistrements = static_cast<std::size_t>(std::count(lignes.begin(), lignes.end(), '\n'));
    return lignes;
}

void importer(benchmark::State& etat) {
    std::size_t enregistrements = 0;
    const std::string lignes = lignesDuBench(enregistrements);
    const auto chemin = std::filesystem::temp_directory_path() / "ardoine-bench-import.db";
    for (auto _ : etat) {
        etat.PauseTiming();
        dbtool::supprimerBase(chemin);
        auto base = mvdb::Base::creer(chemin.string());
        std::istringstream entree(lignes);
        etat.ResumeTiming();
        base.importer(entree);
    }
    dbtool::supprimerBase(chemin);
    etat.SetItemsProcessed(static_cast<std::int64_t>(etat.iterations() * enregistrements));
}

// Agreements whose end dates come in no order, as an office's export gives them.
std::string accords(std::int64_t nombre) {
    std::mt19937 hasard(1);
    std::string lignes;
    for (std::int64_t i = 0; i < nombre; ++i) {
        const int fin = 18000 + static_cast<int>(hasard() % 3000);
        lignes += R"({"file":"ACCORD","id":")" + std::to_string(10000000 + i) +
                  R"(","record":["041","001","041002","",)" + std::to_string(fin - 365) + "," +
                  std::to_string(fin) + "]}\n";
    }
    return lignes;
}

// A new database whose ACCORD file has its end date indexed, and nothing in it yet.
void preparerIndex(const std::string& nom) {
    auto base = mvdb::Base::ouvrir(nom, mvdb::Mode::LectureEcriture);
    std::istringstream dictionnaire(
        R"({"file":"DICT ACCORD","id":"DateFinAccord","record":["D","6","","","R"]})"
        "\n");
    base.importer(dictionnaire);
    base.declarerIndex("ACCORD", "DateFinAccord");
}

// Import of N agreements into a file with an index; `par_ligne` is the time per line, which
// stays about the same from one size to the next.
void importerIndexe(benchmark::State& etat, const std::string& nom,
                    const std::function<void()>& recreer) {
    const std::string lignes = accords(etat.range(0));
    for (auto _ : etat) {
        etat.PauseTiming();
        recreer();
        preparerIndex(nom);
        auto base = mvdb::Base::ouvrir(nom, mvdb::Mode::LectureEcriture);
        std::istringstream entree(lignes);
        etat.ResumeTiming();
        base.importer(entree);
    }
    etat.SetItemsProcessed(etat.iterations() * etat.range(0));
    etat.counters["par_ligne"] = benchmark::Counter(
        static_cast<double>(etat.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void importerIndexeFichier(benchmark::State& etat) {
    const auto chemin = std::filesystem::temp_directory_path() / "ardoine-bench-index.db";
    importerIndexe(etat, chemin.string(), [&] {
        dbtool::supprimerBase(chemin);
        mvdb::Base::creer(chemin.string());
    });
    dbtool::supprimerBase(chemin);
}

void importerIndexeServeur(benchmark::State& etat) {
    const auto serveur = serveurDeBench();
    if (!serveur) {
        etat.SkipWithError("ARDOINE_BENCH_SERVEUR n'est pas défini");
        return;
    }
    const std::string nom = baseDuServeur(*serveur, "ardoine_bench_index");
    importerIndexe(etat, nom, [&] {
        recreerBaseServeur(*serveur, "ardoine_bench_index");
        mvdb::Base::creer(nom);
    });
}

void quatreTailles(benchmark::internal::Benchmark* mesure) {
    for (const std::int64_t lignes : {50000, 100000, 200000, 400000}) {
        mesure->Arg(lignes);
    }
}

}  // namespace

BENCHMARK(importerIndexeFichier)
    ->Apply(quatreTailles)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(importerIndexeServeur)
    ->Apply(quatreTailles)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK(importer)->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();
