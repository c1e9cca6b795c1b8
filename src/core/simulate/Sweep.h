#pragma once
// A frequency sweep of a NEC-2 model with nec2c: the sweep is cut into sub-ranges that run as
// parallel nec2c processes, one per core, plus one run for the pattern cuts at the design
// frequency; the printed outputs are read back into one table.
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "core/simulate/ChildProcess.h"

namespace bs::simulate {

struct SweepRequest {
  // Every card before the frequency cards: comments, wires, GE, EK, EX, PT.
  std::string geometryCards;
  double designMhz = 0;
  double spanPercent = 5;  // the sweep runs from design - span % to design + span %
  int steps = 41;
  double referenceOhm = 50;  // for the SWR
  std::string engine = "nec2c";
  unsigned processes = 0;                                         // 0: one per core
  std::chrono::milliseconds timeLimit{std::chrono::minutes(10)};  // for each process
};

struct SweepPoint {
  double mhz = 0;
  bool ok = false;  // false: nec2c gave no usable result at this frequency
  double forwardDbi = 0;
  double backDbi = 0;
  double frontToBackDb = 0;
  std::complex<double> impedance;
  double swr = 0;
};

struct CutPoint {
  double angleDeg = 0;  // from straight ahead, 0 to 360
  double gainDbi = 0;
};

struct PatternCut {
  std::vector<CutPoint> points;
  double beamwidthDeg = 0;  // between the -3 dB points around the peak; 360 when never 3 dB down
};

struct SweepResult {
  double designMhz = 0;
  double referenceOhm = 0;
  std::vector<SweepPoint> points;
  PatternCut ePlane;
  PatternCut hPlane;
};

// Called from the worker threads (one call at a time) as sub-ranges finish.
using ProgressFn = std::function<void(int done, int total)>;

inline constexpr int kMaxSteps = 1001;

// Checks the request; raises SimulationError with the message for a bad value.
void CheckSweepRequest(const SweepRequest& request);

// The sweep frequencies, evenly spaced, the design frequency in the middle for an odd count.
std::vector<double> SweepFrequencies(double designMhz, double spanPercent, int steps);

// Runs the sweep. Raises EngineMissingError when nec2c is not installed, SimulationCancelled
// when `cancelled` turns true, SimulationError for a run or an output that fails.
SweepResult RunSweep(const SweepRequest& request, const ProgressFn& progress,
                     const CancelCheck& cancelled);

double Swr(std::complex<double> impedance, double referenceOhm);
double BeamwidthDeg(const std::vector<CutPoint>& cut);
// The sweep point nearest the design frequency (nullptr for an empty sweep).
const SweepPoint* DesignPoint(const SweepResult& result);

}  // namespace bs::simulate
