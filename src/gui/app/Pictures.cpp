#include "gui/app/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace bs::gui {

namespace {

// One long Zuzo seen slightly from the side: boom, reflector, dipole and directors whose
// length shrinks towards the front.
void DrawYagi(QPainter& p, QPointF rear, double boomLength, double elementLength, int directors,
              double tilt) {
  const QPointF front = rear + QPointF(boomLength, -boomLength * tilt);
  p.setPen(QPen(QColor(60, 60, 70), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(rear, front);
  const int elements = directors + 2;
  for (int i = 0; i < elements; ++i) {
    const double t = i == 0 ? 0.0 : 0.06 + (i - 1) * (0.94 / (elements - 1));
    const QPointF at = rear + (front - rear) * t;
    double half = elementLength / 2;
    if (i == 0)
      half *= 1.06;  // reflector
    else if (i > 1)
      half *= 0.95 - 0.012 * (i - 2);  // directors
    p.setPen(QPen(QColor(200, 205, 215), i == 1 ? 3 : 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at + QPointF(-half * 0.18, -half), at + QPointF(half * 0.18, half));
  }
  // the folded dipole's feed box
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  const QPointF feed = rear + (front - rear) * 0.06;
  p.drawRect(QRectF(feed - QPointF(5, 4), QSizeF(10, 8)));
}

void PaintWelcome(QPainter& p, const QRectF& r) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, QColor(70, 120, 190));
  sky.setColorAt(0.75, QColor(170, 200, 235));
  sky.setColorAt(1, QColor(225, 235, 245));
  p.fillRect(r, sky);
  // clouds
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  for (const QRectF& c : {QRectF(60, 50, 160, 40), QRectF(120, 35, 120, 45),
                          QRectF(470, 80, 190, 36), QRectF(530, 62, 110, 40)})
    p.drawEllipse(c);
  // distant hills
  QPainterPath hills(QPointF(0, r.height()));
  hills.lineTo(0, 400);
  hills.cubicTo(150, 360, 260, 420, 400, 390);
  hills.cubicTo(540, 360, 650, 410, r.width(), 380);
  hills.lineTo(r.width(), r.height());
  p.setBrush(QColor(90, 120, 80));
  p.drawPath(hills);
  // mast with guy wires
  const double mastX = r.width() * 0.52;
  p.setPen(QPen(QColor(40, 40, 45), 7));
  p.drawLine(QPointF(mastX, 95), QPointF(mastX, r.height()));
  p.setPen(QPen(QColor(80, 80, 80, 150), 1));
  p.drawLine(QPointF(mastX, 180), QPointF(mastX - 250, r.height()));
  p.drawLine(QPointF(mastX, 180), QPointF(mastX + 250, r.height()));
  // two stacked long Zuzos on a cross boom, and a shorter one below
  p.setPen(QPen(QColor(40, 40, 45), 5));
  p.drawLine(QPointF(mastX, 120), QPointF(mastX, 250));
  DrawYagi(p, QPointF(mastX - 220, 140), 520, 110, 14, 0.12);
  DrawYagi(p, QPointF(mastX - 220, 250), 520, 110, 14, 0.12);
  DrawYagi(p, QPointF(mastX - 120, 345), 300, 60, 9, 0.10);
  // rotator housing
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 60));
  p.drawRect(QRectF(mastX - 14, 400, 28, 40));
}

void PaintAbout(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(240, 244, 250));
  p.setPen(QPen(QColor(50, 50, 60), 3, Qt::SolidLine, Qt::RoundCap));
  const double y = r.height() / 2;
  p.drawLine(QPointF(8, y), QPointF(r.width() - 8, y));
  const double lengths[] = {84, 78, 70, 68, 66, 64};
  for (int i = 0; i < 6; ++i) {
    const double x = 14 + i * (r.width() - 28) / 5.0;
    p.setPen(
        QPen(i == 1 ? QColor(180, 40, 40) : QColor(70, 90, 120), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, y - lengths[i] / 2), QPointF(x, y + lengths[i] / 2));
  }
}

}  // namespace

const Drawing& WelcomePicture() {
  static const Drawing drawing("welcome", QSizeF(800, 480), PaintWelcome);
  return drawing;
}

const Drawing& AboutPicture() {
  static const Drawing drawing("about", QSizeF(100, 100), PaintAbout);
  return drawing;
}

}  // namespace bs::gui
