#include <QApplication>

#include "Ctr_ArdoinePrivate.h"

Ctr_ArdoinePrivate::Occupation::Occupation(Ctr_ArdoinePrivate& controle)
    : controle_(controle),
      pointeurAvant_(controle.Pointeur_Souris),
      actifAvant_(controle.q.isEnabled()) {
    QWidget* const focus = QApplication::focusWidget();
    if (focus != nullptr && controle.q.isAncestorOf(focus)) {
        focusAvant_ = focus;
    }
    controle_.Definir_Pointeur(ardoine::PointeurSablier);
    controle_.q.setEnabled(false);
}

// A pointer service failing here must not stop the control from coming back to life.
Ctr_ArdoinePrivate::Occupation::~Occupation() {
    try {
        controle_.Definir_Pointeur(pointeurAvant_);
    } catch (...) {
    }
    controle_.q.setEnabled(actifAvant_);
    if (focusAvant_ && QApplication::focusWidget() == nullptr) {
        focusAvant_->setFocus(Qt::OtherFocusReason);
    }
}

void Ctr_ArdoinePrivate::Definir_Pointeur(int numero) {
    Pointeur_Souris = numero;
    Services.pointeur->Definir(numero);
}
