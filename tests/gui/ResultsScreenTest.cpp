// The results screen and the balun dialog: the report of a calculation, printing, the balun.
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <fstream>
#include <sstream>

#include "DesignScreenSupport.h"
#include "core/design/Design.h"
#include "gui/design/BalunF.h"
#include "support/RecordingPrinter.h"
#include "support/TextFiles.h"

namespace design_screens {
namespace {

using bs::gui::TfmBalunBox;
using bs::gui::TYagibaseform2;
using bs::gui::TYagibaseform7;

QString Golden(const char* name) {
  return QString::fromStdString(testing_support::TestData(name)).replace("\r\n", "\n");
}

class ResultsScreenTest : public DesignScreenTest {
 protected:
  // The default entries stored as Calculate stores them, with a coax row chosen (or none).
  static void StoreDefaultDesign(int coaxRow = -1) {
    auto& state = State();
    if (coaxRow >= 0) bs::design::NoteCoax(state, coaxRow);
    bs::design::StoreDesignInputs(bs::design::EntriesFromState(state), state);
  }
};

TEST_F(ResultsScreenTest, ShowsTheWholeReportOfTheDefaultDesign) {
  // the default design with a feed gap of 10 is the worked example with a square boom
  auto entry = Open<TYagibaseform7>();
  Type(entry->Edit8, "10");
  const auto shown = ClickCalculate(*entry);
  ASSERT_TRUE(shown);
  EXPECT_EQ(*shown, Golden("design_report_b_point.txt"));
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(entry->Edit8->text(), "10") << "Back returns to the entries unchanged";
}

TEST_F(ResultsScreenTest, AFaultShowsTheReportUpToItAndItsMessage) {
  auto entry = Open<TYagibaseform7>();
  Type(entry->Edit7, "0");  // bend diameter
  const auto shown = ClickCalculate(*entry);
  ASSERT_TRUE(shown) << "the results screen opens and stays usable";
  EXPECT_TRUE(shown->startsWith("Quorrel's BEAMSMITH\n"));
  EXPECT_TRUE(shown->endsWith("FOLDED DIPOLE CONSTRUCTION\n"));
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Floating point division by zero"});
}

TEST_F(ResultsScreenTest, MenuAndButtons) {
  StoreDefaultDesign();
  auto results = Open<TYagibaseform2>();
  EXPECT_FALSE(results->File1->menuAction()->isVisible());
  EXPECT_FALSE(results->Task->menuAction()->isVisible());
  EXPECT_FALSE(results->Design_yagi->isVisible());
  EXPECT_FALSE(results->Design_yagi->isEnabled());
  EXPECT_TRUE(results->Help1->menuAction()->isVisible());
  EXPECT_TRUE(results->Button2->isEnabled()) << "Create YO";
  EXPECT_TRUE(results->Button5->isEnabled()) << "Create .maa";
  EXPECT_EQ(results->Label2->text(), bs::gui::VersionText());
}

TEST_F(ResultsScreenTest, PrintsTheLinesTheBoxHoldsAndTheSketch) {
  StoreDefaultDesign();
  auto results = Open<TYagibaseform2>();
  results->Memo1->appendPlainText("edited by the user");
  const QString boxText = results->Memo1->toPlainText();
  testing_support::RecordingPrinter printer;
  QTest::mouseClick(results->Button1, Qt::LeftButton);

  EXPECT_EQ(dialogs.events, std::vector<std::string>{"print dialog"});
  ASSERT_GE(printer.calls.size(), 2u);
  EXPECT_EQ(printer.calls[0], "title Zuzo Results");
  EXPECT_EQ(printer.calls[1], "text 10");
  EXPECT_EQ(printer.calls.back(), "end text");
  const auto& lines = printer.lines;
  const auto& sketch = bs::design::DipoleSketchLines();
  ASSERT_GT(lines.size(), 3 + 2 + sketch.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
            std::vector<std::string>(3, ""));
  EXPECT_EQ(std::vector<std::string>(lines.end() - 7, lines.end() - 5),
            std::vector<std::string>(2, ""));
  EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()), sketch);
  const std::vector<std::string> report(lines.begin() + 3, lines.end() - 7);
  EXPECT_EQ(report[0], "Quorrel's BEAMSMITH");
  EXPECT_EQ(report[2], "Zuzo design frequency =144.10 MHz");
  EXPECT_EQ(report.back(), "edited by the user");
  // wrapped paragraphs print as the box shows them: more lines, not one character lost
  const int paragraphs = int(boxText.count('\n')) + 1;
  EXPECT_GT(int(report.size()), paragraphs);
  std::string joined;
  for (const auto& line : report) joined += line;
  EXPECT_EQ(joined, bs::gui::FromQ(QString(boxText).remove('\n')));
}

// The x of every cell start and end of a report line in the box, in order.
std::vector<qreal> CellEdges(const QPlainTextEdit* box, const QString& startsWith) {
  for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
    if (!block.text().startsWith(startsWith)) continue;
    qobject_cast<QPlainTextDocumentLayout*>(box->document()->documentLayout())
        ->ensureBlockLayout(block);
    const QTextLine line = block.layout()->lineAt(0);
    std::vector<qreal> edges;
    const QStringList cells = block.text().split('\t');
    int at = 0;
    for (const QString& cell : cells) {
      if (!cell.isEmpty()) {
        edges.push_back(line.cursorToX(at));
        edges.push_back(line.cursorToX(at + int(cell.size())));
      }
      at += int(cell.size()) + 1;
    }
    return edges;
  }
  ADD_FAILURE() << "no line starting " << startsWith.toStdString();
  return {};
}

TEST_F(ResultsScreenTest, ReportColumnsStaySeparateAtAnyWindowSize) {
  State().DesignDirectorsText = "12";
  StoreDefaultDesign();
  auto results = Open<TYagibaseform2>();
  for (const QSize size : {QSize(1245, 960), QSize(1900, 1400), QSize(900, 700)}) {
    results->resize(size);
    QCoreApplication::processEvents();
    const QFontMetricsF metrics(results->Memo1->font());
    EXPECT_NEAR(results->Memo1->tabStopDistance(), 8 * metrics.averageCharWidth(), 0.01);
    // Every cell of the widest director row ends before the next one starts.
    const auto edges = CellEdges(results->Memo1, "12\t");
    ASSERT_EQ(edges.size(), 14u);
    for (std::size_t i = 1; i + 1 < edges.size(); i += 2)
      EXPECT_LT(edges[i], edges[i + 1]) << size.width() << " by " << size.height();
  }
}

TEST_F(ResultsScreenTest, CancelledPrintDialogPrintsNothing) {
  StoreDefaultDesign();
  auto results = Open<TYagibaseform2>();
  testing_support::RecordingPrinter printer;
  dialogs.printAnswers = {false};
  QTest::mouseClick(results->Button1, Qt::LeftButton);
  EXPECT_TRUE(printer.calls.empty());
}

TEST_F(ResultsScreenTest, BalunNeedsAUsableVelocityFactor) {
  for (const double factor : {0.0, 1.5}) {
    StoreDefaultDesign();
    State().VelocityFactor = factor;
    auto results = Open<TYagibaseform2>();
    bool opened = false;
    testing_support::OnNextModal([&opened](QDialog* dialog) {
      opened = dialog != nullptr;
      if (dialog) dialog->reject();
    });
    dialogs.events.clear();
    QTest::mouseClick(results->Button3, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened) << factor;
    EXPECT_EQ(dialogs.Messages(),
              std::vector<std::string>{"No coax selected or velocity factor out of range"});
  }
}

TEST_F(ResultsScreenTest, BalunSheetShowsAndPrintsTheLoop) {
  StoreDefaultDesign(12);  // RG-58 at 144.1 MHz
  auto results = Open<TYagibaseform2>();
  testing_support::RecordingPrinter printer;
  results->move(0, 0);  // the sheet opens in the middle of the screen, not over its owner
  QString loop, coax;
  QPoint centre, screenCentre;
  testing_support::OnNextModal([&](QDialog* dialog) {
    auto* balun = qobject_cast<TfmBalunBox*>(dialog);
    ASSERT_TRUE(balun);
    centre = balun->frameGeometry().center();
    screenCentre = balun->screen()->availableGeometry().center();
    loop = balun->Label1->text();
    coax = balun->Label3->text();
    QTest::mouseClick(balun->Button2, Qt::LeftButton);  // Print
    QTest::mouseClick(balun->Button1, Qt::LeftButton);  // Back
  });
  QTest::mouseClick(results->Button3, Qt::LeftButton);
  EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
  EXPECT_EQ(loop, "687 mm");
  EXPECT_EQ(coax, "RG-58 (PE) ");
  EXPECT_EQ(printer.calls,
            (std::vector<std::string>{
                "title Balun for 144.1 MHz using 687 mm loop of RG-58 (PE) ", "font 12", "begin",
                "text at 1200,960 Balun for 144.1 MHz using 687 mm loop of RG-58 (PE) ",
                "picture balun 1200,1200,3600,2400", "font 8", "text at 2400,1560 687mm", "end"}));
}

TEST_F(ResultsScreenTest, UserCoaxIsNamedUserDefinedOnTheSheet) {
  StoreDefaultDesign();
  State().VelocityFactor = 0.8;
  State().CoaxName = "coax";
  TfmBalunBox balun(nullptr);
  balun.show();
  EXPECT_EQ(balun.Label3->text(), "User defined coax");
  EXPECT_EQ(State().CoaxName, "User defined coax");
}

}  // namespace
}  // namespace design_screens
