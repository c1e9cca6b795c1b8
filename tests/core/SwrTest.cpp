// SWR: the worked rows, the refused readings, the coax data file and loss lookup, and the
// printout's page breaks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/calculators/Calculators.h"
#include "core/platform/Numbers.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

namespace {

namespace calc = bs::calculators;
using calc::Measure;

class SwrTest : public ::testing::Test {
 protected:
  void SetUp() override { bs::SetDecimalSeparator('.'); }
  void TearDown() override { bs::SetDecimalSeparator('.'); }
};

TEST_F(SwrTest, HeadingIsTitleEmptyLineAndTwoColumnLines) {
  EXPECT_EQ(calc::SetUpMemo(),
            "CALCULATING SWR FOR VARIOUS INPUTS\r\n\r\nSWR\tSWR\tCoax\tRev\tFwd\tUnits\r\n"
            "bridge\tantenna\tloss db\r\n");
}

TEST_F(SwrTest, WorkedRows) {
  struct Case {
    Measure measure;
    const char *reverse, *forward;
    double loss;
    const char* row;
  } cases[] = {
      {Measure::Power, "1", "100", 0, "1.22\t1.22\t0.00\t   1.00\t 100.00\twatts\r\n"},
      {Measure::Power, "1", "100", 1.5, "1.22\t1.33\t1.50\t   1.00\t 100.00\twatts\r\n"},
      {Measure::Volts, "2", "10", 0, "1.50\t1.50\t0.00\t   2.00\t  10.00\tvolts\r\n"},
      {Measure::Milliamps, "2", "10", 0, "1.50\t1.50\t0.00\t   2.00\t  10.00\tmA\r\n"},
      {Measure::Ohms, "50", "75", 0, "1.50\t1.50\t0.00\t  50.00\t  75.00\tohms\r\n"},
      {Measure::Ohms, "75", "50", 0, "1.50\t1.50\t0.00\t  75.00\t  50.00\tohms\r\n"},
      // no figure for the band: N/A in the antenna and loss columns
      {Measure::Power, "1", "100", calc::kNoLossData,
       "1.22\tN/A\tN/A\t   1.00\t 100.00\twatts\r\n"},
      // a loss that pushes the reflection to 1 or more
      {Measure::Volts, "5", "10", 10, "3.00\t999.00\t10.00\t   5.00\t  10.00\tvolts\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(calc::FindSWR(c.measure, c.reverse, c.forward, c.loss).text, c.row);
  }
  EXPECT_TRUE(calc::FindSWR(Measure::Power, "1", "100", calc::kNoLossData).lossUnknown);
}

TEST_F(SwrTest, PowerAtAntennaSentence) {
  EXPECT_EQ(calc::PowerSentence("100", 1.5),
            "100 watts at bottom of coax delivers 70.79 watts to antenna");
  EXPECT_EQ(calc::PowerAtAntenna("100", calc::kNoLossData), "0.00");
}

TEST_F(SwrTest, EqualAndZeroReverseReadingsAreReplaced) {
  const auto equal = calc::FindSWR(Measure::Power, "100", "100", 0);
  EXPECT_EQ(equal.reverse, 100 - 0.000001);
  EXPECT_GT(equal.bridgeSwr, 1e8);
  const auto zero = calc::FindSWR(Measure::Volts, "0", "10", 0);
  EXPECT_EQ(zero.reverse, 0.000001);
  EXPECT_EQ(zero.text.substr(zero.text.find("\t   0.00")), "\t   0.00\t  10.00\tvolts\r\n");
}

TEST_F(SwrTest, ForwardNotPositiveAndReverseLargerAreRefused) {
  struct Case {
    Measure measure;
    const char *reverse, *forward, *message;
  } cases[] = {
      {Measure::Power, "0", "0", calc::kForwardNotPositive},
      {Measure::Volts, "-1", "-0.5", calc::kForwardNotPositive},
      {Measure::Power, "10", "1", calc::kReverseLarger},
      {Measure::Milliamps, "3", "2.5", calc::kReverseLarger},
  };
  for (const auto& c : cases) {
    try {
      calc::FindSWR(c.measure, c.reverse, c.forward, 0);
      ADD_FAILURE() << c.reverse << " " << c.forward;
    } catch (const calc::Refusal& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  // Impedances have no forward or reverse: either order is an SWR.
  EXPECT_NO_THROW(calc::FindSWR(Measure::Ohms, "75", "50", 0));
  EXPECT_THROW(calc::FindSWR(Measure::Power, "1", "1O0", 0), bs::ConvertError);
}

TEST_F(SwrTest, LossLineParts) {
  EXPECT_EQ(calc::CoaxLineName("RG-213 (PE) 50 ohm     50MHZ=1.5 144MHZ=2.7"),
            "RG-213 (PE) 50 ohm");
  EXPECT_EQ(calc::LossEntries("A     50MHZ=1.5"), "    50MHZ=1.5 ");
  EXPECT_EQ(calc::LossEntries("no run of spaces"), "no run of spaces ");
  EXPECT_EQ(calc::BandKey("144 MHz"), "144MHZ");
  EXPECT_EQ(calc::LossFigureText("  50MHZ=1.5 144MHZ=2.7 ", "144MHZ"), "2.7 ");
  EXPECT_EQ(calc::LossFigureText("  50MHZ=1.5 ", "432MHZ"), std::nullopt);
}

TEST_F(SwrTest, GetLossRoundsToHundredthsWithEitherSeparator) {
  for (const char separator : {'.', ','}) {
    bs::SetDecimalSeparator(separator);
    for (const char* line : {"RG-X     144MHZ=2.5", "RG-X     144MHZ=2,5 432MHZ=5.0"}) {
      double loss = 0;
      const std::string length = separator == ',' ? "20,0" : "20.0";
      EXPECT_EQ(calc::GetLoss(line, "144 MHz", length, loss), calc::LossOutcome::Done);
      EXPECT_EQ(loss, 1.64);  // 20 x 2.5 / 30.48 = 1.6404
      EXPECT_EQ(calc::CoaxLossLabel(loss),
                separator == ',' ? "Coax loss= 1,64 dB" : "Coax loss= 1.64 dB");
    }
  }
}

TEST_F(SwrTest, GetLossWithoutBandOrFigureOrLength) {
  double loss = 3;
  EXPECT_EQ(calc::GetLoss("RG-X     144MHZ=2.5", "", "20", loss), calc::LossOutcome::NoBand);
  EXPECT_EQ(loss, 3);
  EXPECT_EQ(calc::GetLoss("RG-X     144MHZ=2.5", "1296 MHz", "20", loss),
            calc::LossOutcome::NoData);
  EXPECT_EQ(loss, calc::kNoLossData);
  // A bad length leaves the figure per 100 feet in the loss.
  EXPECT_THROW(calc::GetLoss("RG-X     144MHZ=2.5", "144 MHz", "20m", loss), bs::ConvertError);
  EXPECT_EQ(loss, 2.5);
  EXPECT_THROW(calc::GetLoss("RG-X     144MHZ=abc", "144 MHz", "20", loss), bs::ConvertError);
}

class CoaxFileTest : public SwrTest {
 protected:
  void SetUp() override {
    SwrTest::SetUp();
    path = (std::filesystem::temp_directory_path() /
            ("coax-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".dta"))
               .string();
  }
  void TearDown() override {
    std::filesystem::remove(path);
    SwrTest::TearDown();
  }
  void Write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  std::string path;
};

TEST_F(CoaxFileTest, CommentsAndEmptyLinesAreSkipped) {
  Write(
      "# nominal figures\r\n\r\nRG-58 (PE) 53.5 ohm     50MHZ=3.3 144MHZ=6.0\r\n"
      "# 9913 has no 1296 MHz figure\r\nA name     with a gap     144MHZ=1,6\r\n\r\n"
      "LAST     432MHZ=9.9");
  const auto lines = calc::ReadCoaxFile(path);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "RG-58 (PE) 53.5 ohm     50MHZ=3.3 144MHZ=6.0");
  EXPECT_EQ(calc::CoaxLineName(lines[1]), "A name");
  double loss = 0;
  EXPECT_EQ(calc::GetLoss(lines[1], "144 MHz", "30.48", loss), calc::LossOutcome::Done);
  EXPECT_EQ(loss, 1.6);
  EXPECT_EQ(calc::FindCoaxLine(lines, "LAST"), std::optional<std::string>("LAST     432MHZ=9.9"));
  EXPECT_EQ(calc::FindCoaxLine(lines, "RG-58"), std::nullopt);
}

TEST_F(CoaxFileTest, MissingFileRaises) {
  EXPECT_THROW(calc::ReadCoaxFile(path + ".none"), bs::InOutError);
}

TEST_F(CoaxFileTest, ShippedFileReadsInBothLocalesAndHasItsSources) {
  const std::string shipped = std::string(BEAMSMITH_DATA_DIR) + "/Coax.dta";
  std::ifstream in(shipped);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first.rfind("#", 0), 0u);
  for (const char separator : {'.', ','}) {
    bs::SetDecimalSeparator(separator);
    const auto lines = calc::ReadCoaxFile(shipped);
    ASSERT_GE(lines.size(), 9u);
    for (const auto& line : lines)
      for (const char* band : calc::kBands) {
        double loss = 0;
        const auto outcome = calc::GetLoss(line, band, "100", loss);
        EXPECT_NE(outcome, calc::LossOutcome::NoBand) << line;
        if (outcome == calc::LossOutcome::Done) {
          EXPECT_GT(loss, 0) << line << " " << band;
        }
      }
  }
}

std::vector<std::string> TableLines(int rows) {
  std::vector<std::string> lines = {"CALCULATING SWR FOR VARIOUS INPUTS", "",
                                    "SWR\tSWR\tCoax\tRev\tFwd\tUnits", "bridge\tantenna\tloss db"};
  while (static_cast<int>(lines.size()) < rows)
    lines.push_back("1.22\t1.22\t0.00\t   1.00\t 100.00\twatts");
  return lines;
}

// Indices of the lines after which a form feed stands.
std::vector<int> BreaksAfter(const std::vector<std::string>& printed) {
  std::vector<int> breaks;
  int index = -1;
  for (const auto& line : printed) {
    if (line == "\f") breaks.push_back(index);
    if (!line.empty() && line[0] == '\t') ++index;
  }
  return breaks;
}

TEST_F(SwrTest, PrintingBreaksPagesOnlyInPower) {
  testing_support::ScriptedDialogs dialogs;
  testing_support::RecordingPrinter printer;
  ASSERT_TRUE(calc::PrintTheMemo(TableLines(100), Measure::Power));
  EXPECT_EQ(printer.calls.front(), "text 12");
  EXPECT_EQ(printer.calls.back(), "end text");
  EXPECT_EQ(std::vector<std::string>(printer.lines.begin(), printer.lines.begin() + 4),
            (std::vector<std::string>{"", "", "", "\tCALCULATING SWR FOR VARIOUS INPUTS"}));
  EXPECT_EQ(BreaksAfter(printer.lines), (std::vector<int>{48, 96}));
  const auto firstBreak = std::find(printer.lines.begin(), printer.lines.end(), "\f");
  EXPECT_EQ(*(firstBreak + 1), "");
  EXPECT_EQ(*(firstBreak + 2), "");
  EXPECT_EQ(printer.lines.size(), 3u + 100u + 2u * 3u);

  printer.lines.clear();
  ASSERT_TRUE(calc::PrintTheMemo(TableLines(100), Measure::Volts));
  EXPECT_TRUE(BreaksAfter(printer.lines).empty());
  EXPECT_EQ(printer.lines.size(), 103u);
}

TEST_F(SwrTest, PendingBreakWaitsForALineWithoutAColon) {
  testing_support::ScriptedDialogs dialogs;
  testing_support::RecordingPrinter printer;
  auto lines = TableLines(60);
  lines[48] = "note: a colon";
  lines[49] = "another: one";
  ASSERT_TRUE(calc::PrintTheMemo(lines, Measure::Power));
  EXPECT_EQ(BreaksAfter(printer.lines), (std::vector<int>{50}));
}

TEST_F(SwrTest, CancelledPrintDialogPrintsNothing) {
  testing_support::ScriptedDialogs dialogs;
  dialogs.printAnswers = {false};
  testing_support::RecordingPrinter printer;
  EXPECT_FALSE(calc::PrintTheMemo(TableLines(10), Measure::Power));
  EXPECT_TRUE(printer.calls.empty());
}

}  // namespace
