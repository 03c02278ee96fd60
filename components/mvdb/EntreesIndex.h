#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Depot.h"

namespace mvdb {

// The entries of secondary indexes: one per distinct value of the indexed attribute of a
// record, the empty value included so that a search for "" can use the index. Numbers
// also carry their value, so numeric comparisons can use the index too. Entries of a record
// with several values are flagged: two clauses on one attribute may hold through two
// different values, so a range made of both finds such records only through the flag.
//
// Changes are held back and handed to the store in index order, by large sorted runs: records
// arrive in any order of their values (an import, the records of a file by key), and entries
// stored in that order would each land on another page of the store's index, which a large
// import could no longer keep in memory. In index order each run is one sweep.
class EntreesIndex {
  public:
    explicit EntreesIndex(Depot& depot) : depot_(depot) {}

    void ajouter(IdFichier fichier, int attribut, std::string_view cle, std::string_view donnees);
    void retirer(IdFichier fichier, int attribut, std::string_view cle, std::string_view donnees);
    // Drops the stored and held-back entries of the attribute.
    void vider(IdFichier fichier, int attribut);
    // Hands every held-back change to the store: due before the transaction commits, and
    // before anything reads the entries.
    void envoyer();

  private:
    // One entry added or removed, in the order the records were written.
    struct Changement {
        IdFichier fichier = 0;
        int attribut = 0;
        std::string valeur;
        std::string cle;
        std::optional<double> nombre;
        bool multiple = false;
        bool ajout = true;
    };

    void changer(IdFichier fichier, int attribut, std::string_view cle, std::string_view donnees,
                 bool ajout);
    // The changes of one entry, in their order: only the first and the last count.
    void appliquer(const Changement& premier, const Changement& dernier);

    Depot& depot_;
    std::vector<Changement> changements_;
};

}  // namespace mvdb
