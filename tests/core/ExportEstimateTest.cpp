// The frequency estimate: the bounded search against the plain 1 kHz walk, and the checks.
#include <gtest/gtest.h>

#include <functional>

#include "core/export/Estimate.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"

namespace {

namespace ex = bs::exporting;

// The walk as it is defined: F := F - 0.001 until the computed length is within 0.01 mm.
ex::EstimateResult Walk(double f, double typed, const std::function<double(double)>& length) {
  std::int64_t n = 0;
  do {
    f = f - 0.001;
    ++n;
    if (!(f > 0)) bs::ThrowInvalidOperation();
  } while (!(typed - length(f) < 0.01));
  return {f, n, {}};
}

ex::EstimateResult WalkDipole(double length, double diameter) {
  return Walk(ex::DipoleStartFreq(length), length,
              [&](double f) { return ex::DipoleStep(f, diameter).length; });
}

ex::EstimateResult WalkReflector(double length, double diameter, double boom, int mounting) {
  return Walk(ex::ReflectorStartFreq(length), length,
              [&](double f) { return ex::ReflectorStep(f, diameter, boom, mounting).length; });
}

void ExpectSameStep(const ex::EstimateResult& walk, const ex::EstimateResult& search,
                    const std::string& what) {
  EXPECT_EQ(search.steps, walk.steps) << what;
  EXPECT_EQ(search.freqMHz, walk.freqMHz) << what;
}

TEST(EstimateTest, WorkedCases) {
  bs::SetDecimalSeparator('.');
  const auto reflector = ex::SearchReflector(1000, 10, 0, 2);
  EXPECT_NEAR(reflector.freqMHz, 146.17, 0.01);
  EXPECT_EQ(ex::EstimateText(reflector), "146.2");
  const auto dipole = ex::SearchDipole(980, 10);
  EXPECT_NEAR(dipole.freqMHz, 144.108, 0.001);
  EXPECT_EQ(ex::EstimateText(dipole), "144.1");
}

TEST(EstimateTest, SearchStopsAtTheWalksStepForDipoles) {
  for (const double length : {340.0, 980.0, 3000.0, 2.5e5})
    for (const double diameter : {0.5, 4.0, 10.0, 30.0}) {
      const std::string what = std::to_string(length) + " mm, " + std::to_string(diameter);
      ExpectSameStep(WalkDipole(length, diameter), ex::SearchDipole(length, diameter), what);
    }
}

TEST(EstimateTest, SearchStopsAtTheWalksStepForReflectors) {
  for (const double length : {480.0, 1000.0, 3000.0})
    for (const double diameter : {1.0, 10.0, 30.0})
      for (const double boom : {0.0, 25.0, 90.0})
        for (const int mounting : {0, 1, 2, -1}) {
          const std::string what = std::to_string(length) + " mm, " + std::to_string(diameter) +
                                   ", boom " + std::to_string(boom) + ", mount " +
                                   std::to_string(mounting);
          ExpectSameStep(WalkReflector(length, diameter, boom, mounting),
                         ex::SearchReflector(length, diameter, boom, mounting), what);
        }
}

// Elements thicker than about a third of a wavelength put the reflector formula's pole on the
// walk's road; the walk stops before it.
TEST(EstimateTest, ThickReflectorStopsBeforeThePoleLikeTheWalk) {
  for (const double diameter : {150.0, 250.0, 400.0, 1000.0})
    ExpectSameStep(WalkReflector(300, diameter, 0, 2), ex::SearchReflector(300, diameter, 0, 2),
                   std::to_string(diameter));
}

TEST(EstimateTest, WalkThatWouldReachZeroRaisesInvalidOperation) {
  for (const double length : {-980.0, 2e8}) {
    try {
      ex::SearchDipole(length, 10);
      FAIL() << length;
    } catch (const bs::MathError& e) {
      EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
  }
  EXPECT_THROW(ex::SearchDipole(980, -10), bs::MathError);
  EXPECT_THROW(ex::SearchDipole(1e-11, 10), bs::MathError) << "a walk that cannot move";
}

TEST(EstimateTest, OneMillimetreDipoleEndsAfterMillionsOfSteps) {
  const auto r = ex::SearchDipole(1, 1);
  EXPECT_GT(r.steps, 30'000'000);
  EXPECT_LT(1 - r.last.length, 0.01);
}

class CalcFfromRefTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bs::SetDecimalSeparator('.');
    bs::YagiVar::StartUp(state);
    auto& t = state.YOText;
    t[39] = "1000";
    t[38] = "25";
    t[1] = "10";
    t[3] = "980";
    t[4] = "10";
    t[37] = "0";
    state.YOBoomMountText = "2";
  }
  bs::YagiVar::State state;
};

TEST_F(CalcFfromRefTest, ChecksInTheirOrder) {
  struct Case {
    int box;
    const char* text;
    const char* mount;
    const char* message;
  };
  const Case cases[] = {
      {39, "", "2", "Reflector Length box empty or zero!"},
      {38, "0", "0", "Boom Diameter box empty or zero!"},
      {1, "", "1", "Dipole Diameter box empty or zero!"},
      {3, "0", "2", "Dipole length box empty or zero!"},
      {4, "", "2", "Reflector Diameter box empty or zero!"},
  };
  for (const Case& c : cases) {
    bs::YagiVar::State s = state;
    s.YOText[c.box] = c.text;
    s.YOBoomMountText = c.mount;
    const bs::BoxProblem p = ex::CheckEstimateTexts(s);
    EXPECT_EQ(p.box, c.box);
    EXPECT_EQ(p.message, c.message);
  }
  state.YOText[38] = "";
  EXPECT_FALSE(ex::CheckEstimateTexts(state)) << "a non-metal boom needs no diameter";
  state.YOText[39] = "";
  state.YOText[4] = "x";
  EXPECT_THROW(ex::CheckEstimateTexts(state), bs::ConvertError) << "all boxes are read first";
}

TEST_F(CalcFfromRefTest, EachItemOfCalculateFrequencyFrom) {
  state.YOFreqFromText = "0";
  EXPECT_EQ(ex::RunEstimate(state), ex::EstimateAction::kEstimated);
  EXPECT_EQ(state.YOText[37], "146.2");
  state.YOFreqFromText = "1";
  EXPECT_EQ(ex::RunEstimate(state), ex::EstimateAction::kEstimated);
  EXPECT_EQ(state.YOText[37], "144.1");
  EXPECT_NEAR(state.SingleDipoleLength, 980, 0.01);
  EXPECT_NEAR(state.Wavelength, 299793 / 144.108, 0.05);
  state.YOFreqFromText = "2";
  ex::RunEstimate(state);
  EXPECT_EQ(state.YOText[37], ex::EstimateText(ex::SearchDipole(980 * 100.0 / 102, 10)));
  state.YOFreqFromText = "3";
  state.YOText[37] = "145";
  EXPECT_EQ(ex::RunEstimate(state), ex::EstimateAction::kFrequencyEditable);
  EXPECT_EQ(state.YOText[37], "145");
  state.YOFreqFromText = "-1";
  EXPECT_EQ(ex::RunEstimate(state), ex::EstimateAction::kNothing);
}

TEST_F(CalcFfromRefTest, NegativeReflectorDiameterEndsSilently) {
  state.YOFreqFromText = "0";
  state.YOText[4] = "-10";
  EXPECT_EQ(ex::RunEstimate(state), ex::EstimateAction::kNothing);
  EXPECT_EQ(state.YOText[37], "0");
}

TEST_F(CalcFfromRefTest, FailedSearchChangesNothing) {
  state.YOFreqFromText = "1";
  state.YOText[3] = "-980";
  state.Wavelength = 7;
  EXPECT_THROW(ex::RunEstimate(state), bs::MathError);
  EXPECT_EQ(state.YOText[37], "0");
  EXPECT_EQ(state.Wavelength, 7);
}

}  // namespace
