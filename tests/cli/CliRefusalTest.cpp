// Every refusal names where it comes from: the option, or the saved-data file and its line; a
// special file given to --from is no data file and nothing blocks.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "core/state/SaveInfo.h"
#include "core/state/YagiVar.h"

namespace cli_test {
namespace {

TEST(CliRefusal, OptionsNameThemselves) {
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"--element-diam", "abc"},
       "error: --element-diam: 'abc' is not a valid floating point value\n"},
      {{"--element-diam", "-7"}, "error: --element-diam: Invalid floating point operation\n"},
      {{"--directors", "+-5"}, "error: --directors: '+-5' is not a valid integer value\n"},
      {{"--freq", "0"}, "error: --freq: Floating point division by zero\n"},
      {{"--gap", std::string(100, '1') + "x"},
       "error: --gap: '" + std::string(39, '1') + "\u2026' is not a valid floating point value\n"},
      {{"--bend", "\x1b[2J"}, "error: --bend: '\\x1B[2J' is not a valid floating point value\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"design"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.status, 1) << c.args[0];
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
  }
}

class CliFromTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = WorkDir() + "/" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    bs::YagiVar::StartUp(state_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Save(const std::string& name) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bs::SaveInfo::DataFileText(state_);
    return path;
  }
  std::string dir_;
  bs::YagiVar::State state_;
};

TEST_F(CliFromTest, FileValuesNameTheirLine) {
  state_.DesignElemDiamText = "-7";  // line 49
  Save("Zuzo.cnf");
  const CliResult run = RunCli({"design", "--from", dir_ + "/Zuzo.cnf"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Zuzo.cnf line 49: Invalid floating point operation\n"), std::string::npos)
      << run.err;
  // The option given overrides the file, so the option is named when it is the bad one.
  state_.DesignElemDiamText = "7";
  state_.DesignDirectorsText = "many";  // line 48
  Save("Zuzo.cnf");
  EXPECT_NE(RunCli({"design", "--from", dir_ + "/Zuzo.cnf"})
                .err.find("Zuzo.cnf line 48: 'many' is not a valid integer value"),
            std::string::npos);
  EXPECT_EQ(RunCli({"design", "--from", dir_ + "/Zuzo.cnf", "--directors", "x"}).err,
            "error: --directors: 'x' is not a valid integer value\n");
}

// A file saved under a comma locale designs under a full-stop one.
TEST_F(CliFromTest, FileFromTheOtherLocaleReadsItsNumbers) {
  state_.DesignFreqText = "432,1";
  const CliResult run = RunCli({"design", "--from", Save("comma.cnf")});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("432.1"), std::string::npos);
}

TEST_F(CliFromTest, SpecialFilesAreNoDataFile) {
  ASSERT_EQ(::mkfifo((dir_ + "/fifo.cnf").c_str(), 0644), 0);
  std::filesystem::create_directories(dir_ + "/folder.cnf");
  for (const std::string& path :
       {dir_ + "/fifo.cnf", dir_ + "/folder.cnf", std::string("/dev/zero")}) {
    const CliResult run = RunCli({"design", "--from", path});
    EXPECT_EQ(run.status, 1) << path;
    EXPECT_NE(run.err.find("No data file found"), std::string::npos) << run.err;
  }
  std::ofstream(dir_ + "/huge.cnf");
  std::filesystem::resize_file(dir_ + "/huge.cnf", 100u * 1024 * 1024);
  EXPECT_NE(RunCli({"design", "--from", dir_ + "/huge.cnf"}).err.find("is too large (over 1 MB)"),
            std::string::npos);
}

}  // namespace
}  // namespace cli_test
