#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "Depot.h"

namespace mvdb {

// The record an expression is evaluated on.
struct EnregCourant {
    std::string_view cle;
    std::string_view donnees;
};

// Attribute n of a record: 0 is the key, past the end the empty text.
std::string_view valeurAttribut(const EnregCourant& enreg, int attribut);

// The reads of one selection. Many agreements share one aided person, so the records that
// translations read are kept for the whole selection.
class Contexte {
  public:
    explicit Contexte(const Depot& depot) : depot_(depot) {}

    // Attribute n of the record of `fichier` whose key is `cle`; empty when there is none.
    std::string traduire(IdFichier fichier, const std::string& cle, int attribut);

    // Runs `evaluation` (evaluations over a batch of records) so that, on a store where every
    // read is a round trip, the records its translations reach are read in a few grouped
    // reads: one per level of translations nested in one another. `evaluation` may then run
    // several times: a translation whose record is not read yet gives the empty text
    // meanwhile, so each run finds at least the records the next one needs, and only a run
    // that found every record at hand counts, the last one. On a local store it runs once.
    // `apresLectures` runs once, when the first grouped reads are made (after the evaluation when
    // none was needed): the store is free then, most likely to the end, and the caller may ask for
    // what comes next.
    void evaluer(
        const std::function<void()>& evaluation,
        const std::function<void()>& apresLectures = [] {});

  private:
    using Reference = std::pair<IdFichier, std::string>;
    // Runs `evaluation` noting the records it reaches that are not read yet; true when there
    // were none, so that the run's results are the real ones.
    bool recenser(const std::function<void()>& evaluation);
    void lireAttendus();

    const Depot& depot_;
    std::map<Reference, std::string> lus_;
    bool recensement_ = false;
    std::set<Reference> attendus_;
};

}  // namespace mvdb
