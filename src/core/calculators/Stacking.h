#pragma once
// Stacking distance of two identical Yagis from the half-power beamwidth of one of them in the
// plane of stacking, the gain of one Zuzo and of the pair, and the distance in the other plane.
#include <string>

#include "core/state/YagiVar.h"

namespace bs::calculators {

// Which beamwidth the user typed: the index of the screen's plane choice.
enum class StackPlane : int { Vertical = 0, Horizontal = 1 };

inline constexpr const char* kNegativeBeamwidth = "Beamwidth must be greater than 0";

// The vertical stacking distance as a percentage of the horizontal one, for a single-Zuzo gain
// in dBd; looked up by the gain times ten, rounded half to even.
double StackRatio(long double gain);
long double VerticalFromHorizontal(long double distance, long double gain);
long double HorizontalFromVertical(long double distance, long double gain);

// Single-Zuzo gain in dBd for a half-power beamwidth in degrees (41253 square degrees shared
// equally by both planes, taken from dBi to dBd). A beamwidth of 0 raises bs::MathError.
double GainFromBeamwidth(double beamwidth);
// Stacking distance in mm for a beamwidth in degrees at a wavelength in mm.
double StackingDistance(double wavelength, double beamwidth);

struct StackResult {
  double gain = 0;           // one Zuzo, dBd
  double distance = 0;       // in the plane of the given beamwidth, mm
  double otherDistance = 0;  // estimated in the other plane, mm
  double arrayGain = 0;      // the pair, dBd
  bool hasDistances = false;
};

// The stacking screen's calculation. Stores DesignFreq, then writes the result box in `memo`
// line by line and Wavelength = 300000 / DesignFreq as it goes. A plane index other than 0 or 1
// gives the gain line only. A text that is not a number raises bs::ConvertError; a negative
// beamwidth raises Refusal (kNegativeBeamwidth) with DesignFreq stored and `memo` unchanged; a
// beamwidth of 0 or a frequency of 0 raise bs::MathError.
StackResult FindBeamGain(bs::YagiVar::State& state, const std::string& freqText,
                         const std::string& beamwidthText, int planeIndex, std::string& memo);

}  // namespace bs::calculators
