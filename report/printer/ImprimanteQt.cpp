#include "ImprimanteQt.h"

#include "ApercuImpression.h"
#include "DessinDocument.h"
#include "PreparationQPrinter.h"

namespace imprimante {

ImprimanteQt::ImprimanteQt(const Destination& destination, const Reglages& reglages)
    : printer_(preparerQPrinter(destination, reglages)), reglages_(reglages) {}

// The preview turns the pages back and forth as the user asks: it has them all.
void ImprimanteQt::Envoyer(const PagesImprimees& pages) {
    if (pages.Vide()) {
        return;
    }
    if (reglages_.apercu) {
        ApercuImpression(pages.Tout(), *printer_).executer();
    } else {
        imprimerDocument(pages, *printer_);
    }
}

void ImprimanteQt::Abandonner(const PagesImprimees&) {}

}  // namespace imprimante
