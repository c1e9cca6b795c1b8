#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace yagi {

namespace {

// Icons are drawn on a 32 by 32 grid and rendered at twice that size so that
// they stay sharp when the style scales them.
constexpr int grid = 32;
constexpr int scale = 2;

const QColor outline(40, 40, 48);

QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(grid * scale, grid * scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

void drawSheet(QPainter& p) {
  QPainterPath sheet;
  sheet.moveTo(6, 3);
  sheet.lineTo(20, 3);
  sheet.lineTo(26, 9);
  sheet.lineTo(26, 29);
  sheet.lineTo(6, 29);
  sheet.closeSubpath();
  p.setPen(QPen(outline, 1.2));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  // Folded corner.
  p.setBrush(QColor(215, 220, 228));
  p.drawPolygon(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
  // Ruled lines.
  p.setPen(QPen(QColor(150, 170, 200), 1));
  for (int y = 13; y <= 25; y += 4) p.drawLine(QPointF(9, y), QPointF(y < 17 ? 22 : 17, y));
}

void drawPencil(QPainter& p) {
  p.save();
  p.translate(22, 22);
  p.rotate(-45);
  p.setPen(QPen(outline, 1));
  p.setBrush(QColor(240, 190, 40));
  p.drawRect(QRectF(-2.5, -11, 5, 14));
  p.setBrush(QColor(230, 140, 140));
  p.drawRect(QRectF(-2.5, -14, 5, 3));
  p.setBrush(QColor(245, 220, 180));
  p.drawPolygon(QPolygonF({QPointF(-2.5, 3), QPointF(2.5, 3), QPointF(0, 9)}));
  p.setBrush(outline);
  p.drawPolygon(QPolygonF({QPointF(-0.9, 7), QPointF(0.9, 7), QPointF(0, 9)}));
  p.restore();
}

void drawCalculator(QPainter& p) {
  p.setPen(QPen(outline, 1.2));
  p.setBrush(QColor(70, 84, 104));
  p.drawRoundedRect(QRectF(5, 2, 22, 28), 2.5, 2.5);
  // Display with a few segments.
  p.setBrush(QColor(190, 225, 180));
  p.drawRect(QRectF(8, 5, 16, 6));
  p.setPen(QPen(QColor(30, 60, 30), 1.2));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(15 + i * 3, 6.5), QPointF(15 + i * 3, 9.5));
  // Keys: four rows of four, the last column in orange.
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      p.setBrush(col == 3 ? QColor(240, 150, 50) : QColor(235, 238, 242));
      p.drawRoundedRect(QRectF(8 + col * 4.2, 13.5 + row * 4, 3.2, 3), 0.6, 0.6);
    }
  }
}

void drawDoor(QPainter& p) {
  // Frame and the dark opening.
  p.setPen(QPen(outline, 1.2));
  p.setBrush(QColor(40, 40, 50));
  p.drawRect(QRectF(4, 3, 14, 26));
  // The door swung open towards the viewer.
  p.setBrush(QColor(176, 112, 60));
  p.drawPolygon(QPolygonF({QPointF(4, 3), QPointF(12, 6), QPointF(12, 31), QPointF(4, 29)}));
  p.setBrush(QColor(250, 210, 80));
  p.drawEllipse(QPointF(10.3, 18), 1, 1);
}

void drawExitArrow(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(15, 14);
  arrow.lineTo(22, 14);
  arrow.lineTo(22, 9);
  arrow.lineTo(30, 17);
  arrow.lineTo(22, 25);
  arrow.lineTo(22, 20);
  arrow.lineTo(15, 20);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(20, 90, 30), 1.2));
  p.setBrush(QColor(60, 170, 70));
  p.drawPath(arrow);
}

}  // namespace

QIcon newCalculationIcon() {
  return drawnIcon([](QPainter& p) {
    drawSheet(p);
    drawPencil(p);
  });
}

QIcon calculatorIcon() {
  return drawnIcon(drawCalculator);
}

QIcon quitIcon() {
  return drawnIcon([](QPainter& p) {
    drawDoor(p);
    drawExitArrow(p);
  });
}

}  // namespace yagi
