#pragma once
// Forward gain of a long Zuzo from its boom length by three published rules of thumb, and the
// 3 dB beamwidth that goes with a gain. The design engine uses the same VK3AUU rule and the same
// beamwidth for its report.
#include <string>

#include "core/state/YagiVar.h"

namespace bs::calculators {

enum class GainRule { VK3AUU, WA2PHW, DJ9BV };

// The rule's button caption: "VK3AUU", "WA2PHW", "DJ9BV".
const char* GainRuleName(GainRule rule);

// Gain in dBd for a boom of x wavelengths. Logarithms of 0 or less raise bs::MathError.
long double GainVK3AUU(long double x);  // 3.39 ln(x) + 9.15
long double GainWA2PHW(long double x);  // 10 log10(5.4075 x + 4.25)
long double GainDJ9BV(long double x);   // 7.773 log10(x) + 9.15
long double RuleGain(GainRule rule, long double x);

// Estimated 3 dB beamwidth in degrees for a gain in dBd: the gain taken to dBi with 2.14, turned
// into a power ratio, and the 41253 square degrees of the sphere shared equally by both planes.
long double BeamWidth(long double gain);

struct GainResult {
  double gain = 0;       // dBd
  double beamwidth = 0;  // degrees
  std::string text;      // the result box: three lines, the last without a line end
};

// The gain screen's calculation. Stores DesignFreq (frequency text, a decimal), BoomLength (boom
// text, a whole number) and Wavelength = 300000 / DesignFreq in the state as it goes, so a fault
// leaves the steps before it in place: a text that is not a number raises bs::ConvertError, a
// frequency of 0 or a boom the rule cannot take raises bs::MathError.
GainResult FindGain(bs::YagiVar::State& state, const std::string& freqText,
                    const std::string& boomText, GainRule rule);

// The result box text for a gain and its beamwidth.
std::string GainText(double gain, double beamwidth);

}  // namespace bs::calculators
