#pragma once

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "Document.h"

namespace imprimante {

// The pages of a document on screen, from where the user prints them on the device or closes
// the window without printing.
class ApercuImpression {
  public:
    ApercuImpression(Document document, QPrinter& printer, QWidget* parent = nullptr);

    // Modal: returns when the user has printed or closed.
    void executer();

    QPrintPreviewDialog& dialogue() { return dialogue_; }

  private:
    void dessiner(QPrinter* printer);

    Document document_;
    QPrintPreviewDialog dialogue_;
};

}  // namespace imprimante
