#include "Occupation.h"

#include <QApplication>

namespace ardoine {

Occupation::Occupation(QWidget& controle, const Plateforme& services, int& pointeur)
    : controle_(controle),
      services_(services),
      pointeur_(pointeur),
      pointeurAvant_(pointeur),
      actifAvant_(controle.isEnabled()) {
    QWidget* const focus = QApplication::focusWidget();
    if (focus != nullptr && controle.isAncestorOf(focus)) {
        focusAvant_ = focus;
    }
    Definir_Pointeur(PointeurSablier);
    controle_.setEnabled(false);
}

// A pointer service failing here must not stop the control from coming back to life.
Occupation::~Occupation() {
    try {
        Definir_Pointeur(pointeurAvant_);
    } catch (...) {
    }
    controle_.setEnabled(actifAvant_);
    if (focusAvant_ && QApplication::focusWidget() == nullptr) {
        focusAvant_->setFocus(Qt::OtherFocusReason);
    }
}

void Occupation::Definir_Pointeur(int numero) {
    pointeur_ = numero;
    services_.pointeur->Definir(numero);
}

}  // namespace ardoine
