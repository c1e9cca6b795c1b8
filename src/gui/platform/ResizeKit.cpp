#include "gui/platform/ResizeKit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLayout>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace bs::gui {

double FontPixels(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
}

namespace {

double AverageCharWidth(const QFont& font) {
  return QFontMetricsF(font).averageCharWidth();
}

// The tab stop of a text box in average character widths of its font; 0 for a control that
// has none. Tab stops are set in pixels and so do not follow a scaled font by themselves.
double TabChars(const QWidget* widget) {
  double distance = 0;
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
    distance = plain->tabStopDistance();
  if (const auto* rich = qobject_cast<const QTextEdit*>(widget)) distance = rich->tabStopDistance();
  const double average = AverageCharWidth(widget->font());
  return average > 0 ? distance / average : 0;
}

void SetTabChars(QWidget* widget, double chars) {
  const double distance = chars * AverageCharWidth(widget->font());
  if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) plain->setTabStopDistance(distance);
  if (auto* rich = qobject_cast<QTextEdit*>(widget)) rich->setTabStopDistance(distance);
}

}  // namespace

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
    placed_.push_back({widget, widget->geometry(), FontPixels(widget->font()), TabChars(widget)});
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
    if (p.tabChars > 0) SetTabChars(p.widget, p.tabChars);
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
