#pragma once
// Window geometry of yagi is laid down in twips (1/1440 inch); at 96 dots per
// inch fifteen twips make one pixel.

#include <QList>
#include <QRect>

class QLabel;
class QWidget;

namespace yagi {

constexpr int pixels(int twips) {
  return (twips + 7) / 15;
}

constexpr QRect twipRect(int x, int y, int width, int height) {
  return QRect(pixels(x), pixels(y), pixels(width), pixels(height));
}

// The font of the windows: a small sans-serif face, as on the original forms.
void useWindowFont(QWidget* window);

// Narrows the font of a column of labels (a condensed face where there is
// one) until every caption fits its label; the column keeps one look.
void fitCaptions(const QList<QLabel*>& labels);

// Moves a top-level window to the middle of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace yagi
