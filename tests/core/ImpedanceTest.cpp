// Parallel rods and the quarter-wave transformer: the worked examples, the searches' grids and
// bounds, the range warnings and the refused entries.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/calculators/Calculators.h"
#include "core/platform/Numbers.h"

namespace {

namespace calc = bs::calculators;
using calc::RodShape;
using calc::RodUnknown;

class ImpedanceTest : public ::testing::Test {
 protected:
  void SetUp() override { bs::SetDecimalSeparator('.'); }
  void TearDown() override { bs::SetDecimalSeparator('.'); }
};

TEST_F(ImpedanceTest, RodWorkedExamples) {
  struct Case {
    RodUnknown unknown;
    RodShape shape;
    const char *d, *s, *z;
    const char* text;
    const char* warning;
  } cases[] = {
      {RodUnknown::Impedance, RodShape::Round, "9.5", "12.8", "", "99.8", ""},
      {RodUnknown::Impedance, RodShape::Square, "9.5", "12.8", "", "162.0", ""},
      {RodUnknown::CrossSection, RodShape::Round, "", "12.8", "100", "9.5", ""},
      {RodUnknown::CrossSection, RodShape::Round, "", "12.8", "200", "Out of range",
       calc::kRoundRangeWarning},
      {RodUnknown::Separation, RodShape::Round, "9.5", "", "100", "12.8", ""},
      // close spacing: the round polynomial goes negative, with the warning
      {RodUnknown::Impedance, RodShape::Round, "10", "5", "", "-170.5", calc::kRoundRangeWarning},
      {RodUnknown::CrossSection, RodShape::Square, "", "10", "400", "Out of range",
       calc::kSquareRangeWarning},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " " + c.d + "/" + c.s + "/" + c.z);
    const auto r = calc::CalculateRods(c.unknown, c.shape, c.d, c.s, c.z);
    EXPECT_EQ(r.text, c.text);
    EXPECT_EQ(r.warning, c.warning);
  }
}

TEST_F(ImpedanceTest, SearchGridsAndTheirFirstPoints) {
  EXPECT_NEAR(static_cast<double>(*calc::SearchRodX(RodShape::Round, 100, 0.0001L)), 1.3482, 1e-9);
  EXPECT_NEAR(static_cast<double>(*calc::SearchRodX(RodShape::Round, 100, 0.001L)), 1.3489, 1e-9);
  // A wanted impedance below the first grid value is answered with the first point.
  EXPECT_NEAR(static_cast<double>(*calc::SearchRodX(RodShape::Round, 30, 0.0001L)), 1.05, 1e-12);
  EXPECT_NEAR(static_cast<double>(*calc::SearchRodX(RodShape::Square, 5, 0.0001L)), 0.04, 1e-12);
  EXPECT_NEAR(static_cast<double>(*calc::SearchRodX(RodShape::Round, 30, 0.001L)), 1.0509, 1e-12);
  EXPECT_NEAR(static_cast<double>(*calc::SearchRodX(RodShape::Square, 5, 0.001L)), 0.0409, 1e-12);
  EXPECT_EQ(calc::SearchRodX(RodShape::Square, 400, 0.001L), std::nullopt);
  EXPECT_EQ(
      calc::SearchRodX(RodShape::Round, std::numeric_limits<long double>::quiet_NaN(), 0.0001L),
      std::nullopt);
  // Below the fit: the first point and the warning.
  const auto low = calc::CalculateRods(RodUnknown::Separation, RodShape::Round, "10", "", "30");
  EXPECT_EQ(low.text, "10.5");
  EXPECT_EQ(low.warning, calc::kRoundRangeWarning);
}

TEST_F(ImpedanceTest, EntriesThatAreNotNumbersOrDivideByZero) {
  try {
    calc::CalculateRods(RodUnknown::Impedance, RodShape::Round, "9,5", "12.8", "");
    FAIL();
  } catch (const calc::Refusal& e) {
    EXPECT_STREQ(e.what(), "Error in one of the entry boxes");
  }
  // The unknown's box is not read.
  EXPECT_NO_THROW(calc::CalculateRods(RodUnknown::Impedance, RodShape::Round, "9.5", "12.8", "x"));
  EXPECT_THROW(calc::CalculateRods(RodUnknown::Impedance, RodShape::Round, "0", "12.8", ""),
               bs::MathError);
  EXPECT_THROW(calc::CalculateRods(RodUnknown::Impedance, RodShape::Square, "-5", "5", ""),
               bs::MathError);
}

TEST_F(ImpedanceTest, QuarterWaveTransformer) {
  auto e = calc::ParseQuarterWave("144.0", "200", "50", "1.0");
  EXPECT_EQ(bs::FormatFixed(calc::QuarterWaveLength(e), 5, 1), "520.5");
  EXPECT_EQ(bs::FormatFixed(calc::QuarterWaveImpedance(e), 5, 1), "100.0");
  e.velocityFactor = 0.66L;
  EXPECT_EQ(bs::FormatFixed(calc::QuarterWaveLength(e), 5, 1), "343.5");
  EXPECT_THROW(calc::ParseQuarterWave("144.0", "200", "", "1.0"), calc::Refusal);
  e.freq = 0;
  EXPECT_THROW(calc::QuarterWaveLength(e), bs::MathError);
  e.zin = -200;
  EXPECT_THROW(calc::QuarterWaveImpedance(e), bs::MathError);
}

}  // namespace
