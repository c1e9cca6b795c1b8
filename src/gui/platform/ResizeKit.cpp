#include "gui/platform/ResizeKit.h"

#include <QEvent>
#include <QLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace bs::gui {

double FontPixels(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
}

ResizeKit::ResizeKit(QWidget* client, QSize designSize)
    : QObject(client), client_(client), designSize_(designSize) {
  client_->installEventFilter(this);
  setObjectName("ResizeKit1");
}

void ResizeKit::CaptureChildren(QWidget* parent) {
  for (QObject* child : parent->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (!widget || widget->isWindow() || widget->objectName().isEmpty() ||
        widget->objectName().startsWith("qt_"))
      continue;
    if (parent->layout() && parent->layout()->indexOf(widget) >= 0) continue;
    placed_.push_back({widget, widget->geometry(), FontPixels(widget->font())});
    CaptureChildren(widget);
  }
}

void ResizeKit::Capture() {
  placed_.clear();
  clientFontPixels_ = FontPixels(client_->font());
  CaptureChildren(client_);
  Rescale();
}

void ResizeKit::Rescale() {
  if (designSize_.isEmpty() || client_->size().isEmpty()) return;
  const double rx = double(client_->width()) / designSize_.width();
  const double ry = double(client_->height()) / designSize_.height();
  fontRatio_ = std::min(rx, ry);
  const auto scaledFont = [this](QFont font, double pixels) {
    font.setPixelSize(std::max(1, int(std::lround(pixels * fontRatio_))));
    return font;
  };
  client_->setFont(scaledFont(client_->font(), clientFontPixels_));
  for (const Placed& p : placed_) {
    if (!p.widget) continue;
    const QRect& g = p.geometry;
    const int left = int(std::lround(g.left() * rx));
    const int top = int(std::lround(g.top() * ry));
    const int right = int(std::lround((g.left() + g.width()) * rx));
    const int bottom = int(std::lround((g.top() + g.height()) * ry));
    p.widget->setGeometry(left, top, right - left, bottom - top);
    p.widget->setFont(scaledFont(p.widget->font(), p.fontPixels));
  }
}

bool ResizeKit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    Rescale();
    const QWidget* window = client_->window();
    if (!(window->windowState() & Qt::WindowMinimized)) emit ExitResize();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace bs::gui
