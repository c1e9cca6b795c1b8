#include "layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace yagi {

void useWindowFont(QWidget* window) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  window->setFont(font);
}

namespace {
bool allFit(const QList<QLabel*>& labels, const QFont& font) {
  const QFontMetrics metrics(font);
  for (const QLabel* label : labels) {
    if (metrics.horizontalAdvance(label->text()) > label->width()) return false;
  }
  return true;
}
}  // namespace

void fitCaptions(const QList<QLabel*>& labels) {
  if (labels.isEmpty()) return;
  QFont font = labels.first()->font();
  for (const int stretch :
       {int(QFont::Unstretched), int(QFont::SemiCondensed), int(QFont::Condensed)}) {
    font.setStretch(stretch);
    if (allFit(labels, font)) break;
  }
  for (QLabel* label : labels) label->setFont(font);
}

void centreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace yagi
