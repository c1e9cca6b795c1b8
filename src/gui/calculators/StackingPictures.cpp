#include "gui/calculators/StackingPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace bs::gui {

namespace {

constexpr double kSide = 400;  // every drawing is square
const QColor kMetal(45, 55, 70);
const QColor kElement(30, 80, 160);
const QColor kDimension(190, 30, 30);
const QColor kMast(110, 110, 115);

QFont LabelFont(double pixels, bool bold = false) {
  QFont font("Arial");
  font.setPixelSize(int(pixels));
  font.setBold(bold);
  return font;
}

// One Zuzo seen end on: its longest element (the reflector) across, the directors behind it
// slightly shorter, and the boom as a square tube at the centre.
void DrawYagiEndOn(QPainter& p, QPointF centre, double length, bool horizontal) {
  const QPointF along = horizontal ? QPointF(1, 0) : QPointF(0, 1);
  p.setPen(QPen(QColor(120, 150, 200), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre - along * (length * 0.44), centre + along * (length * 0.44));
  p.setPen(QPen(kElement, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre - along * (length / 2), centre + along * (length / 2));
  p.setPen(QPen(kMetal, 2));
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(centre - QPointF(9, 9), QSizeF(18, 18)));
}

// A dimension line with arrow heads and ticks between two points, its label beside it.
void DrawDimension(QPainter& p, QPointF from, QPointF to, const QString& label) {
  p.setPen(QPen(kDimension, 2));
  p.setBrush(kDimension);
  p.drawLine(from, to);
  const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF normal(-dir.y(), dir.x());
  const auto head = [&](QPointF tip, QPointF back) {
    QPainterPath arrow(tip);
    arrow.lineTo(tip + back * 14 + normal * 6);
    arrow.lineTo(tip + back * 14 - normal * 6);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.drawLine(tip - normal * 16, tip + normal * 16);
  };
  head(from, dir);
  head(to, -dir);
  p.setFont(LabelFont(22, true));
  const QPointF mid = (from + to) / 2 + normal * 34;
  p.drawText(QRectF(mid - QPointF(40, 14), QSizeF(80, 28)), Qt::AlignCenter, label);
}

void DrawTitle(QPainter& p, const QRectF& r, const QString& title) {
  p.setPen(QColor(20, 20, 20));
  p.setFont(LabelFont(r.width() * 0.05, true));
  p.drawText(QRectF(r.left(), r.top() + 6, r.width(), r.height() * 0.1), Qt::AlignCenter, title);
}

// White ground, the drawing in its own 400-unit square scaled to the rectangle, the mast's
// caption, and the title on top.
void PaintArrangement(QPainter& p, const QRectF& r, const QString& title,
                      const std::function<void(QPainter&)>& body) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(r, Qt::white);
  const double s = r.width() / kSide;
  p.save();
  p.translate(r.topLeft());
  p.scale(s, s);
  body(p);
  p.setPen(QColor(60, 60, 60));
  p.setFont(LabelFont(15));
  p.drawText(QRectF(210, 340, 180, 40), Qt::AlignLeft | Qt::AlignVCenter, "mast");
  p.restore();
  DrawTitle(p, r, title);
}

// Two horizontal Zuzos one above the other on a vertical mast.
void PaintVertical(QPainter& p, const QRectF& r) {
  PaintArrangement(p, r, "Vertical stacking", [](QPainter& q) {
    q.setPen(QPen(kMast, 10));
    q.drawLine(QPointF(200, 70), QPointF(200, 390));
    DrawYagiEndOn(q, {200, 110}, 260, true);
    DrawYagiEndOn(q, {200, 290}, 260, true);
    DrawDimension(q, {90, 110}, {90, 290}, "Dist");
  });
}

// Two vertical Zuzos side by side on a horizontal cross boom.
void PaintHorizontal(QPainter& p, const QRectF& r) {
  PaintArrangement(p, r, "Horizontal stacking", [](QPainter& q) {
    q.setPen(QPen(kMast, 10));
    q.drawLine(QPointF(200, 230), QPointF(200, 390));
    q.setPen(QPen(kMast, 8));
    q.drawLine(QPointF(90, 230), QPointF(310, 230));
    DrawYagiEndOn(q, {110, 230}, 220, false);
    DrawYagiEndOn(q, {290, 230}, 220, false);
    DrawDimension(q, {110, 80}, {290, 80}, "Dist");
  });
}

void PaintBoth(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  const double half = r.width() * 0.42;
  PaintVertical(p, QRectF(r.left(), r.top(), half, half));
  PaintHorizontal(p, QRectF(r.right() - half, r.top(), half, half));
  p.setPen(Qt::black);
  p.setFont(LabelFont(r.width() * 0.05, true));
  p.drawText(QRectF(r.left() + half, r.top(), r.width() - 2 * half, half), Qt::AlignCenter, "or");
}

}  // namespace

const Drawing& VerticalStackingPicture() {
  static const Drawing drawing("vertical stacking", QSizeF(kSide, kSide), PaintVertical);
  return drawing;
}

const Drawing& HorizontalStackingPicture() {
  static const Drawing drawing("horizontal stacking", QSizeF(kSide, kSide), PaintHorizontal);
  return drawing;
}

const Drawing& BothStackingPicture() {
  static const Drawing drawing("stacking", QSizeF(2 * kSide, kSide * 0.84), PaintBoth);
  return drawing;
}

}  // namespace bs::gui
