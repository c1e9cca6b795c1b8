// The report through the command line: the same text as the engine gives for the same entries,
// whether they come from options, from the start values or from a saved-data file.
#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "core/design/Design.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/state/SaveInfo.h"
#include "support/ScriptedDialogs.h"

namespace cli_test {
namespace {

// Worked example A: 144.1 MHz, round 25 mm boom, non-metal mounting, dipole fully insulated,
// gap 10, balun of RG-58 (PE); the other entries are the start values.
const std::vector<std::string> kExampleA = {"design",    "--gap",   "10",       "--boom-shape",
                                            "round",     "--mount", "nonmetal", "--dipole-mount",
                                            "insulated", "--coax",  "12"};
// Worked example B: as A with the start choices (square boom, bonded, dipole likewise), no coax.
const std::vector<std::string> kExampleB = {"design", "--gap", "10"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

struct GoldenCase {
  const char* name;
  const char* golden;
  bool comma;
  std::vector<std::string> args;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.name;
}

class CliGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CliGoldenTest, ReportIsTheEnginesGoldenText) {
  const GoldenCase& c = GetParam();
  std::string env = kPointLocale;
  if (c.comma) {
    const auto comma = CommaLocale();
    if (!comma) GTEST_SKIP() << kNoCommaLocale;
    env = *comma;
  }
  const std::string golden = GoldenReport(c.golden);
  ASSERT_FALSE(golden.empty()) << c.golden;
  const CliResult run = RunCli(c.args, env);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(SameText(golden, run.out));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CliGoldenTest,
    ::testing::Values(
        GoldenCase{"A", "design_report_a_point.txt", false, kExampleA},
        // The coax by its text, and the frequency typed: its band presets change no box of A.
        GoldenCase{"A_coax_by_text_and_typed_frequency",
                   "design_report_a_point.txt",
                   false,
                   {"design", "--freq", "144.1", "--gap", "10", "--boom-shape", "round", "--mount",
                    "nonmetal", "--dipole-mount", "insulated", "--coax", "RG-58 (PE) 53.5 ohm"}},
        // The start frequency takes the locale's separator; a typed one is written with it.
        GoldenCase{"A_comma", "design_report_a_comma.txt", true, kExampleA},
        GoldenCase{"A_comma_typed", "design_report_a_comma.txt", true,
                   With(kExampleA, {"--freq", "144,1"})},
        GoldenCase{"B", "design_report_b_point.txt", false, kExampleB},
        GoldenCase{"B_comma", "design_report_b_comma.txt", true, kExampleB}),
    [](const auto& info) { return std::string(info.param.name); });

// The engine's report for the entries, as the screen's Calculate produces it.
std::string EngineReport(const bs::design::DesignEntries& entries) {
  testing_support::ScriptedDialogs dialogs;
  bs::SetDecimalSeparator('.');
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  bs::design::SaveEntries(entries, state);
  bs::design::StoreDesignInputs(entries, state);
  bs::design::Report report;
  bs::design::Yagidimensions(state, report);
  std::string text;
  for (const std::string& line : bs::design::ReportLines(report.Text())) text += line + "\n";
  return text;
}

bs::design::DesignEntries StartEntries() {
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  return bs::design::EntriesFromState(state);
}

TEST(CliReport, NoOptionsGiveTheDesignOfTheStartValues) {
  const CliResult run = RunCli({"design"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(SameText(EngineReport(StartEntries()), run.out));
}

// A typed frequency brings its band's presets into every size box not given, as leaving the
// frequency box does on the screen.
TEST(CliReport, TypedFrequencyAppliesItsBandPresetsUnderTheSizesGiven) {
  bs::design::DesignEntries expected = StartEntries();
  expected.edit[bs::design::kFreqBox] = "432";
  bs::design::ApplyBandPresets(expected);
  EXPECT_EQ(expected.edit[bs::design::kBendBox], "35");
  const CliResult presets = RunCli({"design", "--freq", "432"});
  EXPECT_EQ(presets.status, 0) << presets.err;
  EXPECT_TRUE(SameText(EngineReport(expected), presets.out));

  expected.edit[bs::design::kGapBox] = "12";
  const CliResult typed = RunCli({"design", "--gap", "12", "--freq", "432"});
  EXPECT_TRUE(SameText(EngineReport(expected), typed.out));
}

class CliFromFileTest : public ::testing::Test {
 protected:
  // A saved-data file holding example A's entries, as the program writes it.
  void SetUp() override {
    bs::YagiVar::State state;
    bs::YagiVar::StartUp(state);
    state.DesignGapText = "10";
    state.DesignChoicesText = "12001";
    path_ =
        WorkDir() + "/" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".cnf";
    std::ofstream(path_, std::ios::binary) << bs::SaveInfo::DataFileText(state);
  }
  void TearDown() override { std::filesystem::remove(path_); }
  std::string path_;
};

TEST_F(CliFromFileTest, SavedEntriesGiveTheirDesign) {
  const CliResult run = RunCli({"design", "--from", path_, "--coax", "12"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(SameText(GoldenReport("design_report_a_point.txt"), run.out));
}

TEST_F(CliFromFileTest, OptionsGivenOverrideTheFile) {
  // Every entry of A that differs from the start values set back: the start design.
  const CliResult run = RunCli({"design", "--from", path_, "--gap", "15", "--boom-shape", "square",
                                "--mount", "bonded", "--dipole-mount", "same"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(SameText(EngineReport(StartEntries()), run.out));
}

TEST(ReadDataFile, ReadsAnyPathQuietlyAndLeavesTheWorkingDirectory) {
  const std::string path = WorkDir() + "/quiet.cnf";
  bs::YagiVar::State saved;
  bs::YagiVar::StartUp(saved);
  saved.DesignFreqText = "432";
  saved.StackPlaneText = "1";
  std::ofstream(path, std::ios::binary) << bs::SaveInfo::DataFileText(saved);

  testing_support::ScriptedDialogs dialogs;
  const auto dir = std::filesystem::current_path();
  bs::YagiVar::State read;
  bs::SaveInfo::ReadDataFile(path, read);
  EXPECT_EQ(read.DesignFreqText, "432");
  EXPECT_EQ(read.DesignElemWidthText, "0");  // an empty line reads as "0"
  EXPECT_EQ(read.StackPlaneText, "1");
  EXPECT_TRUE(dialogs.events.empty());
  EXPECT_EQ(std::filesystem::current_path(), dir);
  EXPECT_THROW(bs::SaveInfo::ReadDataFile(WorkDir() + "/none.cnf", read), bs::InOutError);
}

}  // namespace
}  // namespace cli_test
