#pragma once

#include <initializer_list>

#include <QWidget>

namespace imprimante {

// Puts the widgets in this order in their window's tab chain, each after the one before it.
inline void Enchainer_Tabulation(std::initializer_list<QWidget*> ordre) {
    QWidget* precedent = nullptr;
    for (QWidget* suivant : ordre) {
        if (precedent != nullptr) {
            QWidget::setTabOrder(precedent, suivant);
        }
        precedent = suivant;
    }
}

}  // namespace imprimante
