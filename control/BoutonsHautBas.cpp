#include "BoutonsHautBas.h"

#include <QLineEdit>

namespace ardoine {

BoutonsHautBas::BoutonsHautBas(QWidget* parent) : QSpinBox(parent) {
    setRange(Minimum, Maximum);
    setSingleStep(1);
    setWrapping(false);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    lineEdit()->hide();
}

}  // namespace ardoine
