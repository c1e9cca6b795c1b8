// Gain rules and stacking: the worked examples, the shared fields a calculation leaves, the
// ratio table's boundaries, the refused negative beamwidth and the arithmetic faults.
#include <gtest/gtest.h>

#include "core/calculators/Calculators.h"
#include "core/design/Engine.h"
#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"

namespace {

using bs::calculators::GainRule;

class CalculatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bs::SetDecimalSeparator('.');
    bs::YagiVar::StartUp(state);
  }
  void TearDown() override { bs::SetDecimalSeparator('.'); }
  bs::YagiVar::State state;
};

using GainTest = CalculatorTest;

struct GainCase {
  const char* freq;
  const char* boom;
  GainRule rule;
  double gain, beamwidth;
  const char* gainText;
  const char* beamwidthText;
};

TEST_F(GainTest, WorkedExamplesOfTheThreeRules) {
  const GainCase cases[] = {
      {"144.1", "4000", GainRule::VK3AUU, 11.364, 42.896, "11.4", "42.9"},
      {"144.1", "4000", GainRule::WA2PHW, 11.655, 41.480, "11.7", "41.5"},
      {"144.1", "4000", GainRule::DJ9BV, 11.354, 42.942, "11.4", "42.9"},
      // three significant digits, then the one decimal filled with a zero
      {"50", "1000", GainRule::VK3AUU, 3.076, 111.40, "3.1", "111.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.freq) + " " + c.boom + " " + GainRuleName(c.rule));
    const auto r = bs::calculators::FindGain(state, c.freq, c.boom, c.rule);
    EXPECT_NEAR(r.gain, c.gain, 0.0005);
    EXPECT_NEAR(r.beamwidth, c.beamwidth, 0.0005);
    EXPECT_EQ(r.text, std::string("Gain is ") + c.gainText +
                          " dBd (referred to dipole)\r\nApproximate 3 dB beamwidth is " +
                          c.beamwidthText +
                          " degrees\r\n(Assuming E-plane and H-plane are the same)");
  }
}

TEST_F(GainTest, LeavesFrequencyWavelengthAndBoomInTheSharedState) {
  bs::calculators::FindGain(state, "432", "2500", GainRule::DJ9BV);
  EXPECT_EQ(state.DesignFreq, 432);
  EXPECT_NEAR(state.Wavelength, 694.444, 0.0005);
  EXPECT_EQ(state.BoomLength, 2500);
}

TEST_F(GainTest, ShortBoomsAndTheWA2PHWLimit) {
  // Below one wavelength the logarithmic rules fall under 9.15 dBd; WA2PHW tends to 6.28 dBd.
  EXPECT_LT(bs::calculators::GainVK3AUU(0.5), 9.15);
  EXPECT_LT(bs::calculators::GainDJ9BV(0.5), 9.15);
  EXPECT_NEAR(static_cast<double>(bs::calculators::GainWA2PHW(1e-9)), 6.284, 0.001);
}

TEST_F(GainTest, FaultsStopAtTheirStepWithTheEarlierStepsDone) {
  EXPECT_THROW(bs::calculators::FindGain(state, "abc", "4000", GainRule::VK3AUU), bs::ConvertError);
  EXPECT_EQ(state.DesignFreq, 0);
  try {
    bs::calculators::FindGain(state, "432", "4000.5", GainRule::VK3AUU);
    FAIL();
  } catch (const bs::ConvertError& e) {
    EXPECT_STREQ(e.what(), "'4000.5' is not a valid integer value");
  }
  EXPECT_EQ(state.DesignFreq, 432);
  try {
    bs::calculators::FindGain(state, "0", "4000", GainRule::VK3AUU);
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kDivisionByZero);
  }
  EXPECT_EQ(state.BoomLength, 4000);
  for (const GainRule rule : {GainRule::VK3AUU, GainRule::DJ9BV, GainRule::WA2PHW}) {
    EXPECT_THROW(
        bs::calculators::FindGain(state, "144.1", rule == GainRule::WA2PHW ? "-2000" : "0", rule),
        bs::MathError);
    EXPECT_NEAR(state.Wavelength, 2081.89, 0.005);
  }
}

TEST_F(GainTest, DesignEngineSharesTheRuleAndTheBeamwidth) {
  state.Wavelength = 2081.89;
  EXPECT_EQ(bs::design::BoomGain(state, 4000),
            bs::calculators::GainVK3AUU(4000 / static_cast<long double>(state.Wavelength)));
  // At program start the design's gain is 0 dBd: about 158.7 degrees.
  EXPECT_NEAR(static_cast<double>(bs::design::BeamWidth(0)), 158.7, 0.05);
}

using StackingTest = CalculatorTest;

TEST_F(StackingTest, WorkedExamplesInBothPlanes) {
  struct Case {
    const char* beamwidth;
    int plane;
    const char* text;
  } cases[] = {
      {"30", 0,
       "Estimated gain of antenna:\t14.5 dBd\r\nVertical stacking distance:\t4022 mm\r\n"
       "Estimated horiz. stacking:\t4125 mm\r\nEstimated gain of array:\t17.3 dBd\r\n"},
      {"30", 1,
       "Estimated gain of antenna:\t14.5 dBd\r\nHorizontal stacking distance:\t4022 mm\r\n"
       "Estimated vertical stacking:\t3922 mm\r\nEstimated gain of array:\t17.3 dBd\r\n"},
      {"60", 0,
       "Estimated gain of antenna:\t8.4 dBd\r\nVertical stacking distance:\t2082 mm\r\n"
       "Estimated horiz. stacking:\t2248 mm\r\nEstimated gain of array:\t11.3 dBd\r\n"},
      {"30", -1, "Estimated gain of antenna:\t14.5 dBd\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.beamwidth) + " plane " + std::to_string(c.plane));
    std::string memo = "earlier";
    bs::calculators::FindBeamGain(state, "144.1", c.beamwidth, c.plane, memo);
    EXPECT_EQ(memo, c.text);
    EXPECT_NEAR(state.Wavelength, 2081.89, 0.005);
  }
}

TEST_F(StackingTest, RatioTableBoundaries) {
  using bs::calculators::StackRatio;
  EXPECT_EQ(StackRatio(5.0), 88.0);     // a = 50
  EXPECT_EQ(StackRatio(5.1), 89.9);     // a = 51
  EXPECT_EQ(StackRatio(5.05), 88.0);    // 50.5 rounds to the even 50
  EXPECT_EQ(StackRatio(14.469), 97.5);  // a = 145
  EXPECT_EQ(StackRatio(8.4496), 92.6);  // a = 84
  EXPECT_EQ(StackRatio(-0.04), 88.0);   // a = 0
  EXPECT_EQ(StackRatio(-0.06), 98.7);   // negative a
  EXPECT_EQ(StackRatio(16.5), 98.6);    // a = 165
  EXPECT_EQ(StackRatio(16.55), 98.7);   // a = 166 (165.5 to even)
  EXPECT_EQ(StackRatio(30), 98.7);
  EXPECT_DOUBLE_EQ(static_cast<double>(bs::calculators::VerticalFromHorizontal(1000, 14.469)), 975);
  EXPECT_DOUBLE_EQ(static_cast<double>(bs::calculators::HorizontalFromVertical(975, 14.469)), 1000);
}

TEST_F(StackingTest, VeryWideAndVeryNarrowBeams) {
  std::string memo;
  // Above about 159.66 degrees the gain is below -0.05 dBd and the ratio 98.7.
  const auto wide = bs::calculators::FindBeamGain(state, "144.1", "170", 0, memo);
  EXPECT_LT(wide.gain, -0.05);
  EXPECT_NEAR(wide.otherDistance, wide.distance * 100 / 98.7, 1e-6);
  // Five significant digits: a distance of 100000 mm or more shows in exponent form.
  bs::calculators::FindBeamGain(state, "144.1", "1", 0, memo);
  EXPECT_NE(memo.find("Vertical stacking distance:\t1.1929E5 mm"), std::string::npos) << memo;
}

TEST_F(StackingTest, NegativeBeamwidthIsRefusedAndZeroDividesByZero) {
  std::string memo = "earlier";
  try {
    bs::calculators::FindBeamGain(state, "432", "-30", 0, memo);
    FAIL();
  } catch (const bs::calculators::Refusal& e) {
    EXPECT_STREQ(e.what(), "Beamwidth must be greater than 0");
  }
  EXPECT_EQ(memo, "earlier");
  EXPECT_EQ(state.DesignFreq, 432);
  try {
    bs::calculators::FindBeamGain(state, "144.1", "0", 0, memo);
    FAIL();
  } catch (const bs::MathError& e) {
    EXPECT_STREQ(e.what(), bs::kDivisionByZero);
  }
  EXPECT_EQ(memo, "earlier");
  // A frequency of 0 fails after the gain line.
  EXPECT_THROW(bs::calculators::FindBeamGain(state, "0", "30", 0, memo), bs::MathError);
  EXPECT_EQ(memo, "Estimated gain of antenna:\t14.5 dBd\r\n");
  EXPECT_THROW(bs::calculators::FindBeamGain(state, "144.1", "x", 0, memo), bs::ConvertError);
}

TEST_F(StackingTest, CommaLocaleReadsItsOwnSeparator) {
  bs::SetDecimalSeparator(',');
  std::string memo;
  bs::calculators::FindBeamGain(state, "144,1", "60", 0, memo);
  EXPECT_EQ(memo.substr(0, memo.find("\r\n")), "Estimated gain of antenna:\t8,4 dBd");
  EXPECT_THROW(bs::calculators::FindBeamGain(state, "144.1", "60", 0, memo), bs::ConvertError);
}

}  // namespace
