#pragma once

#include <QSize>

class QWidget;

namespace marlo {

// Shows the window growing from a point to its designed size, centred on its screen: first in
// width, then in height. Afterwards the designed size is the window's least, and it may grow.
void growIntoView(QWidget& window, QSize designed);

}  // namespace marlo
