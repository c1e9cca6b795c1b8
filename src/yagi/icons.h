#pragma once
// The pictures of the three tall buttons, drawn with QPainter: a new sheet
// with a pencil (new calculation), a pocket calculator (calculate) and an
// open door with an arrow (quit).

#include <QIcon>

namespace yagi {

QIcon newCalculationIcon();
QIcon calculatorIcon();
QIcon quitIcon();

}  // namespace yagi
