#pragma once

#include "Depot.h"

namespace mvdb {

// A transaction of a database's store that rolls back unless validated. A read begun inside a
// transaction already open on the store joins it: a frozen read view spans many selections.
class Transaction {
  public:
    using Genre = Depot::Genre;
    Transaction(const Depot& depot, Genre genre)
        : depot_(depot), jointe_(genre == Genre::Lecture && depot.transactionOuverte()) {
        if (!jointe_) {
            depot_.commencer(genre);
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (ouverte_ && !jointe_) {
            depot_.annuler();
        }
    }

    void valider() {
        if (!jointe_) {
            depot_.valider();
        }
        ouverte_ = false;
    }

  private:
    const Depot& depot_;
    bool jointe_;
    bool ouverte_ = true;
};

}  // namespace mvdb
