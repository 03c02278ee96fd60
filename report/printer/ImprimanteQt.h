#pragma once

#include <QPrinter>
#include <memory>

#include "Destination.h"
#include "Imprimante.h"

namespace imprimante {

// A printer of the system or a PDF file. The pages wait until the document is sent (the page
// being drawn in memory, the others on disk), and go to the device one at a time: only then
// is the device opened, so an abandoned document leaves no trace (no file, no
// print job); a PDF file replaces the previous one only once complete. With the preview
// setting, sending shows the pages first.
class ImprimanteQt : public Imprimante {
  public:
    // Raises dba::Erreur for an unknown paper size, a system printer that does not exist or
    // a PDF destination without a file.
    ImprimanteQt(const Destination& destination, const Reglages& reglages);

  protected:
    // A document with nothing drawn sends nothing.
    void Envoyer(const PagesImprimees& pages) override;
    // Nothing has reached the device yet, so there is nothing to undo.
    void Abandonner(const PagesImprimees& pages) override;

  private:
    std::unique_ptr<QPrinter> printer_;
    Reglages reglages_;
};

}  // namespace imprimante
