#include "gui/design/DesignPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace bs::gui {

namespace {

const QColor kInk(35, 35, 45);
const QColor kMetal(170, 178, 190);
const QColor kPoint(170, 40, 30);
const QColor kCoaxJacket(40, 40, 48);
const QColor kCopper(196, 112, 40);

QFont DrawingFont(double pixels, bool bold = false, bool italic = false) {
  QFont font("Arial");
  font.setPixelSize(int(pixels));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// A rod as a hollow tube: dark outline with a lighter core.
void DrawRod(QPainter& p, const QPainterPath& path) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(kMetal, 4.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
}

// A coax cable: black jacket with the copper inner conductor showing along its middle.
void DrawCoax(QPainter& p, const QPainterPath& path) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kCoaxJacket, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(QColor(120, 120, 130), 4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(kCopper, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.drawPath(path);
}

void Wire(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(kCopper, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
}

void Terminal(QPainter& p, QPointF at) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(250, 250, 250));
  p.drawEllipse(at, 3.2, 3.2);
}

// A text centred on a point.
void CentredText(QPainter& p, QPointF at, const QString& text, const QFont& font,
                 const QColor& color = kInk) {
  p.setFont(font);
  p.setPen(color);
  const QRectF box(at.x() - 150, at.y() - 20, 300, 40);
  p.drawText(box, Qt::AlignCenter, text);
}

void Arrowhead(QPainter& p, QPointF tip, double direction) {
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip + QPointF(-7 * direction, -3));
  head.lineTo(tip + QPointF(-7 * direction, 3));
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPath(head);
}

// A horizontal dimension line with arrows at both ends and its text above the middle.
void Dimension(QPainter& p, double x1, double x2, double y, const QString& text) {
  p.setPen(QPen(kInk, 0.8));
  p.drawLine(QPointF(x1, y), QPointF(x2, y));
  Arrowhead(p, QPointF(x1, y), -1);
  Arrowhead(p, QPointF(x2, y), 1);
  CentredText(p, QPointF((x1 + x2) / 2, y - 8), text, DrawingFont(11, false, true));
}

// ---- Folded dipole ------------------------------------------------------------------------

constexpr double kDipoleWidth = 420;
constexpr double kDipoleHeight = 172;
constexpr double kTipLeft = 40, kTipRight = 380;  // A and E
constexpr double kTop = 62, kBottom = 102;        // the two straight runs
constexpr double kBendRadius = (kBottom - kTop) / 2;
constexpr double kGapLeft = 203, kGapRight = 217;  // H and G

void PaintDipoleRod(QPainter& p) {
  const double left = kTipLeft + kBendRadius, right = kTipRight - kBendRadius;
  QPainterPath rod;
  rod.moveTo(kGapLeft, kBottom);
  rod.lineTo(left, kBottom);
  rod.arcTo(QRectF(kTipLeft, kTop, 2 * kBendRadius, 2 * kBendRadius), 270, -180);
  rod.lineTo(right, kTop);
  rod.arcTo(QRectF(right - kBendRadius, kTop, 2 * kBendRadius, 2 * kBendRadius), 90, -180);
  rod.lineTo(kGapRight, kBottom);
  DrawRod(p, rod);
  // the feed line leaves the gap downwards
  p.setPen(QPen(kInk, 1));
  p.drawLine(QPointF(kGapLeft, kBottom + 4), QPointF(kGapLeft, kBottom + 22));
  p.drawLine(QPointF(kGapRight, kBottom + 4), QPointF(kGapRight, kBottom + 22));
  CentredText(p, QPointF((kGapLeft + kGapRight) / 2, kBottom + 32), "feed",
              DrawingFont(10, false, true));
}

void MeasuringPoint(QPainter& p, QPointF at, QPointF labelAt, const QString& letter) {
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(kPoint);
  p.drawEllipse(at, 3.6, 3.6);
  CentredText(p, labelAt, letter, DrawingFont(15, true), kPoint);
}

void PaintDipolePoints(QPainter& p) {
  const double mid = (kTop + kBottom) / 2;
  const double left = kTipLeft + kBendRadius, right = kTipRight - kBendRadius;
  const double centre = (kGapLeft + kGapRight) / 2;
  MeasuringPoint(p, {kTipLeft, mid}, {kTipLeft - 16, mid}, "A");
  MeasuringPoint(p, {left, kTop}, {left, kTop - 16}, "B");
  MeasuringPoint(p, {centre, kTop}, {centre, kTop - 16}, "C");
  MeasuringPoint(p, {right, kTop}, {right, kTop - 16}, "D");
  MeasuringPoint(p, {kTipRight, mid}, {kTipRight + 16, mid}, "E");
  MeasuringPoint(p, {right, kBottom}, {right, kBottom + 16}, "F");
  MeasuringPoint(p, {kGapRight, kBottom}, {kGapRight + 12, kBottom + 16}, "G");
  MeasuringPoint(p, {kGapLeft, kBottom}, {kGapLeft - 12, kBottom + 16}, "H");
  MeasuringPoint(p, {left, kBottom}, {left, kBottom + 16}, "I");
}

void PaintFoldedDipole(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  // tip-to-tip dimension with its extension lines
  p.setPen(QPen(kInk, 0.6, Qt::DashLine));
  p.drawLine(QPointF(kTipLeft, kTop + 8), QPointF(kTipLeft, 18));
  p.drawLine(QPointF(kTipRight, kTop + 8), QPointF(kTipRight, 18));
  Dimension(p, kTipLeft, kTipRight, 22, "tip to tip");
  PaintDipoleRod(p);
  PaintDipolePoints(p);
  CentredText(p, QPointF(r.width() / 2, r.height() - 10),
              "Measurements are taken from the inside of bends", DrawingFont(11, false, true));
}

// ---- Balun --------------------------------------------------------------------------------

constexpr QPointF kUpperTerminal(352, 90);
constexpr QPointF kLowerTerminal(352, 112);

// The right-hand part of the folded dipole, seen edge on, with its feed terminals.
void PaintBalunDipole(QPainter& p) {
  QPainterPath rod;
  rod.moveTo(kUpperTerminal);
  rod.lineTo(352, 22);
  rod.arcTo(QRectF(352, 12, 22, 20), 180, -180);
  rod.lineTo(374, 180);
  rod.arcTo(QRectF(352, 170, 22, 20), 0, -180);
  rod.lineTo(kLowerTerminal);
  DrawRod(p, rod);
  Terminal(p, kUpperTerminal);
  Terminal(p, kLowerTerminal);
  p.save();
  p.translate(388, 101);
  p.rotate(90);
  CentredText(p, QPointF(0, 0), "folded dipole", DrawingFont(10, false, true));
  p.restore();
}

// Where the three coax ends stop: the loop's two ends and the feeder's end, their outers bonded.
constexpr QPointF kLoopUpperEnd(326, 84);
constexpr QPointF kLoopLowerEnd(326, 118);
constexpr QPointF kFeederEnd(326, 138);

// The half-wave loop: from the upper terminal round to the lower one, a U lying on its side.
void PaintBalunLoop(QPainter& p) {
  QPainterPath loop;
  loop.moveTo(kLoopUpperEnd);
  loop.lineTo(298, 50);
  loop.lineTo(64, 50);
  loop.arcTo(QRectF(12, 50, 104, 104), 90, 180);
  loop.lineTo(298, 154);
  loop.lineTo(kLoopLowerEnd);
  DrawCoax(p, loop);
  Wire(p, kLoopUpperEnd, kUpperTerminal);
  Wire(p, kLoopLowerEnd, kLowerTerminal);
}

// The feeder from the transmitter and receiver, joining at the lower terminal.
void PaintBalunFeeder(QPainter& p) {
  QPainterPath feeder;
  feeder.moveTo(0, 184);
  feeder.lineTo(290, 184);
  feeder.lineTo(kFeederEnd);
  DrawCoax(p, feeder);
  Wire(p, kFeederEnd, kLowerTerminal);
  p.setFont(DrawingFont(10, false, true));
  p.setPen(kInk);
  p.drawText(QPointF(6, 198), "feeder from transmitter / receiver");
}

// The coax outers are bonded together; the bond may be earthed to the boom.
void PaintBalunEarth(QPainter& p) {
  p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(kLoopUpperEnd, kFeederEnd);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (const QPointF& end : {kLoopUpperEnd, kLoopLowerEnd, kFeederEnd}) p.drawEllipse(end, 3, 3);
  const QPointF bond(kLoopUpperEnd.x(), 100);
  const QPointF earth(bond.x() - 30, 112);
  p.setPen(QPen(kInk, 1.1, Qt::DashLine));
  p.drawLine(bond, QPointF(earth.x(), bond.y()));
  p.drawLine(QPointF(earth.x(), bond.y()), earth);
  p.setPen(QPen(kInk, 1.5));
  for (int i = 0; i < 3; ++i) {
    const double half = 9 - 3 * i;
    const double y = earth.y() + 3.5 * i;
    p.drawLine(QPointF(earth.x() - half, y), QPointF(earth.x() + half, y));
  }
  p.setFont(DrawingFont(9, false, true));
  p.setPen(kInk);
  p.drawText(QRectF(118, 106, 160, 28), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
             "earthing the coax outers to the boom is optional");
}

void PaintBalun(QPainter& p, const QRectF& r) {
  p.fillRect(r, Qt::white);
  PaintBalunLoop(p);
  PaintBalunFeeder(p);
  PaintBalunEarth(p);
  PaintBalunDipole(p);
  p.setFont(DrawingFont(10, false, true));
  p.setPen(kInk);
  p.drawText(QPointF(120, 40), "half wave loop of coax");
}

}  // namespace

const Drawing& FoldedDipolePicture() {
  static const Drawing picture("folded dipole", QSizeF(kDipoleWidth, kDipoleHeight),
                               PaintFoldedDipole);
  return picture;
}

const Drawing& BalunPicture() {
  static const Drawing picture("balun", QSizeF(kBalunPictureWidth, kBalunPictureHeight),
                               PaintBalun);
  return picture;
}

}  // namespace bs::gui
