#include "ApercuImpression.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "DessinDocument.h"
#include "Tabulation.h"
#include "dba/Erreur.h"

namespace imprimante {

namespace {

// Each press of a zoom button enlarges or shrinks the pages by this factor.
constexpr qreal PasDeZoom = 1.25;

QPushButton* Bouton(QDialogButtonBox& boutons, const QString& texte, const char* nom,
                    QDialogButtonBox::ButtonRole role) {
    QPushButton* bouton = boutons.addButton(texte, role);
    bouton->setObjectName(QString::fromLatin1(nom));
    return bouton;
}

}  // namespace

ApercuImpression::ApercuImpression(Document document, QPrinter& printer, QWidget* parent)
    : document_(std::move(document)),
      dialogue_(parent),
      vue_(new QPrintPreviewWidget(&printer, &dialogue_)) {
    construire();
}

void ApercuImpression::construire() {
    dialogue_.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    auto* boutons = new QDialogButtonBox(&dialogue_);
    QPushButton* envoyer =
        Bouton(*boutons, QStringLiteral("Imprimer"), "imprimer", QDialogButtonBox::AcceptRole);
    QPushButton* agrandir =
        Bouton(*boutons, QStringLiteral("Zoom avant"), "agrandir", QDialogButtonBox::ActionRole);
    QPushButton* reduire =
        Bouton(*boutons, QStringLiteral("Zoom arrière"), "reduire", QDialogButtonBox::ActionRole);
    QPushButton* fermer =
        Bouton(*boutons, QStringLiteral("Fermer"), "fermer", QDialogButtonBox::RejectRole);
    envoyer->setDefault(true);
    // The keys a viewer has for zooming; Escape closes, as "Fermer" does.
    agrandir->setShortcut(QKeySequence::ZoomIn);
    reduire->setShortcut(QKeySequence::ZoomOut);
    vue_->setAccessibleName(QStringLiteral("Pages de la liste"));
    // The pages first, where the arrows and Page up/down turn them, then the buttons.
    vue_->setFocusPolicy(Qt::StrongFocus);
    Enchainer_Tabulation({vue_, envoyer, agrandir, reduire, fermer});

    auto* colonne = new QVBoxLayout(&dialogue_);
    colonne->addWidget(vue_);
    colonne->addWidget(boutons);
    dialogue_.resize(800, 900);

    QObject::connect(vue_, &QPrintPreviewWidget::paintRequested, &dialogue_,
                     [this](QPrinter* printer) { dessiner(printer); });
    QObject::connect(envoyer, &QPushButton::clicked, &dialogue_, [this] { imprimer(); });
    QObject::connect(agrandir, &QPushButton::clicked, vue_, [this] { vue_->zoomIn(PasDeZoom); });
    QObject::connect(reduire, &QPushButton::clicked, vue_, [this] { vue_->zoomOut(PasDeZoom); });
    QObject::connect(fermer, &QPushButton::clicked, &dialogue_, &QDialog::reject);
}

void ApercuImpression::executer() {
    dialogue_.exec();
}

// The device is the one the user chose before the preview: asking again would offer a
// second choice of printer, file and copies, which could contradict the first.
void ApercuImpression::imprimer() {
    vue_->print();
    dialogue_.accept();
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
