#pragma once
// Pictures drawn with QPainter: one paint function serves the screen and the printer.
#include <QWidget>
#include <functional>

#include "core/platform/Printer.h"

namespace bs::gui {

class Drawing : public bs::Picture {
 public:
  using PaintFn = std::function<void(QPainter&, const QRectF&)>;
  // size: the natural size of the drawing, which keeps its proportions when scaled.
  Drawing(std::string name, QSizeF size, PaintFn paint);
  std::string Name() const override { return name_; }
  QSizeF NaturalSize() const { return size_; }
  // Draws stretched into the rectangle.
  void Paint(QPainter& painter, const QRectF& target) const;
  // Draws centred and proportional inside the rectangle.
  void PaintProportional(QPainter& painter, const QRectF& area) const;
  QImage Render(QSize size) const;

 private:
  std::string name_;
  QSizeF size_;
  PaintFn paint_;
};

// A picture control ("Image1") that shows a drawing centred and proportional.
class DrawingWidget : public QWidget {
 public:
  DrawingWidget(const Drawing* drawing, QWidget* parent);
  const Drawing* drawing() const { return drawing_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Drawing* drawing_;
};

}  // namespace bs::gui
