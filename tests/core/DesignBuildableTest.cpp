// Designs whose dimensions could not be cut are refused with their cause, before any result is
// shown; the worked examples pass.
#include <gtest/gtest.h>

#include <string>

#include "DesignTestSupport.h"
#include "core/design/Buildable.h"
#include "core/platform/Errors.h"

namespace design_test {
namespace {

struct Unbuildable {
  const char* name;
  const char* freq;
  const char* bend;
  const char* gap;
  const char* boom;
  const char* elementDiam;
  const char* message;
};

class DesignBuildable : public DesignTest, public ::testing::WithParamInterface<Unbuildable> {};

TEST_P(DesignBuildable, IsRefusedWithItsCause) {
  const Unbuildable& c = GetParam();
  ExampleA();
  entries.edit[bs::design::kFreqBox] = c.freq;
  bs::design::ApplyBandPresets(entries);
  if (*c.bend) entries.edit[bs::design::kBendBox] = c.bend;
  if (*c.gap) entries.edit[bs::design::kGapBox] = c.gap;
  if (*c.boom) entries.edit[bs::design::kBoomBox] = c.boom;
  if (*c.elementDiam) {
    entries.edit[bs::design::kElemDiamBox] = c.elementDiam;
    entries.edit[bs::design::kDipoleDiamBox] = c.elementDiam;
  }
  bs::design::SaveEntries(entries, state);
  bs::design::StoreDesignInputs(entries, state);
  const bs::YagiVar::State before = state;
  try {
    bs::design::RefuseUnbuildableDesign(state);
    FAIL() << "not refused";
  } catch (const bs::Error& e) {
    EXPECT_EQ(std::string(e.what()), c.message);
  }
  // the trial calculation leaves the stored design as it was
  EXPECT_EQ(state.ElementDiam, before.ElementDiam);
  EXPECT_EQ(state.ReflectorLength, before.ReflectorLength);
  // and the full calculation's table is refused the same way
  Calculate();
  EXPECT_THROW(bs::design::CheckBuildable(state), bs::Error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignBuildable,
    ::testing::Values(
        // at 10 GHz the preset boom is wider than the single dipole is long
        Unbuildable{"Presets10GHz", "10000", "", "", "", "", bs::design::kBoomTooThick},
        Unbuildable{"Rods30mmAt10GHz", "10000", "", "", "1", "30", bs::design::kElementsTooThick},
        Unbuildable{"Bend2000On144", "144.1", "2000", "", "", "", bs::design::kBendTooLarge},
        Unbuildable{"Gap1200On144", "144.1", "", "1200", "", "", bs::design::kBendTooLarge},
        Unbuildable{"Boom1000On144", "144.1", "", "", "1000", "", bs::design::kBoomTooThick}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesignTest, WorkedExamplesAreBuildable) {
  ExampleA();
  Calculate();
  EXPECT_NO_THROW(bs::design::CheckBuildable(state));
  ExampleB();
  Calculate();
  EXPECT_NO_THROW(bs::design::CheckBuildable(state));
}

}  // namespace
}  // namespace design_test
