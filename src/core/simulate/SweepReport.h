#pragma once
// A finished sweep as text: the table printed by the command line and the Simulate screen's
// Print, and the CSV file of "Save CSV".
#include <string>

#include "core/simulate/Sweep.h"

namespace bs::simulate {

// What the design report estimated, to set beside the simulation (absent for typed
// dimensions, which have no report).
struct ReportEstimate {
  bool present = false;
  double gainDbi = 0;
  double beamwidthDeg = 0;
};

// The table: a heading, one row per frequency ("failed" where nec2c gave nothing), then the
// design-frequency figures beside the report's estimates. Decimals use the user's separator;
// lines end with LF.
std::string SweepTableText(const SweepResult& result, const ReportEstimate& estimate);

// The heading and one row per frequency, the first part of SweepTableText.
std::string SweepRowsText(const SweepResult& result);
// The design-frequency figures beside the report's estimates, the last part of SweepTableText.
std::string DesignFiguresText(const SweepResult& result, const ReportEstimate& estimate);

// Comma-separated values with a full stop as the decimal separator, one header line, one line
// per frequency (empty fields where nec2c gave nothing), lines ended by `lineEnd`.
std::string SweepCsv(const SweepResult& result, const std::string& lineEnd);

}  // namespace bs::simulate
