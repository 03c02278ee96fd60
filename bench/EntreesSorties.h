#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

// The bytes the process reads and writes through system calls (Linux's /proc/self/io, page
// cache hits included) while a benchmark's timed part runs: a bulk load should write about
// once what the database holds, and read back next to nothing.
class EntreesSorties {
  public:
    // Around each timed part.
    void commencer();
    void arreter();
    // The counters `lus_Mo` and `ecrits_Mo`, per iteration.
    void publier(benchmark::State& etat) const;

  private:
    struct Octets {
        std::int64_t lus = 0;
        std::int64_t ecrits = 0;
    };
    static Octets maintenant();

    Octets debut_;
    Octets total_;
};
