#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Depot.h"

namespace mvdb {

// Records fetched ahead of their reads, while a read view is frozen: a run that reads thousands
// of records by key asks for them by batches. On a server a batch is one round trip; in a
// file it is read in key order, where a person's agreements are neighbours (a step each
// instead of a search each). Kept only while the view lasts, since outside it a record kept
// could be older than the database. A file keeps what it read, so that a small file read again
// and again (funding bodies) is fetched once, up to a bound past which it starts a new
// generation and forgets the one before the last: the memory of a run stays that of a few
// batches, and what a batch announced is still at hand when the bound is passed in the middle
// of its reading. A file, whose reads cost no round trip, keeps smaller generations.
// What is announced is fetched at the next read, with whatever the other files announced
// meanwhile: the files a run announces together cost one round trip, not one each.
class LecturesAnticipees {
  public:
    void ouvrirVue() { ++vues_; }
    void fermerVue();

    void prelire(IdFichier fichier, const std::vector<std::string>& cles);
    // The record, from memory when it was fetched already; valid up to the next call.
    const std::optional<std::string>& lire(const Depot& depot, IdFichier fichier,
                                           std::string_view cle);

  private:
    using Lus = std::unordered_map<std::string, std::optional<std::string>>;
    struct Generations {
        Lus recente;
        Lus precedente;
    };

    bool actives() const { return vues_ > 0; }
    // Fetches what was announced and not fetched yet.
    void recevoirAnnonces(const Depot& depot);
    // Where `nouveaux` more records of the file go: a new generation when they would pass
    // the bound.
    Lus& place(const Depot& depot, IdFichier fichier, std::size_t nouveaux);

    int vues_ = 0;
    std::vector<GroupeCles> annoncees_;
    std::unordered_map<IdFichier, Generations> fichiers_;
    // A record read outside a view.
    std::optional<std::string> horsVue_;
};

}  // namespace mvdb
