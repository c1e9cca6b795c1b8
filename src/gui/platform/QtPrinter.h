#pragma once
// The platform's printer on QPrinter: the printer chosen in the print dialog (print to file
// gives a PDF), as a text stream and as a canvas. Any QPaintDevice-backed QPrinter works, so
// tests can print to a PDF file. Every job gets margins of at least 12 mm and its own title.
#include <QFont>
#include <QPainter>
#include <memory>

#include "core/platform/Printer.h"

class QPrinter;

namespace bs::gui {

class QtPrinter : public bs::Printer {
 public:
  explicit QtPrinter(QPrinter& printer);
  ~QtPrinter() override;

  void BeginText(int pointSize) override;
  void WriteLine(const std::string& line) override;
  void EndText() override;

  void SetTitle(const std::string& title) override;
  void BeginDoc() override;
  int PageWidth() override;
  void SetFontSize(int pointSize) override;
  void TextOut(int x, int y, const std::string& text) override;
  void StretchDraw(const bs::Rect& rect, const bs::Picture& picture) override;
  void EndDoc() override;

  int PagesPrinted() const { return pages_; }

 private:
  void Begin();
  void End();
  void NewPage();
  void PrintWrapped(const QString& line);

  QPrinter& printer_;
  QPainter painter_;
  QFont font_;
  QString title_;  // of the next job
  int y_ = 0;
  int pages_ = 0;
};

}  // namespace bs::gui
