#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Depot.h"

namespace mvdb {

// Records fetched ahead of their reads, while a read view is frozen: on a server, a run that
// reads thousands of records by key asks for them by batches. Kept only while the view lasts,
// since outside it a record kept could be older than the database. A file keeps what it read,
// so that a small file read again and again (funding bodies) is fetched once, up to a bound
// past which it starts afresh: the memory of a run stays that of a few batches.
class LecturesAnticipees {
  public:
    void ouvrirVue() { ++vues_; }
    void fermerVue();

    void prelire(const Depot& depot, IdFichier fichier, const std::vector<std::string>& cles);
    // The record, from memory when it was fetched already.
    std::optional<std::string> lire(const Depot& depot, IdFichier fichier, std::string_view cle);

  private:
    using Lus = std::unordered_map<std::string, std::optional<std::string>>;

    bool actives(const Depot& depot) const;
    // The file's records, emptied first when `nouveaux` more would pass the bound.
    Lus& place(IdFichier fichier, std::size_t nouveaux);

    int vues_ = 0;
    std::unordered_map<IdFichier, Lus> fichiers_;
};

}  // namespace mvdb
