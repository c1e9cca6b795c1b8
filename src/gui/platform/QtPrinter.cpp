#include "gui/platform/QtPrinter.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

#include "core/platform/Errors.h"
#include "gui/platform/Drawing.h"
#include "gui/platform/Text.h"

namespace bs::gui {

namespace {

constexpr int kTabColumns = 8;
constexpr qreal kLeastMarginMm = 12;
const char* const kUntitledJob = "Beamsmith";

// One piece of text at its place on a printed row.
struct Piece {
  int x;
  QString text;
};
using Row = QList<Piece>;

// The longest start of the text that fits the width (at least one character).
int FittingLength(const QFontMetrics& metrics, const QString& text, int width) {
  if (metrics.horizontalAdvance(text) <= width) return int(text.size());
  int low = 1, high = int(text.size());
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (metrics.horizontalAdvance(text.left(mid)) <= width) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return low;
}

// Lays one line out in rows of the page width. A tab advances to the next multiple of the tab
// width, measured from the row's start; a word that does not fit on a row that already holds
// text goes to the next row, so a row ends at a space or tab, never inside a word or number.
// Only a word wider than the whole page is cut.
QList<Row> LayOut(const QString& line, const QFontMetrics& metrics, int tabWidth, int pageWidth) {
  QList<Row> rows(1);
  int x = 0;
  qsizetype i = 0;
  while (i < line.size()) {
    const QChar c = line[i];
    if (c == '\t') {
      x = (x / tabWidth + 1) * tabWidth;
      ++i;
      continue;
    }
    if (c == ' ') {
      x += metrics.horizontalAdvance(c);
      ++i;
      continue;
    }
    qsizetype end = i;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
    QString word = line.mid(i, end - i);
    i = end;
    if (x + metrics.horizontalAdvance(word) > pageWidth && !rows.last().isEmpty()) {
      rows.append(Row());
      x = 0;
    }
    while (x + metrics.horizontalAdvance(word) > pageWidth && word.size() > 1) {
      const int fit = FittingLength(metrics, word, std::max(1, pageWidth - x));
      rows.last().append({x, word.left(fit)});
      rows.append(Row());
      x = 0;
      word = word.mid(fit);
    }
    rows.last().append({x, word});
    x += metrics.horizontalAdvance(word);
  }
  return rows;
}

// Raises each page margin to at least 12 mm, so nothing prints at the paper's edge.
void KeepMargins(QPrinter& printer) {
  const QMarginsF now = printer.pageLayout().margins(QPageLayout::Millimeter);
  const QMarginsF least(std::max(now.left(), kLeastMarginMm), std::max(now.top(), kLeastMarginMm),
                        std::max(now.right(), kLeastMarginMm),
                        std::max(now.bottom(), kLeastMarginMm));
  if (least != now) printer.setPageMargins(least, QPageLayout::Millimeter);
}

}  // namespace

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {}

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) painter_.end();
}

void QtPrinter::Begin() {
  KeepMargins(printer_);
  // A job is titled by the SetTitle before it, or by the program's name, never by an earlier job.
  printer_.setDocName(title_.isEmpty() ? QString(kUntitledJob) : title_);
  title_.clear();
  if (!painter_.begin(&printer_)) throw bs::Error("Printing failed: the printer cannot be opened");
  painter_.setFont(QFont(font_, &printer_));
  pages_ = 1;
  y_ = 0;
}

void QtPrinter::End() {
  if (painter_.isActive()) painter_.end();
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

void QtPrinter::PrintWrapped(const QString& line) {
  const QFontMetrics metrics(painter_.font(), &printer_);
  const int tabWidth = std::max(1, kTabColumns * metrics.averageCharWidth());
  for (const Row& row : LayOut(line, metrics, tabWidth, printer_.width())) {
    if (y_ + metrics.height() > printer_.height() && y_ > 0) NewPage();
    for (const Piece& piece : row) painter_.drawText(piece.x, y_ + metrics.ascent(), piece.text);
    y_ += metrics.height();
  }
}

void QtPrinter::WriteLine(const std::string& line) {
  if (!painter_.isActive()) return;
  const QStringList pieces = ToQ(line).split('\f');
  for (int i = 0; i < pieces.size(); ++i) {
    if (i > 0) NewPage();
    if (i == pieces.size() - 1 || !pieces[i].isEmpty()) PrintWrapped(pieces[i]);
  }
}

void QtPrinter::EndText() {
  End();
}

void QtPrinter::SetTitle(const std::string& title) {
  title_ = ToQ(title);
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
  End();
}

}  // namespace bs::gui
