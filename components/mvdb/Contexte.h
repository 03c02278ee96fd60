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

    // On a store where every read is a round trip, runs `evaluer` (evaluations over a batch
    // of records) to learn which records their translations reach, and reads them in a few
    // grouped reads: one per level of translations nested in one another. A translation
    // whose record is not read yet gives the empty text meanwhile, so each round finds at
    // least the records the next one needs. Nothing happens on a local store.
    void prelire(const std::function<void()>& evaluer);

  private:
    using Reference = std::pair<IdFichier, std::string>;
    void lireAttendus();

    const Depot& depot_;
    std::map<Reference, std::string> lus_;
    bool recensement_ = false;
    std::set<Reference> attendus_;
};

}  // namespace mvdb
