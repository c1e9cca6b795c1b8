#pragma once
// Shared set-up for the design tests: a fresh state after start-up, scripted dialogs, a pinned
// decimal separator and the two worked examples.
#include <gtest/gtest.h>

#include <string>

#include "core/design/Design.h"
#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"
#include "support/ScriptedDialogs.h"

namespace design_test {

class DesignTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bs::SetDecimalSeparator('.');
    bs::YagiVar::StartUp(state);
    entries = bs::design::EntriesFromState(state);
  }
  void TearDown() override { bs::SetDecimalSeparator('.'); }

  // Example A: 144.1 MHz, 8 directors of 7 mm, round 25 mm boom, non-metal mounting, 10 mm
  // dipole fully insulated, bend 50, gap 10.
  void ExampleA() {
    entries.edit[bs::design::kGapBox] = "10";
    entries.radio = {0, 1, 2, 0, 0, 1};
  }
  // Example B: as A with a square boom, bonded mounting and the dipole mounted likewise.
  void ExampleB() {
    ExampleA();
    entries.radio = {0, 0, 0, 0, 0, 0};
  }
  // Calculate: save the boxes, store the inputs, run the calculation.
  void Calculate() {
    bs::design::SaveEntries(entries, state);
    bs::design::StoreDesignInputs(entries, state);
    bs::design::Yagidimensions(state, report);
  }

  bs::YagiVar::State state;
  bs::design::DesignEntries entries;
  bs::design::Report report;
  testing_support::ScriptedDialogs dialogs;
};

inline bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace design_test
