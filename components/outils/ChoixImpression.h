#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Outils.h"

namespace outils {

// The printer half of Outils: which printer of a collection the user chose, with how many
// copies and which settings. The printer model (report/printer) implements it, so that these
// tools know nothing of printing; Outils hands its printer calls on to it.
class ChoixImpression {
  public:
    virtual ~ChoixImpression() = default;

    // The index of the printer chosen as text, "-1" when the user chose none.
    virtual std::string ChoisirImprimante(const std::string& format,
                                          const std::string& nomDocument) = 0;
    // Copies asked with the last choice; 1 when there was none or it was cancelled.
    virtual std::int16_t NbCopies() const = 0;
    virtual imprimante::Imprimantes& Imprimantes() = 0;
    // The settings of the last choice (the defaults when there was none or it was cancelled).
    virtual const imprimante::Reglages& ReglagesChoisis() const = 0;
    // The printer at that index, set up as the last choice asked.
    virtual std::shared_ptr<imprimante::Imprimante> OuvrirImprimante(std::int32_t index) = 0;
};

}  // namespace outils
