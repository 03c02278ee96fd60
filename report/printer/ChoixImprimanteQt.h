#pragma once

#include "ChoixImprimante.h"

class QWidget;

namespace imprimante {

// Asks the user with a modal dialog. The PDF file name typed once is offered again next time.
class ChoixImprimanteQt : public ChoixImprimante {
  public:
    explicit ChoixImprimanteQt(std::string fichierPdfParDefaut, QWidget* parent = nullptr);

    std::optional<Choix> Choisir(const Imprimantes& imprimantes,
                                 const std::string& format) override;

  private:
    std::string fichierPdf_;
    QWidget* parent_;
};

}  // namespace imprimante
