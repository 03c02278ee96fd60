#pragma once

#include "ExportControle.h"
#include "Imprimantes.h"

namespace imprimante {

// A PDF file first, then the printers the system knows, read anew at every call so that a
// printer added while the program runs can be chosen. The PDF file keeps index 0 whatever
// the system's printers.
class CONTROLE_ARDOINE_EXPORT ImprimantesSysteme : public Imprimantes {
  public:
    std::vector<Destination> Liste() const override;
    // The system's default printer, or the PDF file when there is none.
    std::int32_t IndexParDefaut() const override;
    std::shared_ptr<Imprimante> Ouvrir(std::int32_t index, const Reglages& reglages) override;
};

}  // namespace imprimante
