#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>

#include "EntreesSorties.h"
#include "ServeurDeBench.h"
#include "dbtool/BaseNouvelle.h"
#include "dbtool/FichierProvisoire.h"
#include "demogen/GenerateurDemo.h"
#include "mvdb/Base.h"

// Import of the one-year benchmark data (about 300,000 records) into a new database, in one
// transaction; the JSON Lines are made beforehand so only the import is timed. `partagee`: an
// import into a database already in service, shared with readers (WAL journal); `chargement`:
// a new database the command fills alone and hands over, as the demo and the copy do.
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

void importer(benchmark::State& etat,
              const std::function<void(const std::string& chemin, std::istream& lignes)>& charger) {
    std::size_t enregistrements = 0;
    const std::string lignes = lignesDuBench(enregistrements);
    const auto chemin = std::filesystem::temp_directory_path() / "ardoine-bench-import.db";
    EntreesSorties entreesSorties;
    for (auto _ : etat) {
        etat.PauseTiming();
        dbtool::supprimerBase(chemin);
        std::istringstream entree(lignes);
        etat.ResumeTiming();
        entreesSorties.commencer();
        charger(chemin.string(), entree);
        entreesSorties.arreter();
    }
    dbtool::supprimerBase(chemin);
    etat.SetItemsProcessed(static_cast<std::int64_t>(etat.iterations() * enregistrements));
    entreesSorties.publier(etat);
}

void importerDansBasePartagee(benchmark::State& etat) {
    importer(etat, [](const std::string& chemin, std::istream& lignes) {
        // The new database closes with the benchmark's timed part: its journal goes back
        // into the file, as after every import.
        mvdb::Base::creer(chemin).importer(lignes);
    });
}

void importerEnChargement(benchmark::State& etat) {
    importer(etat, [](const std::string& chemin, std::istream& lignes) {
        dbtool::creerBase(chemin, [&](mvdb::Base& base) { base.importer(lignes); });
    });
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
BENCHMARK(importerDansBasePartagee)
    ->Name("importer/partagee")
    ->Unit(benchmark::kSecond)
    ->Iterations(2)
    ->UseRealTime();
BENCHMARK(importerEnChargement)
    ->Name("importer/chargement")
    ->Unit(benchmark::kSecond)
    ->Iterations(2)
    ->UseRealTime();
