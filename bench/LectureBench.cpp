#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <random>
#include <stdexcept>

#include "BasesDeBench.h"
#include "dba/Erreur.h"
#include "demogen/Codes.h"
#include "mvdb/TheClient.h"

// Reads of agreements by key on the ten-year database: through the database component, and
// as a bare SQLite primary-key lookup on the engine's record table of the same file, the floor
// the component is measured against.
namespace {

constexpr int NombreDAides = 125000;

std::vector<std::string> clesAuHasard() {
    std::mt19937_64 hasard(42);
    std::vector<std::string> cles;
    for (int i = 0; i < 100000; ++i) {
        cles.push_back(demogen::codeAide(static_cast<int>(hasard() % NombreDAides) + 1) + "001");
    }
    return cles;
}

void lireEnreg(benchmark::State& etat) {
    const dba::TheClient client(baseDeBench("bench-10ans"));
    const auto accords = client.base()->OuvrirFichier("ACCORD");
    const auto cles = clesAuHasard();
    std::size_t i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(accords->LireEnreg(cles[i++ % cles.size()]));
    }
    etat.SetItemsProcessed(static_cast<std::int64_t>(etat.iterations()));
}

// The engine keeps every record in one table keyed by (file number, key as a blob).
class LectureSqlite {
  public:
    explicit LectureSqlite(const std::string& chemin) {
        if (sqlite3_open_v2(chemin.c_str(), &base_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v3(base_,
                               "SELECT donnees FROM enreg WHERE fichier = "
                               "(SELECT id FROM fichier WHERE nom = 'ACCORD') AND cle = ?1",
                               -1, SQLITE_PREPARE_PERSISTENT, &lecture_, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(base_));
        }
    }
    ~LectureSqlite() {
        sqlite3_finalize(lecture_);
        sqlite3_close(base_);
    }

    std::string lire(const std::string& cle) {
        sqlite3_bind_blob(lecture_, 1, cle.data(), static_cast<int>(cle.size()), SQLITE_STATIC);
        std::string donnees;
        if (sqlite3_step(lecture_) != SQLITE_ROW) {
            throw std::runtime_error("clé absente : " + cle);
        }
        donnees.assign(static_cast<const char*>(sqlite3_column_blob(lecture_, 0)),
                       static_cast<std::size_t>(sqlite3_column_bytes(lecture_, 0)));
        sqlite3_reset(lecture_);
        return donnees;
    }

  private:
    sqlite3* base_ = nullptr;
    sqlite3_stmt* lecture_ = nullptr;
};

void lectureSqliteDirecte(benchmark::State& etat) {
    LectureSqlite lecture(baseDeBench("bench-10ans"));
    const auto cles = clesAuHasard();
    std::size_t i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(lecture.lire(cles[i++ % cles.size()]));
    }
    etat.SetItemsProcessed(static_cast<std::int64_t>(etat.iterations()));
}

}  // namespace

BENCHMARK(lireEnreg);
BENCHMARK(lectureSqliteDirecte);
