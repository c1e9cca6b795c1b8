#include "constructiondrawing.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

namespace yagi {

namespace {

// Colours of the drawing: black ink for outlines, blue for dimensions.
const QColor ink(25, 25, 35);
const QColor dimensionInk(0, 70, 160);
const QColor boomFill(222, 226, 232);
const QColor aluminium(196, 202, 212);
const QColor plastic(246, 240, 212);
const QColor copper(196, 106, 36);
const QColor coaxJacket(60, 60, 66);

// The worked 145 MHz design, in cm, used to place the elements to scale.
constexpr double reflectorLength = 99.8;
constexpr double dipoleLength = 96.8;
constexpr double director1Length = 92.1;
constexpr double director2Length = 91.6;
constexpr double reflectorDipoleSpacing = 47.2;
constexpr double dipoleDirectorSpacing = 39.3;
constexpr double directorsSpacing = 44.7;
constexpr double boomLength = 150.0;

// Scale of views 1 and 2 (pixels per cm) and of view 4 (pixels per mm).
constexpr double cm = 1.6;
constexpr double mm = 3.0;

// Axis positions along the boom, shared by views 1 and 2 (x within a quarter).
constexpr double reflectorX = 64;
constexpr double dipoleX = reflectorX + reflectorDipoleSpacing * cm;
constexpr double director1X = dipoleX + dipoleDirectorSpacing * cm;
constexpr double director2X = director1X + directorsSpacing * cm;
constexpr double boomEndX = director2X + 4;
constexpr double boomStartX = boomEndX - boomLength * cm;

constexpr double quarterWidth = 326;
constexpr double quarterHeight = 246;

QFont drawingFont(int pixelSize, bool bold = false) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QPen thinPen(const QColor& colour, double width = 1.0) {
  QPen pen(colour, width);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

QPen centreLinePen() {
  QPen pen(QColor(90, 90, 90), 0.7);
  pen.setDashPattern({10, 3, 2, 3});
  return pen;
}

// A filled arrowhead whose point is at `tip`, coming from `from`.
void arrowHead(QPainter& p, QPointF tip, QPointF from) {
  QLineF shaft(tip, from);
  shaft.setLength(7);
  QLineF normal = shaft.normalVector();
  normal.setLength(2.4);
  const QPointF side = normal.p2() - normal.p1();
  p.drawPolygon(QPolygonF({tip, shaft.p2() + side, shaft.p2() - side}));
}

// A dimension line between two extension lines; short ones get their arrows
// from outside.
void dimensionLine(QPainter& p, QPointF a, QPointF b) {
  p.save();
  p.setPen(thinPen(dimensionInk, 0.8));
  p.setBrush(dimensionInk);
  QLineF line(a, b);
  if (line.length() >= 22) {
    p.drawLine(line);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
  } else {
    QLineF outward(a, b);
    outward.setLength(-12);
    QLineF inward(b, a);
    inward.setLength(-12);
    p.drawLine(outward.p2(), inward.p2());
    arrowHead(p, a, outward.p2());
    arrowHead(p, b, inward.p2());
  }
  p.restore();
}

void extensionLine(QPainter& p, QPointF from, QPointF to) {
  p.save();
  p.setPen(thinPen(dimensionInk, 0.6));
  p.drawLine(from, to);
  p.restore();
}

// Text centred on a point, on a white ground so that it stays legible over
// the lines it crosses.
void label(QPainter& p, QPointF centre, const QString& text, int pixelSize = 9,
           const QColor& colour = ink) {
  p.save();
  p.setFont(drawingFont(pixelSize));
  const QRectF box = p.fontMetrics().boundingRect(text).adjusted(-2, 0, 2, 0);
  QRectF placed(QPointF(0, 0), box.size());
  placed.moveCenter(centre);
  p.fillRect(placed, Qt::white);
  p.setPen(colour);
  p.drawText(placed, Qt::AlignCenter, text);
  p.restore();
}

void textBlock(QPainter& p, const QRectF& area, const QString& text, int pixelSize = 9,
               int flags = Qt::AlignLeft | Qt::AlignTop) {
  p.save();
  p.setFont(drawingFont(pixelSize));
  p.setPen(ink);
  p.drawText(area, flags | Qt::TextWordWrap, text);
  p.restore();
}

// A leader line from a legend to the part it names, ending in a dot.
void leader(QPainter& p, QPointF from, QPointF to) {
  p.save();
  p.setPen(thinPen(ink, 0.7));
  p.drawLine(from, to);
  p.setBrush(ink);
  p.drawEllipse(to, 1.5, 1.5);
  p.restore();
}

void viewTitle(QPainter& p, QPointF at, const QString& text) {
  p.save();
  QFont font = drawingFont(10, true);
  font.setUnderline(true);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(at, text);
  p.restore();
}

void hatchedRect(QPainter& p, const QRectF& r) {
  p.save();
  p.setPen(thinPen(ink, 0.8));
  p.setBrush(QColor(170, 170, 176));
  p.drawRect(r);
  p.setBrush(QBrush(ink, Qt::BDiagPattern));
  p.drawRect(r);
  p.restore();
}

// ---- View 1: the elements seen from above ----------------------------------

constexpr double topBoomY = 135;

void topViewElement(QPainter& p, double x, double lengthCm, const QString& name) {
  const double half = lengthCm / 2 * cm;
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(aluminium);
  p.drawRect(QRectF(x - 1.5, topBoomY - half, 3, 2 * half));
  label(p, QPointF(x, topBoomY - half - 8), name, 10);
}

void topViewDipole(QPainter& p) {
  const double half = dipoleLength / 2 * cm;
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(aluminium);
  p.drawRect(QRectF(dipoleX - 2.5, topBoomY - half, 5, half - 1.5));
  p.drawRect(QRectF(dipoleX - 2.5, topBoomY + 1.5, 5, half - 1.5));
  // The feed box sits on the boom at the middle of the dipole.
  p.setBrush(plastic);
  p.drawRect(QRectF(dipoleX - 8, topBoomY - 9, 16, 18));
  label(p, QPointF(dipoleX, topBoomY - half - 8), QStringLiteral("A"), 10);
}

void topViewSpacing(QPainter& p, double x1, double x2, double lengthCm1, double lengthCm2,
                    const QString& text) {
  constexpr double lineY = 232;
  extensionLine(p, QPointF(x1, topBoomY + lengthCm1 / 2 * cm + 3), QPointF(x1, lineY + 4));
  extensionLine(p, QPointF(x2, topBoomY + lengthCm2 / 2 * cm + 3), QPointF(x2, lineY + 4));
  dimensionLine(p, QPointF(x1, lineY), QPointF(x2, lineY));
  label(p, QPointF((x1 + x2) / 2, lineY - 7), text, 9, dimensionInk);
}

void drawTopView(QPainter& p) {
  viewTitle(p, QPointF(12, 20), QStringLiteral("1 - Disposition des éléments (vue de dessus)"));
  // Boom, its axis and the mast clamp behind the reflector.
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(boomFill);
  p.drawRect(QRectF(boomStartX, topBoomY - 3, boomEndX - boomStartX, 6));
  p.setPen(centreLinePen());
  p.drawLine(QPointF(boomStartX - 8, topBoomY), QPointF(boomEndX + 8, topBoomY));
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(boomStartX + 11, topBoomY), 5, 5);
  leader(p, QPointF(boomStartX + 2, topBoomY + 30), QPointF(boomStartX + 9, topBoomY + 4));
  label(p, QPointF(boomStartX + 2, topBoomY + 36), QStringLiteral("mât"));
  label(p, QPointF((director1X + director2X) / 2, topBoomY - 10), QStringLiteral("Boom"), 10);

  topViewElement(p, reflectorX, reflectorLength, QStringLiteral("R"));
  topViewDipole(p);
  topViewElement(p, director1X, director1Length, QStringLiteral("D1"));
  topViewElement(p, director2X, director2Length, QStringLiteral("D2"));

  topViewSpacing(p, reflectorX, dipoleX, reflectorLength, dipoleLength, QStringLiteral("47,2 cm"));
  topViewSpacing(p, dipoleX, director1X, dipoleLength, director1Length, QStringLiteral("39,3 cm"));
  topViewSpacing(p, director1X, director2X, director1Length, director2Length,
                 QStringLiteral("44,7 cm"));

  // Direction of the main lobe.
  p.setPen(thinPen(ink, 1));
  p.setBrush(ink);
  p.drawLine(QPointF(250, 44), QPointF(312, 44));
  arrowHead(p, QPointF(314, 44), QPointF(250, 44));
  textBlock(p, QRectF(226, 28, 96, 12), QStringLiteral("sens de rayonnement"), 8, Qt::AlignRight);
}

// ---- View 2: side view, coax inside the boom --------------------------------

constexpr double sideBoomTop = 150;
constexpr double sideBoomBottom = 160;
constexpr double elementAxisY = 139;
constexpr double shimTop = 142;

void sideViewParasitic(QPainter& p, double x) {
  hatchedRect(p, QRectF(x - 7, shimTop, 14, sideBoomTop - shimTop));
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(aluminium);
  p.drawEllipse(QPointF(x, elementAxisY), 3, 3);
}

void sideViewFeed(QPainter& p, double x) {
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(plastic);
  p.drawRect(QRectF(x - 13, 128, 26, sideBoomTop - 128));
  p.setBrush(aluminium);
  p.drawEllipse(QPointF(x, elementAxisY), 5.5, 5.5);
}

void sideViewCoax(QPainter& p, double feedX, double rearX) {
  // Hidden inside the boom, so drawn dashed.
  QPen coax(copper, 1.6);
  coax.setDashPattern({4, 2});
  p.setPen(coax);
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(feedX - 8, 146);
  path.lineTo(feedX - 8, 155);
  path.lineTo(rearX, 155);
  p.drawPath(path);
}

void sideViewConnector(QPainter& p, double rearX) {
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(QColor(190, 170, 90));
  p.drawRect(QRectF(rearX - 2, 146, 2, 18));
  p.setBrush(QColor(215, 200, 120));
  p.drawRect(QRectF(rearX - 13, 150.5, 11, 9));
  p.drawLine(QPointF(rearX - 9, 150.5), QPointF(rearX - 9, 159.5));
  p.drawLine(QPointF(rearX - 6, 150.5), QPointF(rearX - 6, 159.5));
}

void drawSideView(QPainter& p) {
  viewTitle(p, QPointF(12, 20), QStringLiteral("2 - Vue de côté, passage du coax"));
  p.setPen(thinPen(ink, 0.9));
  p.setBrush(boomFill);
  p.drawRect(QRectF(boomStartX, sideBoomTop, boomEndX - boomStartX, sideBoomBottom - sideBoomTop));
  label(p, QPointF(boomEndX - 22, sideBoomBottom + 8), QStringLiteral("boom"), 9);

  sideViewCoax(p, dipoleX, boomStartX);
  sideViewParasitic(p, reflectorX);
  sideViewFeed(p, dipoleX);
  sideViewParasitic(p, director1X);
  sideViewParasitic(p, director2X);
  sideViewConnector(p, boomStartX);
  for (const auto& [x, name] :
       {std::pair{reflectorX, "R"}, {dipoleX, "A"}, {director1X, "D1"}, {director2X, "D2"}})
    label(p, QPointF(x, 116), QString::fromLatin1(name), 10);

  // The quarter-wave coax, from the connector to the feed point.
  constexpr double lineY = 180;
  const double connectorX = boomStartX - 9;
  extensionLine(p, QPointF(connectorX, 162), QPointF(connectorX, lineY + 4));
  extensionLine(p, QPointF(dipoleX - 8, sideBoomBottom + 2), QPointF(dipoleX - 8, lineY + 4));
  dimensionLine(p, QPointF(connectorX, lineY), QPointF(dipoleX - 8, lineY));
  textBlock(p, QRectF(12, lineY + 4, 300, 12),
            QStringLiteral("longueur du coax égale à 1/4 d'onde"), 9);

  textBlock(p, QRectF(8, 74, 104, 40), QStringLiteral("fiche type SO239 ou N suivant la fréquence"),
            9);
  leader(p, QPointF(24, 100), QPointF(connectorX, 151));

  textBlock(p, QRectF(122, 88, 100, 12), QStringLiteral("boîtier plastique"), 9);
  leader(p, QPointF(dipoleX + 8, 100), QPointF(dipoleX + 8, 129));

  textBlock(p, QRectF(126, 32, 192, 40),
            QStringLiteral(
                "cales (non-isolantes) pour compenser la différence de hauteur avec le dipôle"),
            9);
  leader(p, QPointF(228, 70), QPointF(director1X + 6, 147));
  leader(p, QPointF(300, 70), QPointF(director2X + 6, 147));

  textBlock(p, QRectF(150, 206, 170, 30),
            QStringLiteral(
                "le coax entre dans le boom derrière le dipôle et ressort derrière le réflecteur"),
            8);
}

// ---- View 3: notes and key --------------------------------------------------

void drawNotes(QPainter& p) {
  p.save();
  p.setFont(drawingFont(15, true));
  p.setPen(ink);
  p.drawText(QRectF(0, 16, quarterWidth, 22), Qt::AlignCenter,
             QStringLiteral("ANTENNE TAILLEE POUR LE 145 MHz"));
  p.restore();

  textBlock(p, QRectF(22, 50, 290, 70),
            QStringLiteral("- Les espacements sont mesurés d'axe en axe.\n"
                           "- Le coax passe à l'intérieur du boom.\n"
                           "- L'écartement entre les deux demi-dipôles est donné pour 145 MHz."),
            10);

  // The key to the element letters, in a ruled box.
  const QRectF key(34, 124, 258, 70);
  p.setPen(thinPen(ink, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(key);
  p.drawLine(QPointF(key.left(), key.top() + 18), QPointF(key.right(), key.top() + 18));
  p.save();
  p.setFont(drawingFont(10, true));
  p.drawText(QRectF(key.left(), key.top(), key.width(), 18), Qt::AlignCenter,
             QStringLiteral("Légende"));
  p.restore();
  const QString entries[] = {QStringLiteral("R : Réflecteur"), QStringLiteral("A : Dipôle"),
                             QStringLiteral("D1 : 1er Directeur"),
                             QStringLiteral("D2 : 2ème Directeur")};
  for (int i = 0; i < 4; ++i) {
    const QRectF cell(key.left() + 14 + (i % 2) * 124, key.top() + 24 + (i / 2) * 21, 116, 16);
    textBlock(p, cell, entries[i], 10, Qt::AlignLeft | Qt::AlignVCenter);
  }

  textBlock(
      p, QRectF(22, 206, 290, 24),
      QStringLiteral("Vue 1 : cotes en cm, à l'échelle. Vue 4 : cotes en mm, boîtier agrandi."), 8,
      Qt::AlignCenter);
}

// ---- View 4: the feed box from the front -------------------------------------

constexpr double feedCentreX = 161;
constexpr double feedAxisY = 134;
constexpr double gap = 7 * mm;
constexpr double flatLength = 20 * mm;
constexpr double flatHalfHeight = 9 * mm;  // a flattened 12 mm tube is about 18 mm wide
constexpr double tubeRadius = 6 * mm;
constexpr double holeFromEdge = 5 * mm;

// One dipole half; `side` is -1 for the left half and +1 for the right one.
void feedTube(QPainter& p, int side) {
  const double inner = feedCentreX + side * gap / 2;
  const double flatEnd = inner + side * flatLength;
  const double taperEnd = flatEnd + side * 3 * mm;
  const double outer = side < 0 ? 6 : quarterWidth - 6;
  p.setPen(thinPen(ink, 1));
  p.setBrush(aluminium);
  p.drawRect(
      QRectF(QPointF(taperEnd, feedAxisY - tubeRadius), QPointF(outer, feedAxisY + tubeRadius))
          .normalized());
  p.drawPolygon(QPolygonF(
      {QPointF(flatEnd, feedAxisY - flatHalfHeight), QPointF(taperEnd, feedAxisY - tubeRadius),
       QPointF(taperEnd, feedAxisY + tubeRadius), QPointF(flatEnd, feedAxisY + flatHalfHeight)}));
  p.setBrush(QColor(214, 219, 228));
  p.drawRect(QRectF(QPointF(inner, feedAxisY - flatHalfHeight),
                    QPointF(flatEnd, feedAxisY + flatHalfHeight))
                 .normalized());
  // The 5 mm hole with its screw.
  const QPointF hole(inner + side * holeFromEdge, feedAxisY);
  p.setBrush(QColor(120, 120, 128));
  p.drawEllipse(hole, 2.5 * mm, 2.5 * mm);
  p.setBrush(QColor(235, 235, 238));
  p.drawEllipse(hole, 1.8 * mm, 1.8 * mm);
  p.drawLine(hole + QPointF(-3, 0), hole + QPointF(3, 0));
  p.setPen(centreLinePen());
  p.drawLine(hole + QPointF(0, -flatHalfHeight - 4), hole + QPointF(0, flatHalfHeight + 4));
}

void feedWires(QPainter& p) {
  // The coax comes up from the boom; its centre conductor goes to the left
  // half, its braid to the right half.
  const QPointF leftHole(feedCentreX - gap / 2 - holeFromEdge, feedAxisY);
  const QPointF rightHole(feedCentreX + gap / 2 + holeFromEdge, feedAxisY);
  p.setPen(thinPen(ink, 1));
  p.setBrush(coaxJacket);
  p.drawRect(QRectF(feedCentreX - 7, 180, 14, 62));
  hatchedRect(p, QRectF(feedCentreX - 5, 168, 10, 12));

  QPen braid(QColor(110, 110, 118), 2.6);
  braid.setCapStyle(Qt::RoundCap);
  p.setPen(braid);
  p.setBrush(Qt::NoBrush);
  QPainterPath braidPath(QPointF(feedCentreX + 4, 170));
  braidPath.cubicTo(QPointF(feedCentreX + 4, 150), QPointF(rightHole.x(), 160),
                    rightHole + QPointF(0, 5));
  p.drawPath(braidPath);

  QPen core(copper, 2);
  core.setCapStyle(Qt::RoundCap);
  p.setPen(core);
  QPainterPath corePath(QPointF(feedCentreX - 1, 168));
  corePath.lineTo(QPointF(feedCentreX - 1, 146));
  corePath.cubicTo(QPointF(feedCentreX - 1, 132), QPointF(leftHole.x() + 8, 130),
                   leftHole + QPointF(3, 3));
  p.drawPath(corePath);
}

void feedDimensions(QPainter& p) {
  const double leftInner = feedCentreX - gap / 2;
  const double rightInner = feedCentreX + gap / 2;
  const double leftFlatEnd = leftInner - flatLength;
  const double rightHole = rightInner + holeFromEdge;
  const double top = feedAxisY - flatHalfHeight - 2;
  // Above the halves, one level each: 20 mm of flattened tube, the 7 mm gap
  // between the halves and the hole 5 mm from the end.
  extensionLine(p, QPointF(leftFlatEnd, top), QPointF(leftFlatEnd, 46));
  extensionLine(p, QPointF(leftInner, top), QPointF(leftInner, 46));
  extensionLine(p, QPointF(rightInner, top), QPointF(rightInner, 62));
  dimensionLine(p, QPointF(leftFlatEnd, 50), QPointF(leftInner, 50));
  label(p, QPointF((leftFlatEnd + leftInner) / 2, 43), QStringLiteral("20 mm"), 9, dimensionInk);
  dimensionLine(p, QPointF(leftInner, 66), QPointF(rightInner, 66));
  label(p, QPointF(rightInner + 26, 66), QStringLiteral("7 mm"), 9, dimensionInk);
  dimensionLine(p, QPointF(rightInner, 82), QPointF(rightHole, 82));
  label(p, QPointF(rightHole + 26, 82), QStringLiteral("5 mm"), 9, dimensionInk);
  p.save();
  p.setPen(centreLinePen());
  p.drawLine(QPointF(rightHole, top), QPointF(rightHole, 78));
  p.restore();
}

void drawFeedBox(QPainter& p) {
  viewTitle(p, QPointF(12, 20), QStringLiteral("4 - Boîtier de connexion (vue de face)"));
  p.setPen(thinPen(ink, 1.2));
  p.setBrush(plastic);
  p.drawRoundedRect(QRectF(feedCentreX - 88, 96, 176, 84), 6, 6);
  feedTube(p, -1);
  feedTube(p, +1);
  feedWires(p);
  feedDimensions(p);

  textBlock(p, QRectF(232, 74, 90, 12), QStringLiteral("boîtier plastique"), 9);
  leader(p, QPointF(250, 86), QPointF(feedCentreX + 80, 100));
  textBlock(p, QRectF(30, 196, 60, 12), QStringLiteral("âme"), 10, Qt::AlignRight);
  leader(p, QPointF(92, 202), QPointF(feedCentreX - 1, 160));
  textBlock(p, QRectF(236, 196, 60, 12), QStringLiteral("tresse"), 10);
  leader(p, QPointF(234, 202), QPointF(feedCentreX + 5, 166));
  textBlock(p, QRectF(feedCentreX + 12, 214, 150, 24),
            QStringLiteral("coax 50 ohms venant du boom"), 9);
  textBlock(p, QRectF(252, 156, 70, 24), QStringLiteral("tube alu\nØ 12 mm"), 9, Qt::AlignRight);
  label(p, QPointF(30, 106), QStringLiteral("A"), 11);
  label(p, QPointF(296, 106), QStringLiteral("A"), 11);
}

void drawQuarter(QPainter& p, QPointF origin, void (*draw)(QPainter&)) {
  p.save();
  p.translate(origin);
  p.setClipRect(QRectF(0, 0, quarterWidth, quarterHeight));
  draw(p);
  p.restore();
}

void drawFrame(QPainter& p) {
  p.setPen(thinPen(ink, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2, 2, drawingSize.width() - 4, drawingSize.height() - 4));
  p.setPen(thinPen(ink, 1));
  p.drawLine(QPointF(quarterWidth, 2), QPointF(quarterWidth, drawingSize.height() - 2));
  p.drawLine(QPointF(2, quarterHeight), QPointF(drawingSize.width() - 2, quarterHeight));
}

}  // namespace

void paintConstructionDrawing(QPainter& painter) {
  painter.fillRect(QRect(QPoint(0, 0), drawingSize), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  drawQuarter(painter, QPointF(0, 0), drawTopView);
  drawQuarter(painter, QPointF(quarterWidth, 0), drawSideView);
  drawQuarter(painter, QPointF(0, quarterHeight), drawNotes);
  drawQuarter(painter, QPointF(quarterWidth, quarterHeight), drawFeedBox);
  drawFrame(painter);
}

QPixmap constructionDrawing() {
  QPixmap pixmap(drawingSize);
  QPainter painter(&pixmap);
  paintConstructionDrawing(painter);
  return pixmap;
}

}  // namespace yagi
