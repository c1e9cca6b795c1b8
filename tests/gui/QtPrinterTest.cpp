// The Qt printer: pages, tab stops, wrapping, margins and titles, printed to a PDF file or
// through a paint engine that records where each piece of text lands.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextItem>
#include <climits>
#include <set>

#include "gui/platform/Drawing.h"
#include "gui/platform/QtPrinter.h"

namespace {

struct DrawnText {
  int page;
  qreal x;
  qreal y;
  QString text;
};

// A paint engine that draws nothing and records every text item with its place.
class TextRecordingEngine : public QPaintEngine {
 public:
  bool begin(QPaintDevice*) override { return active = true; }
  bool end() override {
    active = false;
    return true;
  }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    texts.push_back({page, p.x(), p.y(), item.text()});
  }
  Type type() const override { return QPaintEngine::User; }

  bool active = false;
  int page = 1;
  std::vector<DrawnText> texts;
};

// The printer side of the recording engine: an A4 page at 600 dots per inch whose layout,
// margins and document name behave as a real printer's do.
class RecordingPrintEngine : public QPrintEngine {
 public:
  explicit RecordingPrintEngine(TextRecordingEngine& paint) : paint_(paint) {}

  void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
    if (key == PPK_DocumentName) docName_ = value.toString();
    if (key == PPK_QPageLayout) layout_ = value.value<QPageLayout>();
    if (key == PPK_QPageMargins) {
      const auto margins = value.value<QPair<QMarginsF, QPageLayout::Unit>>();
      layout_.setUnits(margins.second);
      layout_.setMargins(margins.first);
    }
  }
  QVariant property(PrintEnginePropertyKey key) const override {
    switch (key) {
      case PPK_DocumentName:
        return docName_;
      case PPK_QPageLayout:
        return QVariant::fromValue(layout_);
      case PPK_Resolution:
        return kDpi;
      default:
        return {};
    }
  }
  bool newPage() override {
    ++paint_.page;
    return true;
  }
  bool abort() override { return false; }
  int metric(QPaintDevice::PaintDeviceMetric id) const override {
    const QRect paint = layout_.paintRectPixels(kDpi);
    switch (id) {
      case QPaintDevice::PdmWidth:
        return paint.width();
      case QPaintDevice::PdmHeight:
        return paint.height();
      case QPaintDevice::PdmWidthMM:
        return int(layout_.paintRect(QPageLayout::Millimeter).width());
      case QPaintDevice::PdmHeightMM:
        return int(layout_.paintRect(QPageLayout::Millimeter).height());
      case QPaintDevice::PdmDpiX:
      case QPaintDevice::PdmDpiY:
      case QPaintDevice::PdmPhysicalDpiX:
      case QPaintDevice::PdmPhysicalDpiY:
        return kDpi;
      case QPaintDevice::PdmDepth:
        return 32;
      case QPaintDevice::PdmNumColors:
        return INT_MAX;
      case QPaintDevice::PdmDevicePixelRatio:
        return 1;
      case QPaintDevice::PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
      default:
        return 0;
    }
  }
  QPrinter::PrinterState printerState() const override {
    return paint_.active ? QPrinter::Active : QPrinter::Idle;
  }

  static constexpr int kDpi = 600;

 private:
  TextRecordingEngine& paint_;
  QString docName_;
  QPageLayout layout_{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                      QPageLayout::Millimeter};
};

class RecordingQPrinter : public QPrinter {
 public:
  RecordingQPrinter() { setEngines(&print, &paint); }
  TextRecordingEngine paint;
  RecordingPrintEngine print{paint};
};

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

// Prints the lines at 10 points through the recording engine; gives the text items drawn.
std::vector<DrawnText> PrintThroughEngine(RecordingQPrinter& device,
                                          const std::vector<std::string>& lines) {
  bs::gui::QtPrinter printer(device);
  printer.BeginText(10);
  for (const auto& line : lines) printer.WriteLine(line);
  printer.EndText();
  return device.paint.texts;
}

// The tab width the printer must use: eight average character widths of its 10-point font.
int TabWidth(RecordingQPrinter& device) {
  QFont font;
  font.setPointSize(10);
  return 8 * QFontMetrics(QFont(font, &device), &device).averageCharWidth();
}

qreal XOf(const std::vector<DrawnText>& texts, const QString& text, qreal y) {
  for (const auto& t : texts)
    if (t.text == text && t.y == y) return t.x;
  ADD_FAILURE() << "no \"" << text.toStdString() << "\" on the row at " << y;
  return -1;
}

qreal YOf(const std::vector<DrawnText>& texts, const QString& first) {
  for (const auto& t : texts)
    if (t.text == first) return t.y;
  ADD_FAILURE() << "no \"" << first.toStdString() << "\"";
  return -1;
}

TEST(QtPrinterTabs, StopsAreMeasuredInTheFontNotCountedInCharacters) {
  RecordingQPrinter device;
  // Nine narrow letters stay short of the first stop, five wide ones pass it; counting
  // characters would put the first "b" at the second stop and the last at the first.
  const auto texts = PrintThroughEngine(device, {"a\tb", "iiiiiiiii\tb", "WWWWW\tb"});
  const int tab = TabWidth(device);
  std::vector<qreal> xs;
  for (const auto& t : texts)
    if (t.text == "b") xs.push_back(t.x);
  ASSERT_EQ(xs.size(), 3u);
  EXPECT_EQ(xs[0], tab);
  EXPECT_EQ(xs[1], tab);
  EXPECT_EQ(xs[2], 2 * tab);
}

TEST(QtPrinterTabs, DirectorTableColumnsLineUp) {
  RecordingQPrinter device;
  const auto texts =
      PrintThroughEngine(device, {"Dir\tLength\tSpaced\tBoom position\tIT\tGain\tGain",
                                  "(no.)\t(mm)\t(mm)\t(mm)\t\t(mm)\t(dBd)\t(dBi)",
                                  "1\t926.9\t156.0\t602.1\t\t451.0\t4.8\t6.9",
                                  "8\t875.3\t686.6\t4492.6\t\t425.0\t11.7\t13.9"});
  const qreal heading = YOf(texts, "Dir"), units = YOf(texts, "(no.)");
  const qreal first = YOf(texts, "1"), last = YOf(texts, "8");
  const int tab = TabWidth(device);
  // Each column starts at the same stop in every row, the IT heading over its values.
  EXPECT_EQ(XOf(texts, "Length", heading), tab);
  EXPECT_EQ(XOf(texts, "926.9", first), tab);
  EXPECT_EQ(XOf(texts, "875.3", last), tab);
  EXPECT_EQ(XOf(texts, "602.1", first), XOf(texts, "4492.6", last));
  const qreal it = XOf(texts, "IT", heading);
  EXPECT_EQ(XOf(texts, "451.0", first), it);
  EXPECT_EQ(XOf(texts, "425.0", last), it);
  EXPECT_EQ(XOf(texts, "Gain", heading), XOf(texts, "4.8", first));
  EXPECT_EQ(XOf(texts, "(dBd)", units), XOf(texts, "11.7", last));
}

TEST(QtPrinterWrapping, ALongLineContinuesAtASpaceNeverInsideAWordOrNumber) {
  RecordingQPrinter device;
  const std::string radiator =
      "Folded dipole 1009.3 mm tip to tip, spaced 416.1 mm from reflector at boom posn 446.1 mm "
      "(IT = 492.0 mm)";
  const std::string comments =
      "Boom position is the mounting point for each element as measured from the rear of the "
      "boom and includes the 30 mm overhang.The total boom length is 4523 mm including two "
      "overhangs of 30 mm";
  const auto texts = PrintThroughEngine(device, {radiator + " " + radiator, comments});
  QStringList printed;
  std::set<qreal> rows;
  for (const auto& t : texts) {
    printed << t.text;
    rows.insert(t.y);
  }
  EXPECT_GT(rows.size(), 2u);  // both lines were too wide for one row
  const QString words = QString::fromStdString(radiator + " " + radiator + " " + comments);
  EXPECT_EQ(printed, words.split(' '));
  for (const auto& t : texts) EXPECT_LE(t.x + 1, device.width()) << t.text.toStdString();
}

TEST(QtPrinterWrapping, OnlyAWordWiderThanThePageIsCut) {
  RecordingQPrinter device;
  const QString word(2000, 'x');
  const auto texts = PrintThroughEngine(device, {"short " + word.toStdString()});
  ASSERT_GT(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "short");
  QString joined;
  for (std::size_t i = 1; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].x, 0);
    EXPECT_GT(texts[i].y, texts[i - 1].y);
    joined += texts[i].text;
  }
  EXPECT_EQ(joined, word);
}

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

TEST_F(QtPrinterTest, MarginsAreAtLeastTwelveMillimetres) {
  printer_.setPageMargins(QMarginsF(3, 20, 0, 12), QPageLayout::Millimeter);
  bs::gui::QtPrinter printer(printer_);
  printer.BeginText(10);
  printer.WriteLine("x");
  printer.EndText();
  const QMarginsF margins = printer_.pageLayout().margins(QPageLayout::Millimeter);
  EXPECT_DOUBLE_EQ(margins.left(), 12);
  EXPECT_DOUBLE_EQ(margins.top(), 20);  // a wider margin the user chose stays
  EXPECT_DOUBLE_EQ(margins.right(), 12);
  EXPECT_DOUBLE_EQ(margins.bottom(), 12);
}

TEST_F(QtPrinterTest, EachJobCarriesItsOwnTitle) {
  bs::gui::QtPrinter printer(printer_);
  printer.SetTitle("Balun for 144.1 MHz");
  printer.BeginDoc();
  EXPECT_EQ(printer_.docName(), "Balun for 144.1 MHz");
  printer.EndDoc();
  printer.BeginText(10);  // a job that names no title does not inherit the balun's
  EXPECT_EQ(printer_.docName(), "Beamsmith");
  printer.EndText();
  printer.SetTitle("Zuzo Results");
  printer.BeginText(10);
  EXPECT_EQ(printer_.docName(), "Zuzo Results");
  printer.EndText();
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
