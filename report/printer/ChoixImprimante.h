#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Destination.h"
#include "ExportControle.h"
#include "Imprimantes.h"

namespace imprimante {

// What the user chose: an entry of the collection, a number of copies and the settings the
// printer is opened with.
struct Choix {
    std::int32_t index = 0;
    std::int16_t copies = 1;
    Reglages reglages{};

    bool operator==(const Choix&) const = default;
};

// Asks the user which printer of a collection to print on, for a paper size.
class CONTROLE_ARDOINE_EXPORT ChoixImprimante {
  public:
    virtual ~ChoixImprimante() = default;
    // Nothing when the user chose no printer. The document's name, without folder or
    // extension, names the PDF file suggested.
    virtual std::optional<Choix> Choisir(const Imprimantes& imprimantes, const std::string& format,
                                         const std::string& nomDocument) = 0;
};

}  // namespace imprimante
