#pragma once

#include <string_view>

#include "Stockage.h"

namespace mvdb {

// The entries of secondary indexes: one per distinct value of the indexed attribute of a
// record, the empty value included so that a search for "" can use the index. Numbers
// also carry their value, so numeric comparisons can use the index too. Entries of a record
// with several values are flagged: two clauses on one attribute may hold through two
// different values, so a range made of both finds such records only through the flag.
class EntreesIndex {
  public:
    explicit EntreesIndex(Stockage& stockage) : stockage_(stockage) {}

    void ajouter(IdFichier fichier, int attribut, std::string_view cle, std::string_view donnees);
    void retirer(IdFichier fichier, int attribut, std::string_view cle, std::string_view donnees);
    void vider(IdFichier fichier, int attribut);

  private:
    Stockage& stockage_;
};

}  // namespace mvdb
