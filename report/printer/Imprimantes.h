#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Destination.h"
#include "ExportControle.h"

namespace imprimante {

class Imprimante;

// The printers the user may choose from, addressed by index from 0.
class CONTROLE_ARDOINE_EXPORT Imprimantes {
  public:
    virtual ~Imprimantes() = default;

    virtual std::vector<Destination> Liste() const = 0;
    // The entry to offer first.
    virtual std::int32_t IndexParDefaut() const = 0;
    // A printer on the entry at that index, ready for a new document. Raises dba::Erreur
    // for an index outside the list.
    virtual std::shared_ptr<Imprimante> Ouvrir(std::int32_t index, const Reglages& reglages) = 0;
};

// The entry at an index of a list; raises dba::Erreur when there is none.
const Destination& destinationA(const std::vector<Destination>& liste, std::int32_t index);

}  // namespace imprimante
