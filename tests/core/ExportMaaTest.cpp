// The MMANA-GAL .maa writer, its labels, and "Make Mmana" from typed dimensions.
#include <gtest/gtest.h>

#include "DesignTestSupport.h"
#include "core/export/MaaFile.h"
#include "core/platform/Errors.h"
#include "support/TextFiles.h"

namespace {

namespace ex = bs::exporting;
using testing_support::SameText;
using testing_support::SplitLines;
using testing_support::TestData;

class MaaTest : public design_test::DesignTest {
 protected:
  // The YO screen's boxes with directors 1 to 3 and 5 typed.
  std::array<std::string, 40> TypedBoxes() const {
    std::array<std::string, 40> b;
    b.fill("0");
    b[37] = "144.3";
    b[4] = "6";
    b[1] = "10";
    b[39] = "1020";
    b[2] = "420";
    b[3] = "1000";
    const char* dirs[][2] = {
        {"570", "930"}, {"950", "920"}, {"1400", "910"}, {"0", "0"}, {"2450", "900"}};
    for (int k = 1; k <= 5; ++k) {
      b[2 * k + 4] = dirs[k - 1][0];
      b[2 * k + 3] = dirs[k - 1][1];
    }
    return b;
  }
};

TEST_F(MaaTest, ExampleAWithSingleAndFoldedDipole) {
  ExampleA();
  Calculate();
  ex::MaaChoices choices;
  choices.name = "ExampleA";
  EXPECT_TRUE(SameText(TestData("maa_example_a_single.maa"), ex::MaaFileText(state, choices)));
  choices.folded = true;
  EXPECT_TRUE(SameText(TestData("maa_example_a_folded.maa"), ex::MaaFileText(state, choices)));
  EXPECT_EQ(TestData("maa_example_a_folded.maa"), ex::MaaFileText(state, choices));
}

TEST_F(MaaTest, DipoleLineOf1000mmAt144_3MHz) {
  state.DesignFreq = 144.3;
  state.SingleDipoleLength = 1000;
  state.DipoleDiam = 10;
  const auto lines = SplitLines(ex::MaaFileText(state, {}));
  EXPECT_EQ(lines[2], "144.300");
  EXPECT_EQ(lines[4], "2") << "no directors: the dipole and the reflector";
  EXPECT_EQ(lines[5], "0.0,  -0.5000,  0.0, 0.0,  0.5000,  0.0,  0.0050,  -1");
  EXPECT_EQ(lines.back(), "0,   15,   4,   50.0,   120,    60,    0.0");
}

// The file separates its fields with commas, so its numbers keep the point in a comma locale.
TEST_F(MaaTest, CommaLocaleStillWritesPoints) {
  ExampleA();
  Calculate();
  bs::SetDecimalSeparator(',');
  ex::MaaChoices choices;
  choices.name = "ExampleA";
  choices.folded = true;
  EXPECT_EQ(TestData("maa_example_a_folded.maa"), ex::MaaFileText(state, choices));
}

TEST_F(MaaTest, ChoicesGoIntoTheLastLines) {
  state.DesignFreq = 432;
  ex::MaaChoices c;
  c.dm1 = "3000";
  c.dm2 = "10";
  c.sc = "1.01";
  c.ec = "16";
  c.ground = -1;
  c.height = "7.5";
  c.material = 2;
  const auto lines = SplitLines(ex::MaaFileText(state, c));
  EXPECT_EQ(lines[lines.size() - 3], "3000,   10,   1.01,   16");
  EXPECT_EQ(lines.back(), "-1,   7.5,   2,   50.0,   120,    60,    0.0");
}

TEST_F(MaaTest, FoldedDipoleWithoutADesignWritesNothing) {
  ex::MaaChoices c;
  c.folded = true;
  try {
    ex::MaaFileText(state, c);
    FAIL();
  } catch (const bs::Error& e) {
    EXPECT_STREQ(e.what(), ex::kFoldedNeedsDesign);
  }
}

TEST_F(MaaTest, Labels) {
  state.Wavelength = 2080;
  state.DipoleDiam = 10;
  EXPECT_EQ(ex::RadSegLabel(state, "800"), "Rad:Seg = 2:1");
  EXPECT_EQ(ex::SegmentLabel(state, "800"), "Segment = 2.60 mm");
  EXPECT_DOUBLE_EQ(state.MmanaSegLength, 2.6);
  EXPECT_EQ(ex::RadSegLabel(state, "3000"), "Rad:Seg = 7:1");
  EXPECT_THROW(ex::RadSegLabel(state, "many"), bs::ConvertError);
}

TEST_F(MaaTest, MakeMmanaStoresTheTypedDirectorsAtTheirOwnDistances) {
  ASSERT_EQ(ex::StoreTypedDimensions(state, TypedBoxes()), "");
  EXPECT_EQ(state.NumDirectors, 4);
  EXPECT_EQ(state.BoomMount, u'N');
  EXPECT_DOUBLE_EQ(state.Wavelength, 299793 / 144.3);
  EXPECT_EQ(state.DirLength[4], 900);
  EXPECT_EQ(state.DirSpacing[4], 1050) << "director 5 stands 1050 mm beyond director 3";
  EXPECT_EQ(state.DirLength[5], 0);
  const auto lines = SplitLines(ex::MaaFileText(state, {}));
  EXPECT_EQ(lines[4], "6");
  EXPECT_EQ(lines[6], "-0.4200,  -0.5100,  0.0,  -0.4200,  0.5100,  0.0,  0.0030,  -1");
  EXPECT_EQ(lines[10], "2.0300,  -0.4500,  0.0,  2.0300,  0.4500,  0.0,  0.0030,  -1");
  EXPECT_EQ(lines[11], "***Source***");
}

TEST_F(MaaTest, MakeMmanaRefusals) {
  struct Case {
    int box;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {37, "0", ex::kFrequencyZero},
      {37, "", ex::kBoxError},
      {2, "4x", ex::kBoxError},
      {30, "", ex::kBoxError},
      // A fourth distance without a length.
      {12, "1900", ex::kDirectorMismatch},
      // Director 3 at the distance of director 2.
      {10, "950", ex::kDirectorMismatch},
  };
  for (const Case& c : cases) {
    auto boxes = TypedBoxes();
    boxes[c.box] = c.text;
    EXPECT_EQ(ex::StoreTypedDimensions(state, boxes), c.message) << c.box << " " << c.text;
  }
}

TEST_F(MaaTest, MakeMmanaWithFrequencyTextZeroPointZero) {
  auto boxes = TypedBoxes();
  boxes[37] = "0.0";
  ASSERT_EQ(ex::StoreTypedDimensions(state, boxes), "");
  EXPECT_DOUBLE_EQ(state.DesignFreq, 0.001);
  EXPECT_DOUBLE_EQ(state.Wavelength, 299793000);
}

}  // namespace
