#include "core/calculators/Gain.h"

#include "core/platform/Arith.h"
#include "core/platform/Numbers.h"

namespace bs::calculators {

namespace {

// The gain screen's wavelength constant (the design calculation uses 299792).
constexpr long double kLightSpeed = 300000.0L;

long double Log10(long double x) {
  return bs::Divide(bs::Ln(x), bs::Ln(10.0L));
}

}  // namespace

const char* GainRuleName(GainRule rule) {
  switch (rule) {
    case GainRule::WA2PHW:
      return "WA2PHW";
    case GainRule::DJ9BV:
      return "DJ9BV";
    case GainRule::VK3AUU:
      break;
  }
  return "VK3AUU";
}

long double GainVK3AUU(long double x) {
  return 3.39L * bs::Ln(x) + 9.15L;
}

long double GainWA2PHW(long double x) {
  return 10.0L * Log10(5.4075L * x + 4.25L);
}

long double GainDJ9BV(long double x) {
  return 7.773L * Log10(x) + 9.15L;
}

long double RuleGain(GainRule rule, long double x) {
  switch (rule) {
    case GainRule::WA2PHW:
      return GainWA2PHW(x);
    case GainRule::DJ9BV:
      return GainDJ9BV(x);
    case GainRule::VK3AUU:
      break;
  }
  return GainVK3AUU(x);
}

long double BeamWidth(long double gain) {
  // 2.303 stands for ln(10), so exp(2.303 r) is the power gain over an isotropic radiator.
  const double r = bs::ToDouble((gain + 2.14L) / 10.0L);
  return bs::Sqrt(bs::Divide(41253.0L, bs::Exp(2.303L * r)));
}

std::string GainText(double gain, double beamwidth) {
  return "Gain is " + bs::FormatFixed(gain, 3, 1) + " dBd (referred to dipole)\r\n" +
         "Approximate 3 dB beamwidth is " + bs::FormatFixed(beamwidth, 3, 1) + " degrees\r\n" +
         "(Assuming E-plane and H-plane are the same)";
}

GainResult FindGain(bs::YagiVar::State& s, const std::string& freqText, const std::string& boomText,
                    GainRule rule) {
  s.DesignFreq = bs::ToDouble(bs::StrToFloat(freqText));
  s.BoomLength = bs::StrToInt(boomText);
  s.Wavelength = bs::ToDouble(bs::Divide(kLightSpeed, s.DesignFreq));
  const long double x = bs::Divide(s.BoomLength, s.Wavelength);
  GainResult result;
  result.gain = bs::ToDouble(RuleGain(rule, x));
  // The beamwidth comes from the unrounded gain, not from the one shown.
  result.beamwidth = bs::ToDouble(BeamWidth(result.gain));
  result.text = GainText(result.gain, result.beamwidth);
  return result;
}

}  // namespace bs::calculators
