#pragma once

#include <map>
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

  private:
    const Depot& depot_;
    std::map<std::pair<IdFichier, std::string>, std::string> lus_;
};

}  // namespace mvdb
