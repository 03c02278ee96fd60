#include "ImprimanteQt.h"

#include "ApercuImpression.h"
#include "DessinDocument.h"
#include "PreparationQPrinter.h"

namespace imprimante {

ImprimanteQt::ImprimanteQt(const Destination& destination, const Reglages& reglages)
    : printer_(preparerQPrinter(destination, reglages)), reglages_(reglages) {}

void ImprimanteQt::Envoyer(const Document& document) {
    if (document.vide()) {
        return;
    }
    if (reglages_.apercu) {
        ApercuImpression(document, *printer_).executer();
    } else {
        imprimerDocument(document, *printer_);
    }
}

void ImprimanteQt::Abandonner(const Document&) {}

}  // namespace imprimante
