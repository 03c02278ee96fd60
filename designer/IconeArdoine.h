#pragma once

#include <QIcon>

namespace designer {

// The control's icon in Designer's widget box: a slate in its wooden frame, with a line of
// chalk. Drawn rather than shipped as a file, so that it scales to any size Designer asks.
QIcon IconeArdoine();

}  // namespace designer
