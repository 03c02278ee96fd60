#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

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

}  // namespace

BENCHMARK(importer)->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();
