#pragma once
// Reader of the printed output of the NEC-2 engine nec2c: per frequency block, the feed
// impedance of the first source and the radiation-pattern tables that followed it.
#include <complex>
#include <string>
#include <string_view>
#include <vector>

namespace bs::simulate {

struct PatternPoint {
  double thetaDeg = 0;
  double phiDeg = 0;
  double gainDbi = 0;  // total power gain; -999.99 where nec2c found no field
};

struct FrequencyBlock {
  double mhz = 0;  // as printed by nec2c (five significant digits)
  bool hasImpedance = false;
  std::complex<double> impedance;                   // ohms, at the first source
  std::vector<std::vector<PatternPoint>> patterns;  // one table per pattern card
  // True when nec2c printed no usable numbers for this frequency (NaN, or the block ends
  // before its feed-point line).
  bool failed = false;
};

// Parses the whole output text. Raises SimulationError when it holds no frequency result at
// all; the message quotes nec2c's own error line when there is one.
std::vector<FrequencyBlock> ReadNecOutput(std::string_view text);

// Reads an output file (regular files only, with a size bound) and parses it.
std::vector<FrequencyBlock> ReadNecOutputFile(const std::string& path);

}  // namespace bs::simulate
