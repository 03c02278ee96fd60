#pragma once

#include "ChoixImprimante.h"

class QWidget;

namespace imprimante {

// Asks the user with a modal dialog. The PDF file is suggested under the document's name in
// the folder of the last PDF file printed, at first in the default folder.
class ChoixImprimanteQt : public ChoixImprimante {
  public:
    explicit ChoixImprimanteQt(std::string dossierPdfParDefaut, QWidget* parent = nullptr);

    std::optional<Choix> Choisir(const Imprimantes& imprimantes, const std::string& format,
                                 const std::string& nomDocument) override;

  private:
    std::string dossierPdf_;
    QWidget* parent_;
};

}  // namespace imprimante
