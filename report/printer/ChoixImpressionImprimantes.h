#pragma once

#include <memory>

#include "outils/ChoixImpression.h"

namespace outils {

// The choice over the system's printers, asked with the choice dialog.
std::unique_ptr<ChoixImpression> ChoixImpressionSysteme();
// The choice over the printers given, asked by `choix`.
std::unique_ptr<ChoixImpression> ChoixImpressionSur(
    std::shared_ptr<imprimante::Imprimantes> imprimantes,
    std::shared_ptr<imprimante::ChoixImprimante> choix);

// Both, as the tools take them.
inline FabriquesImpression FabriquesImprimantes() {
    return {&ChoixImpressionSysteme, &ChoixImpressionSur};
}

}  // namespace outils
