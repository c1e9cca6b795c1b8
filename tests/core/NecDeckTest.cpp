// The NEC-2 deck of a design, read back card by card, and a real nec2c sweep of a design.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "DesignTestSupport.h"
#include "core/export/ElementTable.h"
#include "core/export/NecDeck.h"
#include "core/simulate/ChildProcess.h"
#include "core/simulate/SimulationError.h"
#include "support/TextFiles.h"

namespace {

using namespace bs::exporting;

struct Card {
  std::string name;
  std::vector<double> fields;
};

// The deck as cards: a name and its numbers, comment cards keep their text as the name.
std::vector<Card> ParseDeck(const std::string& deck) {
  std::vector<Card> cards;
  for (const auto& line : testing_support::SplitLines(deck)) {
    std::istringstream in(line);
    in.imbue(std::locale::classic());
    Card card;
    in >> card.name;
    if (card.name == "CM") {
      card.name = line;
    } else {
      for (double v; in >> v;) card.fields.push_back(v);
    }
    cards.push_back(card);
  }
  return cards;
}

std::vector<Card> Named(const std::vector<Card>& cards, const std::string& name) {
  std::vector<Card> found;
  std::copy_if(cards.begin(), cards.end(), std::back_inserter(found),
               [&](const Card& c) { return c.name == name; });
  return found;
}

double Length(const Card& gw) {
  const auto& f = gw.fields;
  return std::hypot(f[5] - f[2], f[6] - f[3], f[7] - f[4]);
}

class NecDeckTest : public design_test::DesignTest {};

TEST_F(NecDeckTest, ExampleADeckReadBack) {
  ExampleA();
  Calculate();
  const std::string deck = NecDeckText(state, {});
  EXPECT_NE(deck.find("\r\n"), std::string::npos);
  const auto cards = ParseDeck(deck);
  const auto wires = Named(cards, "GW");
  ASSERT_EQ(wires.size(), 10u);  // driven element, reflector, 8 directors
  struct Expect {
    double x, length, radius;
  };
  const Expect want[] = {
      {0, 0.98004, 0.005}, {-0.41609, 1.01641, 0.0035}, {0.15603, 0.92688, 0.0035}};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(wires[i].fields[0], static_cast<double>(i + 1));  // tags in order
    EXPECT_NEAR(wires[i].fields[2], want[i].x, 1e-5);
    EXPECT_EQ(wires[i].fields[2], wires[i].fields[5]);  // straight across the boom
    EXPECT_NEAR(Length(wires[i]), want[i].length, 1e-5);
    EXPECT_NEAR(wires[i].fields[8], want[i].radius, 1e-9);
  }
  EXPECT_NEAR(wires[9].fields[2], 4.46255 - 0.41609, 1e-5);  // director 8 (boom 4492.55 - 30)
  EXPECT_NEAR(Length(wires[9]), 0.87530, 1e-5);
  const double lambda = 299.792 / 144.1;
  for (const auto& w : wires) {
    const int segments = static_cast<int>(w.fields[1]);
    EXPECT_EQ(segments % 2, 1);
    EXPECT_LE(Length(w) / segments, lambda / 40 + 1e-9);
  }
  // Source on the centre segment of the driven element.
  const auto ex = Named(cards, "EX");
  ASSERT_EQ(ex.size(), 1u);
  EXPECT_EQ(ex[0].fields[1], 1);
  EXPECT_EQ(ex[0].fields[2], (wires[0].fields[1] + 1) / 2);
  // 7 mm rods at 144 MHz are thin: no extended kernel.
  EXPECT_TRUE(Named(cards, "EK").empty());
  const auto fr = Named(cards, "FR");
  ASSERT_EQ(fr.size(), 2u);
  EXPECT_EQ(fr[0].fields[1], 41);
  EXPECT_NEAR(fr[0].fields[4], 144.1 * 0.95, 1e-6);
  EXPECT_NEAR(fr[0].fields[4] + 40 * fr[0].fields[5], 144.1 * 1.05, 1e-6);
  EXPECT_EQ(fr[1].fields[4], 144.1);
  EXPECT_EQ(Named(cards, "RP").size(), 3u);
  EXPECT_EQ(cards.back().name, "EN");
}

TEST_F(NecDeckTest, MetalBoomDesignIsModelledWithItsNonMetalLengths) {
  ExampleB();  // bonded through a 25 mm square boom: 9.44 mm of boom correction
  Calculate();
  const std::string deck = NecDeckText(state, {});
  const auto wires = Named(ParseDeck(deck), "GW");
  EXPECT_NEAR(Length(wires[0]), 0.98004, 1e-5);  // the dipole gets no correction
  EXPECT_NEAR(Length(wires[1]), 1.016, 1e-9);    // round(1025.86 - 9.44)
  EXPECT_NEAR(Length(wires[2]), 0.927, 1e-9);    // round(936.32 - 9.44)
  EXPECT_NE(
      deck.find("CM Designed bonded through a metal boom; modelled with non-metal lengths:\r\n"
                "CM reflector and directors less the boom correction, 9.44 mm (whole mm)"),
      std::string::npos);
  for (const auto& line : testing_support::SplitLines(deck)) EXPECT_LE(line.size(), 80u) << line;
}

TEST_F(NecDeckTest, FoldedDipoleIsTheSixWiresFedOnTheFirst) {
  ExampleA();
  Calculate();
  const auto cards = ParseDeck(NecDeckText(state, {true}));
  const auto wires = Named(cards, "GW");
  ASSERT_EQ(wires.size(), 15u);
  const auto folded = FoldedDipoleWires(state);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_NEAR(wires[i].fields[3], folded[i].y1, 1e-9);
    EXPECT_NEAR(wires[i].fields[7], folded[i].z2, 1e-9);
  }
  const auto ex = Named(cards, "EX");
  EXPECT_EQ(ex[0].fields[1], 1);
  EXPECT_EQ(ex[0].fields[2], (wires[0].fields[1] + 1) / 2);
  EXPECT_EQ(NecSweepRequest(state, {true}).referenceOhm, 200);
  EXPECT_EQ(NecSweepRequest(state, {}).referenceOhm, 50);
}

TEST_F(NecDeckTest, ThickElementsSwitchOnTheExtendedKernel) {
  ExampleA();
  entries.edit[bs::design::kFreqBox] = "1296";
  entries.edit[bs::design::kElemDiamBox] = "8";
  Calculate();
  EXPECT_NE(NecDeckText(state, {}).find("\r\nEK\r\n"), std::string::npos);
}

TEST_F(NecDeckTest, NoDesignNoDeck) {
  EXPECT_THROW(NecDeckText(state, {}), bs::Error);
  ExampleA();
  Calculate();
  state.FoldedTipToTip = state.FoldedBendSpan = state.FoldedBendDiam = 0;
  EXPECT_THROW(NecDeckText(state, {true}), bs::Error);
}

TEST(NecSegmentsTest, OddCountsOfAtMostAFortiethWavelength) {
  struct Case {
    double length, lambda;
    int segments;
  } cases[] = {{0.5, 2, 11}, {0.49, 2, 11}, {0.45, 2, 9}, {0.0001, 2, 1}, {1, 2, 21}};
  for (const auto& c : cases) EXPECT_EQ(SegmentCount(c.length, c.lambda), c.segments) << c.length;
}

TEST_F(NecDeckTest, SixDirectorDesignPeaksAboveItsFrequency) {
  if (bs::simulate::FindProgram("nec2c").empty()) GTEST_SKIP() << "nec2c is not installed";
  ExampleA();
  entries.edit[bs::design::kDirectorsBox] = "6";
  Calculate();
  const double reportDbi = state.DirectorGain + 2.15;
  const auto result = bs::simulate::RunSweep(NecSweepRequest(state, {}), {}, {});
  const auto peak =
      std::max_element(result.points.begin(), result.points.end(),
                       [](const auto& a, const auto& b) { return a.forwardDbi < b.forwardDbi; });
  for (const auto& p : result.points) ASSERT_TRUE(p.ok) << p.mhz;
  const double above = (peak->mhz / 144.1 - 1) * 100;
  EXPECT_GE(above, 0.5);
  EXPECT_LE(above, 5);
  const auto* design = bs::simulate::DesignPoint(result);
  EXPECT_NEAR(design->forwardDbi, reportDbi, 1.0);
  EXPECT_GT(design->frontToBackDb, 10);
}

}  // namespace
