#include "core/calculators/Stacking.h"

#include <array>
#include <cmath>

#include "core/calculators/Refusal.h"
#include "core/platform/Arith.h"
#include "core/platform/Numbers.h"

namespace bs::calculators {

namespace {

constexpr long double kLightSpeed = 300000.0L;

// Upper end of each band of ten times the gain, with its ratio; the bands start at 0.
struct RatioBand {
  int upTo;
  double ratio;
};
constexpr std::array<RatioBand, 24> kRatioBands = {{
    {50, 88.0},   {67, 89.9},  {80, 91.4},  {90, 92.6},  {99, 93.7},   {107, 94.3},
    {113, 94.75}, {119, 95.2}, {124, 95.5}, {128, 95.9}, {132, 96.3},  {136, 96.7},
    {140, 96.9},  {143, 97.2}, {146, 97.5}, {148, 97.7}, {151, 97.9},  {153, 98.0},
    {155, 98.1},  {157, 98.3}, {159, 98.4}, {161, 98.5}, {163, 98.55}, {165, 98.6},
}};
// Below 0 dBd and above 16.5 dBd.
constexpr double kOutsideRatio = 98.7;

// The array of two gains about 2.85 dB over one Zuzo.
constexpr long double kStackingGain = 2.85L;

std::string Line(const std::string& caption, const std::string& value) {
  return caption + "\t" + value + "\r\n";
}

std::string Millimetres(long double distance) {
  return bs::FormatFixed(distance, 5, 0) + " mm";
}

std::string Dbd(long double gain) {
  return bs::FormatFixed(gain, 3, 1) + " dBd";
}

}  // namespace

double StackRatio(long double gain) {
  const std::int64_t a = bs::RoundToEven(gain * 10.0L);
  if (a < 0) return kOutsideRatio;
  for (const RatioBand& band : kRatioBands)
    if (a <= band.upTo) return band.ratio;
  return kOutsideRatio;
}

long double VerticalFromHorizontal(long double distance, long double gain) {
  return StackRatio(gain) * distance / 100.0L;
}

long double HorizontalFromVertical(long double distance, long double gain) {
  return bs::Divide(distance * 100.0L, StackRatio(gain));
}

double GainFromBeamwidth(double beamwidth) {
  // Dividing the natural logarithm by 2.303 stands for log10; 2.14 takes dBi to dBd.
  const long double solidAngle =
      bs::Divide(41253.0L, static_cast<long double>(beamwidth) * beamwidth);
  return bs::ToDouble(10.0L * bs::Ln(solidAngle) / 2.303L - 2.14L);
}

double StackingDistance(double wavelength, double beamwidth) {
  // BW / 114.6 is half the beamwidth in radians (114.6 for 360 / pi).
  return bs::ToDouble(bs::Divide(wavelength, std::sin(beamwidth / 114.6L) * 2.0L));
}

StackResult FindBeamGain(bs::YagiVar::State& s, const std::string& freqText,
                         const std::string& beamwidthText, int planeIndex, std::string& memo) {
  s.DesignFreq = bs::ToDouble(bs::StrToFloat(freqText));
  const double beamwidth = bs::ToDouble(bs::StrToFloat(beamwidthText));
  // A negative beamwidth would give the gain of its positive value and negative distances.
  if (beamwidth < 0) throw Refusal(kNegativeBeamwidth);
  StackResult r;
  r.gain = GainFromBeamwidth(beamwidth);
  memo = Line("Estimated gain of antenna:", Dbd(r.gain));
  s.Wavelength = bs::ToDouble(bs::Divide(kLightSpeed, s.DesignFreq));
  if (planeIndex != 0 && planeIndex != 1) return r;
  r.distance = StackingDistance(s.Wavelength, beamwidth);
  r.arrayGain = bs::ToDouble(r.gain + kStackingGain);
  if (planeIndex == static_cast<int>(StackPlane::Horizontal)) {
    r.otherDistance = bs::ToDouble(VerticalFromHorizontal(r.distance, r.gain));
    memo += Line("Horizontal stacking distance:", Millimetres(r.distance));
    memo += Line("Estimated vertical stacking:", Millimetres(r.otherDistance));
  } else {
    r.otherDistance = bs::ToDouble(HorizontalFromVertical(r.distance, r.gain));
    memo += Line("Vertical stacking distance:", Millimetres(r.distance));
    memo += Line("Estimated horiz. stacking:", Millimetres(r.otherDistance));
  }
  memo += Line("Estimated gain of array:", Dbd(r.gain + kStackingGain));
  r.hasDistances = true;
  return r;
}

}  // namespace bs::calculators
