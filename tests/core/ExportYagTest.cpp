// The .yag writers and reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "DesignTestSupport.h"
#include "core/export/YagFile.h"
#include "core/platform/Errors.h"
#include "support/TextFiles.h"

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::SameText;
using testing_support::TestData;

namespace {

class YagTest : public design_test::DesignTest {
 protected:
  void SetUp() override {
    DesignTest::SetUp();
    dir_ = fs::temp_directory_path() /
           ("bs_yag_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    DesignTest::TearDown();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::string WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }
  // Directors 1 to 3 and 5 typed, director 4 left at "0".
  void TypeDirectorsWithGap() {
    auto& t = state.YOText;
    t[37] = "144.1";
    t[4] = "7";
    t[1] = "10";
    t[39] = "1011";
    t[2] = "416";
    t[3] = "980";
    const char* dirs[][2] = {
        {"572", "934"}, {"946", "925"}, {"1394", "917"}, {"0", "0"}, {"2445", "905"}};
    for (int k = 1; k <= 5; ++k) {
      t[2 * k + 4] = dirs[k - 1][0];
      t[2 * k + 3] = dirs[k - 1][1];
    }
  }

  fs::path dir_;
};

TEST_F(YagTest, CreateYOOfExampleAIsTheGoldenFile) {
  ExampleA();
  Calculate();
  state.YODescription = "Example A 144.1 MHz";
  bs::exporting::WriteDesignYag(state, Path("a.yag"));
  EXPECT_TRUE(SameText(TestData("yag_design_a.yag"), ReadBytes(Path("a.yag"))));
}

TEST_F(YagTest, ScreenWriterWithAllBoxesZero) {
  state.YODescription = "Nothing typed";
  bs::exporting::GenerateYOfile(state, Path("zeros.yag"));
  EXPECT_EQ(ReadBytes(Path("zeros.yag")),
            "Nothing typed\r\n0 MHz\r\n2  elements,  millimeters\r\n\t0\t0\r\n0\t0\r\n0\t\t0\r\n");
}

// Every typed director reaches the file, also one typed after an empty director, and the
// element count matches the lines written.
TEST_F(YagTest, ScreenWriterKeepsADirectorAfterAGap) {
  TypeDirectorsWithGap();
  state.YODescription = "Gap at director 4";
  bs::exporting::GenerateYOfile(state, Path("gap.yag"));
  EXPECT_TRUE(SameText(TestData("yag_screen_gap.yag"), ReadBytes(Path("gap.yag"))));
}

// The screen's writer copies texts exactly as typed, in Windows-1252.
TEST_F(YagTest, ScreenWriterKeepsTypedTexts) {
  TypeDirectorsWithGap();
  state.YODescription = "Größe 2 m, 7 élements";
  state.YOText[37] = "144,30";
  state.YOText[4] = " 6.0";
  state.YOText[39] = "1011.50";
  state.YOText[5] = "";
  bs::exporting::GenerateYOfile(state, Path("typed.yag"));
  EXPECT_EQ(ReadBytes(Path("typed.yag")), TestData("yag_screen_typed.yag"));
}

TEST(YagNumbers, FirstAndLastNumber) {
  struct Case {
    const char* line;
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {"144.1 MHz", "144.1", "0"}, {"\t12\t10", "12", "10"}, {"-5", "5", "5"},
      {"0\t1050", "0", "1050"},    {"1050 ", "1050", "0"},   {"416\t\t980", "416", "980"},
      {"no digits", "0", "0"},     {"", "0", "0"},           {"1,5\t2,5", "1", "5"},
      {"8  elements", "8", "0"},   {"1.5E3", "1.5", "3"},    {"...", "...", "..."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bs::exporting::FirstNumber(c.line), c.first) << c.line;
    EXPECT_EQ(bs::exporting::LastNumber(c.line), c.last) << c.line;
  }
}

TEST_F(YagTest, ReaderTakesEachLineApart) {
  const std::string path = WriteFile(
      "comments.yag",
      "; made by hand\r\nTest\r\n;\r\n144.1 MHz\r\n5  elements,  millimeters\r\n\t7\t10\r\n"
      "0\t1011\r\n; the dipole\r\n416\t\t980\r\n572\t934\r\n946\t925\r\n1394\t917 \r\n");
  state.YOText[38] = "25";
  state.YOText[20] = "123";
  ASSERT_TRUE(bs::exporting::ReadYagFile(state, path));
  const auto& t = state.YOText;
  EXPECT_EQ(t[37], "144.1");
  EXPECT_EQ(t[4], "7");
  EXPECT_EQ(t[1], "10");
  EXPECT_EQ(t[39], "1011");
  EXPECT_EQ(t[2], "416");
  EXPECT_EQ(t[3], "980");
  EXPECT_EQ(t[6], "572");
  EXPECT_EQ(t[5], "934");
  EXPECT_EQ(t[10], "1394");
  EXPECT_EQ(t[9], "0") << "a line ending in a blank has no last number";
  EXPECT_EQ(t[20], "0") << "directors past the end of the file become 0";
  EXPECT_EQ(t[38], "0");
  EXPECT_EQ(state.YOBoomMountText, "2");
  EXPECT_EQ(state.YOFreqFromText, "3");
  EXPECT_FALSE(state.YagLoadFailed);
}

TEST_F(YagTest, SixLineFileLoadsWithAllDirectorsZero) {
  for (int box = 5; box <= 36; ++box) state.YOText[box] = "9";
  const std::string path =
      WriteFile("six.yag",
                "Six\r\n432 MHz\r\n2  elements,  millimeters\r\n\t4\t6\r\n0\t350\r\n"
                "139\t\t329\r\n");
  ASSERT_TRUE(bs::exporting::ReadYagFile(state, path));
  for (int box = 5; box <= 36; ++box) EXPECT_EQ(state.YOText[box], "0") << box;
  EXPECT_EQ(state.YOText[3], "329");
}

// All 16 director lines are read whatever the element count says.
TEST_F(YagTest, ReaderReadsSixteenDirectorsWhateverTheCount) {
  std::string file =
      "D\r\n144 MHz\r\n9  elements,  millimeters\r\n\t7\t10\r\n0\t1000\r\n4\t\t9\r\n";
  for (int k = 1; k <= 17; ++k) file += std::to_string(100 * k) + "\t" + std::to_string(k) + "\r\n";
  ASSERT_TRUE(bs::exporting::ReadYagFile(state, WriteFile("many.yag", file)));
  EXPECT_EQ(state.YOText[36], "1600");
  EXPECT_EQ(state.YOText[35], "16");
}

TEST_F(YagTest, CreateYOFileReadsBackLikeTheScreensFile) {
  ExampleA();
  Calculate();
  bs::exporting::WriteDesignYag(state, Path("back_a.yag"));
  ASSERT_TRUE(bs::exporting::ReadYagFile(state, Path("back_a.yag")));
  EXPECT_EQ(state.YOText[37], "144.10");
  EXPECT_EQ(state.YOText[4], "7.0");
  EXPECT_EQ(state.YOText[1], "10.0");
  EXPECT_EQ(state.YOText[6], bs::FormatFixed(state.DirPosition[1], 6, 0));
  EXPECT_EQ(state.YOText[19], bs::FormatFixed(state.DirLength[8], 6, 0));
  EXPECT_EQ(state.YOText[23], "0");
}

TEST_F(YagTest, NonIntegerElementCountStopsWithTheFrequencyTaken) {
  const std::string path =
      WriteFile("bad.yag", "Bad\r\n145.5 MHz\r\n12.5 elements\r\n\t7\t10\r\n0\t1000\r\n");
  state.YOText[39] = "777";
  try {
    bs::exporting::ReadYagFile(state, path);
    FAIL() << "no conversion error";
  } catch (const bs::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'12.5' is not a valid integer value");
  }
  EXPECT_EQ(state.YOText[37], "145.5");
  EXPECT_EQ(state.YOText[39], "777");
}

TEST_F(YagTest, MissingFileChangesNothing) {
  state.YOText[37] = "50";
  state.YOBoomMountText = "1";
  EXPECT_FALSE(bs::exporting::ReadYagFile(state, Path("absent.yag")));
  EXPECT_TRUE(state.YagLoadFailed);
  EXPECT_EQ(state.YOText[37], "50");
  EXPECT_EQ(state.YOBoomMountText, "1");
}

TEST_F(YagTest, WrittenScreenFileLoadsBack) {
  TypeDirectorsWithGap();
  state.YOText[38] = "20";
  state.YOBoomMountText = "0";
  bs::exporting::GenerateYOfile(state, Path("back.yag"));
  const auto typed = state.YOText;
  for (int box = 1; box <= 39; ++box) state.YOText[box] = "x";
  ASSERT_TRUE(bs::exporting::ReadYagFile(state, Path("back.yag")));
  for (const int box : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 37, 39})
    EXPECT_EQ(state.YOText[box], typed[box]) << box;
  // Director 5 was written as the fourth director line.
  EXPECT_EQ(state.YOText[12], "2445");
  EXPECT_EQ(state.YOText[11], "905");
  EXPECT_EQ(state.YOText[38], "0");
}

TEST(YagMessages, LoadedMessageNamesTheFileOnly) {
  EXPECT_EQ(bs::exporting::YagLoadedMessage("YOFiles/my.yag"), "   my.yag loaded   ");
  EXPECT_EQ(bs::exporting::YagLoadedMessage("my.yag"), "   my.yag loaded   ");
}

}  // namespace
