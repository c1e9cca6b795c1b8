// The Qt printer: pages of the text stream and the canvas, printed to a PDF file.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "gui/platform/Drawing.h"
#include "gui/platform/QtPrinter.h"

namespace {

class QtPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(dir_.filePath("out.pdf"));
  }
  QTemporaryDir dir_;
  QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(QtPrinterTest, TextStreamStartsNewPagesWhenFullAndAtFormFeeds) {
  bs::gui::QtPrinter printer(printer_);
  printer.BeginText(10);
  for (int i = 0; i < 20; ++i) printer.WriteLine("line\twith a tab");
  EXPECT_EQ(printer.PagesPrinted(), 1);
  printer.WriteLine("\fafter a form feed");
  EXPECT_EQ(printer.PagesPrinted(), 2);
  for (int i = 0; i < 200; ++i) printer.WriteLine(std::string(500, 'x'));  // wrapped lines
  EXPECT_GT(printer.PagesPrinted(), 4);
  printer.EndText();
  EXPECT_GT(QFile(dir_.filePath("out.pdf")).size(), 0);
}

TEST_F(QtPrinterTest, CanvasDrawsTextAndPictures) {
  bs::gui::QtPrinter printer(printer_);
  bool drawn = false;
  const bs::gui::Drawing picture("box", QSizeF(100, 50), [&](QPainter& p, const QRectF& r) {
    drawn = true;
    p.drawRect(r);
  });
  printer.SetTitle("Balun for 144.1 MHz");
  printer.SetFontSize(12);
  printer.BeginDoc();
  const int q = printer.PageWidth() / 4;
  EXPECT_GT(q, 0);
  printer.TextOut(q, q, "title");
  printer.StretchDraw({q, q, 3 * q, 2 * q}, picture);
  printer.EndDoc();
  EXPECT_TRUE(drawn);
  EXPECT_EQ(printer_.docName(), "Balun for 144.1 MHz");
}

}  // namespace
