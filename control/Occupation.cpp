#include <QApplication>

#include "Ctr_Ardoine.h"

Ctr_Ardoine::Occupation::Occupation(Ctr_Ardoine& controle)
    : controle_(controle),
      pointeurAvant_(controle.Pointeur_Souris),
      actifAvant_(controle.isEnabled()) {
    QWidget* const focus = QApplication::focusWidget();
    if (focus != nullptr && controle.isAncestorOf(focus)) {
        focusAvant_ = focus;
    }
    controle_.Definir_Pointeur(ardoine::PointeurSablier);
    controle_.setEnabled(false);
}

// A pointer service failing here must not stop the control from coming back to life.
Ctr_Ardoine::Occupation::~Occupation() {
    try {
        controle_.Definir_Pointeur(pointeurAvant_);
    } catch (...) {
    }
    controle_.setEnabled(actifAvant_);
    if (focusAvant_ && QApplication::focusWidget() == nullptr) {
        focusAvant_->setFocus(Qt::OtherFocusReason);
    }
}
