#pragma once

#include <QPointer>
#include <QWidget>

#include "Plateforme.h"

namespace ardoine {

// Busy state of the control for the length of a scope: hourglass and the whole control
// disabled; the pointer and the enabled state come back on leaving the scope, by error or not,
// so that nested busy states put back what the outer one found.
class Occupation {
  public:
    // `pointeur` is the control's pointer number, kept up to date here.
    Occupation(QWidget& controle, const Plateforme& services, int& pointeur);
    ~Occupation();
    Occupation(const Occupation&) = delete;
    Occupation& operator=(const Occupation&) = delete;

  private:
    void Definir_Pointeur(int numero);

    QWidget& controle_;
    const Plateforme& services_;
    int& pointeur_;
    int pointeurAvant_;
    bool actifAvant_;
    // Disabling the control takes the focus from the control that had it; it gets it back.
    QPointer<QWidget> focusAvant_;
};

}  // namespace ardoine
