#pragma once

#include <QDialog>
#include <QPrinter>

#include "Document.h"

class QPrintPreviewWidget;

namespace imprimante {

// The pages of a document on screen, from where the user prints them on the device chosen
// before ("Imprimer", with no further dialog: the printer, the file and the copies were
// already chosen) or closes the window without printing ("Fermer").
class ApercuImpression {
  public:
    ApercuImpression(Document document, QPrinter& printer, QWidget* parent = nullptr);

    // Modal: returns when the user has printed or closed.
    void executer();

    QDialog& dialogue() { return dialogue_; }

  private:
    void construire();
    void imprimer();
    void dessiner(QPrinter* printer);

    Document document_;
    QDialog dialogue_;
    QPrintPreviewWidget* vue_ = nullptr;
};

}  // namespace imprimante
