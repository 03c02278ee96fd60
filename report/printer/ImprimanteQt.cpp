#include "ImprimanteQt.h"

#include "ApercuImpression.h"
#include "DessinDocument.h"
#include "PreparationQPrinter.h"

namespace imprimante {

ImprimanteQt::ImprimanteQt(const Destination& destination, const Reglages& reglages)
    : printer_(preparerQPrinter(destination, reglages)),
      reglages_(reglages),
      pdf_(destination.genre == Destination::Genre::FichierPdf) {}

void ImprimanteQt::Envoyer(const Document& document) {
    if (document.vide()) {
        return;
    }
    if (reglages_.apercu) {
        ApercuImpression(document, *printer_).executer();
    } else if (pdf_) {
        ecrirePdf(document, reglages_.fichierPdf, printer_->pageLayout().pageSize());
    } else {
        imprimerDocument(document, *printer_);
    }
}

void ImprimanteQt::Abandonner(const Document&) {}

}  // namespace imprimante
