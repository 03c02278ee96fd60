#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

#include "BasesDeBench.h"
#include "EntreesSorties.h"
#include "ServeurDeBench.h"
#include "dbtool/BaseNouvelle.h"
#include "dbtool/FichierProvisoire.h"
#include "mvdb/Base.h"

// `ardoine-db copy` of the ten-year database (about a million agreements) into a new
// database: on a PostgreSQL server, how an office moves its file to the server, and beside it
// into a new SQLite file by the same code, the command's. Records per second, wall-clock time
// (the server works in a process of its own), and this process's bytes read and written.
namespace {

const char* const Taille = "bench-10ans";

std::int64_t enregistrementsDuFichier(const std::string& chemin) {
    sqlite3* base = nullptr;
    sqlite3_stmt* compte = nullptr;
    std::int64_t nombre = -1;
    if (sqlite3_open_v2(chemin.c_str(), &base, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(base, "SELECT count(*) FROM enreg", -1, &compte, nullptr) == SQLITE_OK &&
        sqlite3_step(compte) == SQLITE_ROW) {
        nombre = sqlite3_column_int64(compte, 0);
    }
    sqlite3_finalize(compte);
    sqlite3_close(base);
    if (nombre < 0) {
        throw std::runtime_error("comptage impossible dans " + chemin);
    }
    return nombre;
}

void copier(const std::string& source, const std::string& destination) {
    const auto base = mvdb::Base::ouvrir(source, mvdb::Mode::LectureSeule);
    dbtool::creerBase(destination, [&](mvdb::Base& nouvelle) { base.copierDans(nouvelle); });
}

void copieVersServeur(benchmark::State& etat) {
    const auto serveur = serveurDeBench();
    if (!serveur) {
        etat.SkipWithError("ARDOINE_BENCH_SERVEUR n'est pas défini");
        return;
    }
    const std::string source = baseDeBench(Taille);
    const std::string destination = baseDuServeur(*serveur, "ardoine_bench_copie");
    EntreesSorties entreesSorties;
    for (auto _ : etat) {
        etat.PauseTiming();
        recreerBaseServeur(*serveur, "ardoine_bench_copie");
        etat.ResumeTiming();
        entreesSorties.commencer();
        copier(source, destination);
        entreesSorties.arreter();
    }
    etat.SetItemsProcessed(etat.iterations() * enregistrementsServeur(destination));
    entreesSorties.publier(etat);
}

void copieVersFichier(benchmark::State& etat) {
    const std::string source = baseDeBench(Taille);
    const auto destination = std::filesystem::temp_directory_path() / "ardoine-bench-copie.db";
    EntreesSorties entreesSorties;
    for (auto _ : etat) {
        etat.PauseTiming();
        dbtool::supprimerBase(destination);
        etat.ResumeTiming();
        entreesSorties.commencer();
        copier(source, destination.string());
        entreesSorties.arreter();
    }
    dbtool::supprimerBase(destination);
    etat.SetItemsProcessed(etat.iterations() * enregistrementsDuFichier(source));
    entreesSorties.publier(etat);
}

}  // namespace

BENCHMARK(copieVersServeur)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(copieVersFichier)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
