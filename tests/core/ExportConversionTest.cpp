// Boom-mounting conversion of the YO screen's lengths.
#include <gtest/gtest.h>

#include "core/export/ElementTable.h"
#include "core/export/YOconversion.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"

namespace {

namespace conv = bs::YOconversion;

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bs::SetDecimalSeparator('.');
    bs::YagiVar::StartUp(state);
    auto& t = state.YOText;
    t[37] = "144.1";
    t[38] = "25";
    t[39] = "1000";
    t[5] = "1000";
    t[7] = "1007";
    t[1] = "10";
    t[3] = "980";
    t[4] = "7";
  }
  void TearDown() override { bs::SetDecimalSeparator('.'); }
  bs::YagiVar::State state;
};

TEST_F(ConversionTest, BoomCorrectionAt144MHzWith25mmBoom) {
  EXPECT_NEAR(conv::BoomCorrectionMm(state), 7.355, 0.001);
  // A thick boom: 0.666 b is the smaller term.
  EXPECT_NEAR(conv::BoomCorrectionMm(200, 144.1), 0.666 * 200, 1e-9);
  EXPECT_THROW(conv::BoomCorrectionMm(25, 0), bs::MathError);
}

TEST_F(ConversionTest, TableOfConversions) {
  struct Case {
    int from, to;
    const char* length;
    const char* expected;
  };
  const Case cases[] = {
      {2, 0, "1000", "1007"},    {2, 1, "1000", "1004"},    {0, 2, "1007", "1000"},
      {0, 1, "1007", "1003"},    {1, 2, "1004", "1000"},    {1, 0, "1004", "1008"},
      {2, 2, "1000.0", "1000"},  {2, 0, "0", "0"},          {2, 0, "-5", "-5"},
      {2, 0, "1000.50", "1008"}, {-1, 0, "1000.0", "1000"}, {2, 7, "999.0", "999"},
  };
  for (const Case& c : cases) {
    state.YOText[9] = c.length;
    conv::ConvertLengths(state, c.from, c.to);
    EXPECT_EQ(state.YOText[9], c.expected) << c.from << "->" << c.to << " " << c.length;
  }
}

TEST_F(ConversionTest, ThereAndBackReturnsEveryLengthUpTo1mm) {
  for (int k = 1; k <= 16; ++k) state.YOText[2 * k + 3] = std::to_string(900 + 7 * k) + ".4";
  const auto before = conv::ReadConversionLengths(state);
  conv::ConvertLengths(state, 2, 0);
  conv::ConvertLengths(state, 0, 2);
  const auto after = conv::ReadConversionLengths(state);
  for (int i = 1; i <= 17; ++i) EXPECT_NEAR(after[i], before[i], 1.0) << i;
  EXPECT_EQ(state.YOText[37], "144.1") << "distances and other boxes are not touched";
}

TEST_F(ConversionTest, TextThatIsNotANumberChangesNothing) {
  state.YOText[11] = "12a";
  state.YOText[39] = "1000.0";
  EXPECT_THROW(conv::ConvertLengths(state, 2, 0), bs::ConvertError);
  EXPECT_EQ(state.YOText[39], "1000.0");
  state.YOText[11] = "";
  EXPECT_THROW(conv::ConvertLengths(state, 2, 0), bs::ConvertError);
}

TEST_F(ConversionTest, CommaLocaleReadsAndWritesCommas) {
  bs::SetDecimalSeparator(',');
  state.YOText[37] = "144,1";
  state.YOText[39] = "1000,4";
  state.YOText[5] = "999,5";
  conv::ConvertLengths(state, 2, 2);
  EXPECT_EQ(state.YOText[39], "1000,4");
  conv::ConvertLengths(state, 2, 0);
  EXPECT_EQ(state.YOText[39], "1008");
  EXPECT_EQ(state.YOText[5], "1007");
}

TEST_F(ConversionTest, TheSixChecksInTheirOrder) {
  struct Case {
    int box;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {39, "", "Reflector length box empty or zero!"},
      {38, "0", "Boom diameter box empty or zero!"},
      {1, "0.0", "Dipole Diameter box empty or zero!"},
      {3, "", "Dipole length box empty or zero!"},
      {4, "0", "Director/Reflector diameter box empty or zero!"},
      {37, "", "Frequency box empty or zero!"},
  };
  EXPECT_FALSE(conv::CheckConversionTexts(state));
  // Emptied from last to first, each check reports while the ones before it pass.
  for (auto it = std::rbegin(cases); it != std::rend(cases); ++it) {
    state.YOText[it->box] = it->text;
    const bs::BoxProblem problem = conv::CheckConversionTexts(state);
    EXPECT_EQ(problem.box, it->box);
    EXPECT_EQ(problem.message, it->message);
  }
  state.YOText[39] = "ten";
  EXPECT_THROW(conv::CheckConversionTexts(state), bs::ConvertError);
}

// The plain-number level used for a design's non-metal lengths.
TEST(ElementTableTest, NonMetalLengthsOfAThroughBoomDesign) {
  bs::YagiVar::State s;
  s.DesignFreq = 144.1;
  s.Wavelength = 299792 / 144.1;
  s.BoomSize = 25 / s.Wavelength;
  s.BoomMount = u'Y';
  s.ReflectorLength = 1007.4;
  s.SingleDipoleLength = 980;
  s.DipoleSpacing = 416;
  s.NumDirectors = 2;
  s.DirLength[1] = 941;
  s.DirSpacing[1] = 156;
  s.DirLength[2] = 933;
  s.DirSpacing[2] = 374;
  const auto table = bs::exporting::NonMetalElementTable(s);
  EXPECT_EQ(table.reflector.length, 1000);
  EXPECT_EQ(table.reflector.position, -416);
  EXPECT_EQ(table.driven.length, 980) << "the driven element is never converted";
  ASSERT_EQ(table.directors.size(), 2u);
  EXPECT_EQ(table.directors[0].length, 934);
  EXPECT_EQ(table.directors[1].position, 530);
  s.BoomMount = u'N';
  EXPECT_EQ(bs::exporting::NonMetalElementTable(s).reflector.length, 1007.4);
}

}  // namespace
