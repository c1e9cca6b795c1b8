#include "gui/platform/QtPrinter.h"

#include <QFontMetrics>
#include <QPrinter>

#include "core/platform/Errors.h"
#include "gui/platform/Drawing.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace {

constexpr int kTabColumns = 8;

// The longest start of the line that fits the width (at least one character).
int FittingLength(const QFontMetrics& metrics, const QString& line, int width) {
  if (metrics.horizontalAdvance(line) <= width) return line.size();
  int low = 1, high = line.size();
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (metrics.horizontalAdvance(line.left(mid)) <= width) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return low;
}

}  // namespace

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {}

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) painter_.end();
}

void QtPrinter::Begin() {
  if (!painter_.begin(&printer_)) throw bs::Error("Printing failed: the printer cannot be opened");
  painter_.setFont(QFont(font_, &printer_));
  pages_ = 1;
  y_ = 0;
}

void QtPrinter::NewPage() {
  printer_.newPage();
  ++pages_;
  y_ = 0;
}

void QtPrinter::BeginText(int pointSize) {
  font_.setPointSize(pointSize);
  Begin();
}

QString QtPrinter::ExpandTabs(const QString& line) const {
  // Tab stops every eight average character widths, expressed in spaces of that width.
  QString out;
  for (const QChar c : line) {
    if (c == '\t') {
      out += QString(kTabColumns - out.size() % kTabColumns, ' ');
    } else {
      out += c;
    }
  }
  return out;
}

void QtPrinter::PrintWrapped(const QString& line) {
  const QFontMetrics metrics(painter_.font(), &printer_);
  const int width = printer_.width();
  const int height = printer_.height();
  QString rest = line;
  do {
    const int fit = FittingLength(metrics, rest, width);
    if (y_ + metrics.height() > height && y_ > 0) NewPage();
    painter_.drawText(0, y_ + metrics.ascent(), rest.left(fit));
    y_ += metrics.height();
    rest = rest.mid(fit);
  } while (!rest.isEmpty());
}

void QtPrinter::WriteLine(const std::string& line) {
  if (!painter_.isActive()) return;
  const QStringList pieces = ExpandTabs(ToQ(line)).split('\f');
  for (int i = 0; i < pieces.size(); ++i) {
    if (i > 0) NewPage();
    if (i == pieces.size() - 1 || !pieces[i].isEmpty()) PrintWrapped(pieces[i]);
  }
}

void QtPrinter::EndText() {
  if (painter_.isActive()) painter_.end();
}

void QtPrinter::SetTitle(const std::string& title) {
  printer_.setDocName(ToQ(title));
}

void QtPrinter::BeginDoc() {
  Begin();
}

int QtPrinter::PageWidth() {
  return printer_.width();
}

void QtPrinter::SetFontSize(int pointSize) {
  font_.setPointSize(pointSize);
  if (painter_.isActive()) painter_.setFont(QFont(font_, &printer_));
}

void QtPrinter::TextOut(int x, int y, const std::string& text) {
  if (!painter_.isActive()) return;
  const QFontMetrics metrics(painter_.font(), &printer_);
  painter_.drawText(x, y + metrics.ascent(), ToQ(text));
}

void QtPrinter::StretchDraw(const bs::Rect& r, const bs::Picture& picture) {
  if (!painter_.isActive()) return;
  if (const auto* drawing = dynamic_cast<const Drawing*>(&picture))
    drawing->Paint(painter_, QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void QtPrinter::EndDoc() {
  if (painter_.isActive()) painter_.end();
}

}  // namespace bs::gui
