#pragma once
// Shared set-up for the design tests: a fresh state after start-up, scripted dialogs, a pinned
// decimal separator and the two worked examples.
#include <gtest/gtest.h>

#include <string>

#include "design/Design.h"
#include "platform/Numbers.h"
#include "state/YagiVar.h"
#include "support/ScriptedDialogs.h"

namespace design_test {

class DesignTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bs::SetDecimalSeparator('.');
    YagiVar::StartUp(state);
    entries = design::EntriesFromState(state);
  }
  void TearDown() override { bs::SetDecimalSeparator('.'); }

  // Example A: 144.1 MHz, 8 directors of 7 mm, round 25 mm boom, non-metal mounting, 10 mm
  // dipole fully insulated, bend 50, gap 10.
  void ExampleA() {
    entries.edit[design::kGapBox] = "10";
    entries.radio = {0, 1, 2, 0, 0, 1};
  }
  // Example B: as A with a square boom, bonded mounting and the dipole mounted likewise.
  void ExampleB() {
    ExampleA();
    entries.radio = {0, 0, 0, 0, 0, 0};
  }
  // Calculate: save the boxes, store the inputs, run the calculation.
  void Calculate() {
    design::SaveEntries(entries, state);
    design::StoreDesignInputs(entries, state);
    design::Yagidimensions(state, report);
  }

  YagiVar::State state;
  design::DesignEntries entries;
  design::Report report;
  testing_support::ScriptedDialogs dialogs;
};

inline bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace design_test
