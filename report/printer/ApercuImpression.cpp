#include "ApercuImpression.h"

#include <QMessageBox>
#include <utility>

#include "DessinDocument.h"
#include "dba/Erreur.h"

namespace imprimante {

ApercuImpression::ApercuImpression(Document document, QPrinter& printer, QWidget* parent)
    : document_(std::move(document)), dialogue_(&printer, parent) {
    dialogue_.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&dialogue_, &QPrintPreviewDialog::paintRequested, &dialogue_,
                     [this](QPrinter* printer) { dessiner(printer); });
}

void ApercuImpression::executer() {
    dialogue_.exec();
}

// Called from inside the dialog's event handling, where an exception must not pass: a
// device that refuses the pages is reported to the user here.
void ApercuImpression::dessiner(QPrinter* printer) {
    try {
        imprimerDocument(document_, *printer);
    } catch (const dba::Erreur& erreur) {
        QMessageBox::warning(&dialogue_, QStringLiteral("Impression"),
                             QString::fromStdString(erreur.texte()));
    }
}

}  // namespace imprimante
