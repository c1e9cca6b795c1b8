#include "gui/platform/Drawing.h"

#include <QPainter>

namespace bs::gui {

Drawing::Drawing(std::string name, QSizeF size, PaintFn paint)
    : name_(std::move(name)), size_(size), paint_(std::move(paint)) {}

void Drawing::Paint(QPainter& painter, const QRectF& target) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(target.topLeft());
  painter.scale(target.width() / size_.width(), target.height() / size_.height());
  paint_(painter, QRectF(QPointF(0, 0), size_));
  painter.restore();
}

void Drawing::PaintProportional(QPainter& painter, const QRectF& area) const {
  QSizeF fitted = size_.scaled(area.size(), Qt::KeepAspectRatio);
  QRectF target(QPointF(0, 0), fitted);
  target.moveCenter(area.center());
  Paint(painter, target);
}

QImage Drawing::Render(QSize size) const {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

DrawingWidget::DrawingWidget(const Drawing* drawing, QWidget* parent)
    : QWidget(parent), drawing_(drawing) {}

void DrawingWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (drawing_) drawing_->PaintProportional(painter, rect());
}

}  // namespace bs::gui
