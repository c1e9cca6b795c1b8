// Folded dipole details: the K table with its jumps, the flat-plane line for the ratio cases,
// and the values left for the MMANA-GAL writer.
#include "DesignTestSupport.h"

namespace design_test {
namespace {

TEST(FindKTest, TablePiecesAndTheirJumps) {
  const struct {
    int ratio;
    double k;
  } cases[] = {
      {10, 0.92},        {15, 0.935},      {16, 0.9355},       {20, 0.9509},     {21, 0.9436},
      {30, 0.9517},      {31, 0.9501},     {50, 0.956598},     {51, 0.95701},    {75, 0.9639196},
      {76, 0.9658915},   {100, 0.9689803}, {101, 0.965131},    {200, 0.9681307}, {201, 0.975135},
      {1000, 0.9851225}, {1001, 0.978495}, {10000, 0.9829945}, {10001, 0.98},    {2000000000, 0.98},
  };
  for (const auto& c : cases) EXPECT_NEAR(bs::design::FindK(c.ratio), c.k, 1e-12) << c.ratio;
}

// The flat-plane part of line 13 for a folded dipole F mm long with bends of Db mm.
class FlatPlaneTest : public DesignTest {
 protected:
  std::string ResonanceFor(double tipToTip, double bend) {
    ExampleA();
    Calculate();
    state.FoldedDipoleLength = tipToTip;
    state.DipoleBendDiam = bend;
    bs::design::Report details;
    bs::design::FoldedDipoleDetails(state, details);
    const std::string& text = details.Text();
    const std::string lead = "then its resonant frequency is ";
    const auto from = text.find(lead) + lead.size();
    return text.substr(from, text.find("\r\n", from) - from);
  }
};

TEST_F(FlatPlaneTest, RatioCases) {
  const struct {
    double tipToTip, bend;
    const char* resonance;
  } cases[] = {
      {999.64, 50, "142.6MHz and K is 0.951"},                          // R 19.99 -> 20
      {475, 50, "less than the flat plane algorithm's range of 10:1"},  // R 9.5
      {520, 50, "265.2MHz and K is 0.920"},                             // R 10.4 -> 10
      {1025, 50, "139.1MHz and K is 0.951"},                            // R 20.5 -> 20
      {1000, 0.05, "146.9MHz and K is 0.980"},                          // R 20000
      {1000, 1e-300, "146.9MHz and K is 0.980"},                        // too large to round
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResonanceFor(c.tipToTip, c.bend), c.resonance) << c.tipToTip << " / " << c.bend;
}

TEST_F(DesignTest, ValuesForTheModellingFile) {
  ExampleA();
  Calculate();
  EXPECT_EQ(state.FoldedTipToTip, state.FoldedDipoleLength);
  EXPECT_DOUBLE_EQ(state.FoldedBendSpan, state.FoldedDipoleLength - 50);
  EXPECT_EQ(state.FoldedBendDiam, 50);
}

TEST(FoldedGeometryTest, MeasuringPointsOfTheWorkedExample) {
  const auto g = bs::design::FoldedDipoleGeometry(999.64, 50, 10);
  EXPECT_NEAR(static_cast<double>(g.totalRod), 2046.36, 0.005);
  EXPECT_NEAR(static_cast<double>(g.hi), 469.82, 0.005);
  EXPECT_NEAR(static_cast<double>(g.ha), 509.09, 0.005);
  EXPECT_NEAR(static_cast<double>(g.hb), 548.36, 0.005);
  EXPECT_NEAR(static_cast<double>(g.bc), 474.82, 0.005);
  EXPECT_NEAR(static_cast<double>(g.hc), static_cast<double>(g.totalRod / 2), 1e-9);
}

}  // namespace
}  // namespace design_test
