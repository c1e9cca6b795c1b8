// Printing the report and the balun sheet through a recording printer.
#include "DesignTestSupport.h"
#include "support/RecordingPrinter.h"

namespace design_test {
namespace {

class PrintingTest : public DesignTest {
 protected:
  testing_support::RecordingPrinter printer;
};

class NamedPicture : public bs::Picture {
 public:
  std::string Name() const override { return "balun"; }
};

TEST(ReportLinesTest, SplitsLikeATextBox) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(bs::design::ReportLines("a\r\nb\r\n\r\n"), (Lines{"a", "b", ""}));
  EXPECT_EQ(bs::design::ReportLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(bs::design::ReportLines("a\nb\rc\r\n"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(bs::design::ReportLines(""), Lines{});
}

TEST_F(PrintingTest, ReportPrintsBetweenEmptyLinesAndAboveTheSketch) {
  const std::vector<std::string> lines = {"Quorrel's BEAMSMITH", "", "edited\tline"};
  ASSERT_TRUE(bs::design::PrintReportLines(lines));
  const std::vector<std::string> sketch = {
      "\t   B               C              D",      "\t  /--------------|-------------\\",
      "\tA                                      E", "\t  \\-------------| |-------------/",
      "\t   I               H G            F",
  };
  const std::size_t widths[] = {36, 33, 41, 34, 36};
  for (int i = 0; i < 5; ++i) ASSERT_EQ(sketch[i].size(), widths[i]) << i;
  std::vector<std::string> expected = {"title Zuzo Results", "text 10", "line ", "line ", "line "};
  for (const auto& l : lines) expected.push_back("line " + l);
  expected.insert(expected.end(), {"line ", "line "});
  for (const auto& l : sketch) expected.push_back("line " + l);
  expected.push_back("end text");
  EXPECT_EQ(printer.calls, expected);
  EXPECT_EQ(dialogs.events, std::vector<std::string>{"print dialog"});
}

TEST_F(PrintingTest, CancelledDialogsPrintNothing) {
  dialogs.printAnswers = {false, false};
  EXPECT_FALSE(bs::design::PrintReportLines({"x"}));
  EXPECT_FALSE(bs::design::PrintBalunPicture(NamedPicture(), "title", state));
  EXPECT_TRUE(printer.calls.empty());
}

TEST_F(PrintingTest, BalunSheetPlacesTitleDrawingAndLoopLength) {
  bs::design::NoteCoax(state, 12);
  Calculate();
  const std::string title = bs::design::BalunPrintTitle(state);
  EXPECT_EQ(title, "Balun for 144.1 MHz using 687 mm loop of RG-58 (PE) ");
  printer.pageWidth = 4810;  // q = 1202
  ASSERT_TRUE(bs::design::PrintBalunPicture(NamedPicture(), title, state));
  const std::vector<std::string> expected = {
      "title " + title,
      "font 12",
      "begin",
      "text at 1202,962 " + title,
      "picture balun 1202,1202,3606,2404",
      "font 8",
      "text at 2404,1563 687mm",
      "end",
  };
  EXPECT_EQ(printer.calls, expected);
}

TEST_F(PrintingTest, BalunTextsFollowTheSeparator) {
  bs::SetDecimalSeparator(',');
  state.DesignFreq = 432.25;
  state.BalunLoopLength = 228.85;
  state.CoaxName = "coax";
  const auto labels = bs::design::FixLabels(state);
  EXPECT_EQ(labels.loopLength, "229 mm");
  EXPECT_EQ(state.CoaxName, "User defined coax");
  EXPECT_EQ(bs::design::BalunPrintTitle(state),
            "Balun for 432,25 MHz using 229 mm loop of User defined coax");
  state.CoaxName = "coax cable";
  EXPECT_EQ(bs::design::FixLabels(state).coax, "coax cable");
}

TEST_F(DesignTest, BalunNeedsAFactorUpToOne) {
  const struct {
    double factor;
    bool usable;
  } cases[] = {{0, false}, {0.66, true}, {1, true}, {1.5, false}, {-0.2, false}};
  for (const auto& c : cases) {
    state.VelocityFactor = c.factor;
    EXPECT_EQ(bs::design::BalunUsable(state), c.usable) << c.factor;
  }
}

}  // namespace
}  // namespace design_test
