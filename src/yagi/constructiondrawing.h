#pragma once
// The construction drawing of the four-element 145 MHz antenna, in four
// quarters with French legends: (1) the element layout seen from above,
// (2) a side view with the coax inside the boom, (3) the notes and the key to
// the element letters, (4) the feed box seen from the front.

#include <QPixmap>
#include <QSize>

class QPainter;

namespace yagi {

inline constexpr QSize drawingSize(652, 492);

void paintConstructionDrawing(QPainter& painter);
QPixmap constructionDrawing();

}  // namespace yagi
