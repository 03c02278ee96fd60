#pragma once

#include "Stockage.h"

namespace mvdb {

// A transaction of a store that rolls back unless validated. A read begun inside a
// transaction already open on the store joins it: a frozen read view spans many selections.
class Transaction {
  public:
    using Genre = Stockage::Genre;
    Transaction(Stockage& stockage, Genre genre)
        : stockage_(stockage), jointe_(genre == Genre::Lecture && stockage.transactionOuverte()) {
        if (!jointe_) {
            stockage_.commencer(genre);
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (ouverte_ && !jointe_) {
            stockage_.annuler();
        }
    }

    void valider() {
        if (!jointe_) {
            stockage_.valider();
        }
        ouverte_ = false;
    }

  private:
    Stockage& stockage_;
    bool jointe_;
    bool ouverte_ = true;
};

}  // namespace mvdb
