// The saved-data file "Zuzo.cnf" and the program directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/platform/TextFile.h"
#include "core/state/SaveInfo.h"
#include "support/ScriptedDialogs.h"
#include "support/TextFiles.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path) {
  return testing_support::ReadBytes(path.string());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2)
    lines.push_back(text.substr(start, pos - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i ? "\r\n" : "") + lines[i];
  return out;
}

class SaveInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    oldDir_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("bs_saveinfo_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    bs::YagiVar::StartUp(state_);
    bs::SaveInfo::CaptureProgramDir(state_);
    state_.YOFreqFromText = "3";
    state_.YOBoomMountText = "2";
  }
  void TearDown() override {
    fs::current_path(oldDir_);
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  fs::path File() const { return dir_ / "Zuzo.cnf"; }

  fs::path oldDir_, dir_;
  bs::YagiVar::State state_;
  testing_support::ScriptedDialogs dialogs_;
};

TEST_F(SaveInfoTest, StartValuesAreWrittenLineByLine) {
  bs::SaveInfo::SaveDataFile(state_);
  const std::string bytes = ReadBytes(File());
  const auto lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 65u);
  EXPECT_EQ(lines[0], "; This is the storage file for Zuzo.exe, and it is created by the user");
  EXPECT_EQ(lines[1], "; when he/she accesses the SAVE DATA menu item under FILE.");
  EXPECT_EQ(lines[2], ";");
  EXPECT_EQ(lines[3], "; The first set of entries form the YO entry screen");
  for (int i = 4; i <= 42; ++i) EXPECT_EQ(lines[i], "0") << "line " << i + 1;
  const std::vector<std::string> tail = {"3",
                                         "2",
                                         "; this second set store the Design Zuzo details",
                                         "144.1",
                                         "8",
                                         "7",
                                         "10",
                                         "25",
                                         "10",
                                         "50",
                                         "15",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "; this third set store the Gain Calculation details",
                                         "144.1",
                                         "4000",
                                         "; this last set store the Spacing details",
                                         "144.1",
                                         "30",
                                         "0"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 43, lines.end()), tail);
  EXPECT_NE(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(dialogs_.events, (std::vector<std::string>{"beep", "message: Program data saved"}));
}

TEST_F(SaveInfoTest, RecoverGivesBackEveryTextAndEmptyOnesAsZero) {
  state_.YOText[7] = "1296 MHz";
  state_.DesignChoicesText = "10201";
  bs::SaveInfo::SaveDataFile(state_);
  bs::YagiVar::State fresh;
  fresh.ProgramDir = state_.ProgramDir;
  ASSERT_TRUE(bs::SaveInfo::RecoverDataFile(fresh));
  EXPECT_EQ(fresh.YOText[7], "1296 MHz");
  EXPECT_EQ(fresh.YOText[39], "0");
  EXPECT_EQ(fresh.YOFreqFromText, "3");
  EXPECT_EQ(fresh.DesignFreqText, "144.1");
  EXPECT_EQ(fresh.DesignGapText, "15");
  EXPECT_EQ(fresh.DesignDipoleThickText, "0");
  EXPECT_EQ(fresh.DesignElemWidthText, "0");
  EXPECT_EQ(fresh.DesignElemThickText, "0");
  EXPECT_EQ(fresh.DesignChoicesText, "10201");
  EXPECT_EQ(fresh.GainBoomText, "4000");
  EXPECT_EQ(fresh.StackPlaneText, "0");
}

TEST_F(SaveInfoTest, ReaderFindsValuesWhereverTheCommentsStand) {
  bs::SaveInfo::SaveDataFile(state_);
  auto lines = SplitCrLf(ReadBytes(File()));
  lines[49] = "my boom";  // line 50: DesignDipoleWidthText
  lines.insert(lines.begin() + 50, "; a note of my own");
  lines.erase(lines.begin() + 2);
  WriteBytes(File(), JoinCrLf(lines) + "\r\n");  // a terminated last line reads the same
  bs::YagiVar::State fresh;
  fresh.ProgramDir = state_.ProgramDir;
  ASSERT_TRUE(bs::SaveInfo::RecoverDataFile(fresh));
  EXPECT_EQ(fresh.DesignDipoleWidthText, "my boom");
  EXPECT_EQ(fresh.DesignBoomText, "25");
  EXPECT_EQ(fresh.StackBeamwidthText, "30");
  EXPECT_EQ(fresh.StackPlaneText, "0");
}

TEST_F(SaveInfoTest, FileCutAfterLine47ReadsZeroForTheRest) {
  bs::SaveInfo::SaveDataFile(state_);
  auto lines = SplitCrLf(ReadBytes(File()));
  lines[46] = "432";
  lines.resize(47);
  WriteBytes(File(), JoinCrLf(lines));
  bs::YagiVar::State fresh;
  fresh.ProgramDir = state_.ProgramDir;
  ASSERT_TRUE(bs::SaveInfo::RecoverDataFile(fresh));
  EXPECT_EQ(fresh.DesignFreqText, "432");
  EXPECT_EQ(fresh.DesignDirectorsText, "0");
  EXPECT_EQ(fresh.GainFreqText, "0");
  EXPECT_EQ(fresh.StackPlaneText, "0");
}

TEST_F(SaveInfoTest, NoFileGivesOneMessageAfterABeep) {
  bs::YagiVar::State fresh;
  bs::YagiVar::StartUp(fresh);
  fresh.ProgramDir = state_.ProgramDir;
  EXPECT_FALSE(bs::SaveInfo::RecoverDataFile(fresh));
  EXPECT_EQ(dialogs_.events, (std::vector<std::string>{"beep", "message: No data file found"}));
  EXPECT_EQ(fresh.DesignFreqText, "144.1");
}

TEST_F(SaveInfoTest, FailedSaveKeepsTheEarlierFile) {
  bs::SaveInfo::SaveDataFile(state_);
  const std::string before = ReadBytes(File());
  state_.DesignFreqText = "432";
  dialogs_.events.clear();
  // A file size limit makes the write fail part-way, for any user.
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 100;
  ::setrlimit(RLIMIT_FSIZE, &small);
  std::string message;
  try {
    bs::SaveInfo::SaveDataFile(state_);
  } catch (const bs::InOutError& e) {
    message = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(message, "Disk full");
  EXPECT_EQ(ReadBytes(File()), before);
  EXPECT_TRUE(dialogs_.events.empty()) << "no success message after a failed save";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
      << "no temporary file stays behind";
}

TEST_F(SaveInfoTest, SaveWritesIntoTheProgramDirectoryAndStaysThere) {
  fs::create_directories(dir_ / "elsewhere");
  fs::current_path(dir_ / "elsewhere");
  bs::SaveInfo::SaveDataFile(state_);
  EXPECT_TRUE(fs::exists(File()));
  EXPECT_EQ(fs::current_path(), dir_);
  // Recover looks in the working directory of the moment
  fs::current_path(dir_ / "elsewhere");
  EXPECT_FALSE(bs::SaveInfo::RecoverDataFile(state_));
}

// A file saved under one locale recovers under the other: a plain decimal number takes the
// user's separator, every other text stays as stored.
TEST_F(SaveInfoTest, RecoverTakesNumbersWithTheUsersSeparator) {
  const std::pair<std::string, std::string> toComma[] = {
      {"144.1", "144,1"}, {"-0.5", "-0,5"},   {"+2.25", "+2,25"},    {"144,1", "144,1"},
      {"4000", "4000"},   {"1.2.3", "1.2.3"}, {".5", ".5"},          {"5.", "5."},
      {"1.5e3", "1.5e3"}, {"a.b", "a.b"},     {"1.000,5", "1.000,5"}};
  for (const auto& [stored, recovered] : toComma)
    EXPECT_EQ(bs::SaveInfo::WithDecimalSeparator(stored, ','), recovered) << stored;
  EXPECT_EQ(bs::SaveInfo::WithDecimalSeparator("144,1", '.'), "144.1");
  EXPECT_EQ(bs::SaveInfo::WithDecimalSeparator("1,5x", '.'), "1,5x");

  for (const char separator : {',', '.'}) {
    const char other = separator == ',' ? '.' : ',';
    state_.DesignFreqText = std::string("432") + other + "1";
    state_.GainBoomText = std::string("4") + other + "5 m";
    bs::SaveInfo::SaveDataFile(state_);
    bs::SetDecimalSeparator(separator);
    bs::YagiVar::State fresh;
    fresh.ProgramDir = state_.ProgramDir;
    ASSERT_TRUE(bs::SaveInfo::RecoverDataFile(fresh));
    bs::SetDecimalSeparator('.');
    EXPECT_EQ(fresh.DesignFreqText, std::string("432") + separator + "1");
    EXPECT_EQ(fresh.GainBoomText, state_.GainBoomText);
  }
}

TEST(DataFileExists, NeverRaises) {
  EXPECT_FALSE(bs::SaveInfo::DataFileExists(""));
  EXPECT_FALSE(bs::SaveInfo::DataFileExists("/no/such/folder/Zuzo.cnf"));
}

}  // namespace
