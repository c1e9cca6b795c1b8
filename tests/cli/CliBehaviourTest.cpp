// Exit status, messages and warnings of the command line, and the locale it reads.
#include "CliRunner.h"

namespace cli_test {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct FailureCase {
  std::vector<std::string> args;
  int status;
  const char* message;  // part of standard error
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  for (const auto& arg : c.args) *os << arg << ' ';
}

class CliFailureTest : public ::testing::TestWithParam<FailureCase> {};

// A refused entry or a usage error prints its message, no report, and its exit status.
TEST_P(CliFailureTest, StatusAndMessageWithoutOutput) {
  const FailureCase& c = GetParam();
  const CliResult run = RunCli(c.args);
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    RefusedEntries, CliFailureTest,
    ::testing::Values(
        FailureCase{{"design", "--freq", "abc"}, 1, "'abc' is not a valid floating point value"},
        FailureCase{{"design", "--directors", "8.5"}, 1, "'8.5' is not a valid integer value"},
        FailureCase{{"design", "--directors", "101"}, 1, "Number of directors must not exceed 100"},
        FailureCase{{"design", "--freq", "0"}, 1, "Floating point division by zero"},
        FailureCase{{"design", "--boom", "25", "--json", "--bend", "0"},
                    1,
                    "Floating point division by zero"},
        // The width box is empty at the start, as on the screen's first opening.
        FailureCase{
            {"design", "--element-shape", "square"}, 1, "'' is not a valid floating point value"},
        FailureCase{
            {"design", "--dipole-shape", "strip", "--dipole-width", "0", "--dipole-thickness", "2"},
            1,
            "Floating point division by zero"},
        FailureCase{
            {"design", "--velocity-factor", "x"}, 1, "'x' is not a valid floating point value"},
        FailureCase{{"design", "--from", "no-such-dir/Zuzo.cnf"}, 1, "No data file found"},
        FailureCase{{"design", "--from", "."}, 1, "No data file found"},
        // Dimensions that could not be cut are refused, not printed.
        FailureCase{{"design", "--freq", "10000"}, 1, "The boom is too thick for the elements"},
        FailureCase{
            {"design", "--bend", "2000"}, 1, "The bend diameter or the feed gap is too large"}));

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, CliFailureTest,
    ::testing::Values(FailureCase{{}, 2, "subcommand"},
                      FailureCase{{"design", "--bogus"}, 2, "--bogus"},
                      FailureCase{{"design", "--freq"}, 2, "--freq"},
                      FailureCase{{"design", "--element-shape", "oval"}, 2, "oval"},
                      FailureCase{{"design", "--coax", "32"}, 2, "not in the coax list"},
                      FailureCase{{"design", "--coax", "RG-58"}, 2, "not in the coax list"},
                      FailureCase{{"design", "--coax", "12", "--velocity-factor", "0.7"},
                                  2,
                                  "--velocity-factor"}));

TEST(CliBehaviour, HelpAndVersionSucceedOnStandardOutput) {
  const CliResult help = RunCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(Contains(help.out, "design"));
  const CliResult designHelp = RunCli({"design", "--help"});
  EXPECT_EQ(designHelp.status, 0);
  EXPECT_TRUE(Contains(designHelp.out, "--velocity-factor"));
  EXPECT_TRUE(Contains(designHelp.out, "31  USER set velocity factor"));
  const CliResult version = RunCli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("beamsmith-cli ", 0), 0u) << version.out;
}

struct WarningCase {
  std::vector<std::string> args;
  const char* warning;      // nullptr: none
  const char* reportPart;   // in the report
  const char* reportLacks;  // not in the report
};

// Warnings go to standard error beside a complete report; the design still succeeds.
TEST(CliBehaviour, WarningsGoToStandardErrorBesideTheReport) {
  const WarningCase cases[] = {
      {{"design", "--freq", "1296", "--element-diam", "4"},
       "warning: Elements are thicker than ideal, reduce diameter for best results\n",
       "MATERIALS GUIDE",
       "thicker"},
      {{"design", "--freq", "1296", "--element-diam", "3"}, nullptr, "MATERIALS GUIDE", "thicker"},
      {{"design", "--velocity-factor", "1.5"},
       "warning: Velocity factor not in range\n",
       "FOLDED DIPOLE",
       "A half wave"},
      {{"design", "--coax", "31"},
       "warning: Velocity factor not in range\n",
       "FOLDED DIPOLE",
       "A half wave"},
      {{"design", "--velocity-factor", "1"},
       nullptr,
       "A half wave 4:1 balun uses 1.00 velocity factor coax and is 1040 mm long plus leads\n",
       "USER"},
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli(c.args);
    SCOPED_TRACE(c.args.back());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, c.warning ? c.warning : "");
    EXPECT_TRUE(Contains(run.out, c.reportPart));
    EXPECT_FALSE(Contains(run.out, c.reportLacks));
  }
}

TEST(CliBehaviour, ReportLinesEndInLineFeedsOnly) {
  const CliResult run = RunCli({"design"});
  EXPECT_FALSE(Contains(run.out, "\r"));
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.back(), '\n');
}

// The locale decides how typed numbers are read, and how the report writes them.
TEST(CliBehaviour, CommaLocaleReadsAndWritesCommas) {
  const auto comma = CommaLocale();
  if (!comma) GTEST_SKIP() << kNoCommaLocale;
  const CliResult typedPoint = RunCli({"design", "--freq", "144.1"}, *comma);
  EXPECT_EQ(typedPoint.status, 1);
  EXPECT_TRUE(Contains(typedPoint.err, "'144.1' is not a valid floating point value"));
  const CliResult typedComma = RunCli({"design", "--freq", "432,5"}, *comma);
  EXPECT_EQ(typedComma.status, 0) << typedComma.err;
  EXPECT_TRUE(Contains(typedComma.out, "Zuzo design frequency =432,50 MHz\n"));
  // LC_NUMERIC counts when LC_ALL is not set.
  std::string numeric = *comma;
  numeric.replace(numeric.find("LC_ALL"), 6, "LC_NUMERIC");
  EXPECT_EQ(RunCli({"design", "--freq", "432,5"}, numeric + " LANG=C").status, 0);
}

TEST(CliBehaviour, CAndPosixLocalesWriteFullStops) {
  for (const char* env : {"LC_ALL=C", "LC_ALL=POSIX", "LANG=C.UTF-8", ""}) {
    const CliResult run = RunCli({"design", "--freq", "432.5"}, env);
    EXPECT_EQ(run.status, 0) << env << run.err;
    EXPECT_TRUE(Contains(run.out, "Zuzo design frequency =432.50 MHz\n")) << env;
  }
}

}  // namespace
}  // namespace cli_test
