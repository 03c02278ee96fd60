#pragma once

#include "ExportControle.h"
#include "Imprimantes.h"

namespace imprimante {

// A PDF file first, an XLSX workbook and a CSV file, then the printers the system knows, read
// anew at every call so that a printer added while the program runs can be chosen. The files
// keep indexes 0 to 2 whatever the system's printers.
class CONTROLE_ARDOINE_EXPORT ImprimantesSysteme : public Imprimantes {
  public:
    std::vector<Destination> Liste() const override;
    // The system's default printer, or the PDF file when there is none.
    std::int32_t IndexParDefaut() const override;
    std::shared_ptr<Imprimante> Ouvrir(std::int32_t index, const Reglages& reglages) override;
};

}  // namespace imprimante
