#pragma once

#include <QSpinBox>

#include "ExportControle.h"

namespace ardoine {

// Up-down spinner: the two arrows alone, no text. Its value only gives the direction of each
// step, so it stops at the ends of its range instead of wrapping (a wrap would read as a step
// the other way).
class CONTROLE_ARDOINE_EXPORT BoutonsHautBas : public QSpinBox {
    Q_OBJECT

  public:
    static constexpr int Minimum = -1200;
    static constexpr int Maximum = 1200;

    explicit BoutonsHautBas(QWidget* parent);
};

}  // namespace ardoine
