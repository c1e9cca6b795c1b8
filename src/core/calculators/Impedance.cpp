#include "core/calculators/Impedance.h"

#include "core/calculators/Refusal.h"
#include "core/platform/Arith.h"
#include "core/platform/Numbers.h"

namespace bs::calculators {

namespace {

constexpr long double kLightSpeed = 299792.0L;
// The search stops once the polynomial is within this many ohms below the wanted impedance.
constexpr long double kSearchTolerance = 0.1L;

struct Fit {
  long double low, high;     // range of the fit in ohms
  long double start, bound;  // search grid
};
constexpr Fit kRoundFit = {45, 175, 1.0499L, 2.2L};
constexpr Fit kSquareFit = {15, 320, 0.0399L, 0.92L};

const Fit& FitOf(RodShape shape) {
  return shape == RodShape::Square ? kSquareFit : kRoundFit;
}

long double ParseEntry(const std::string& text) {
  long double value = 0;
  if (!bs::TryStrToFloat(text, value)) throw Refusal(kEntryBoxError);
  return value;
}

std::string BoxText(long double value) {
  return bs::FormatFixed(value, 5, 1);
}

// The rod size or separation from the other one and the x of the search.
long double CrossSectionFromX(RodShape shape, long double spacing, long double x) {
  if (shape == RodShape::Round) return bs::Divide(spacing, x);
  return bs::Divide(spacing - x * spacing, x);
}

long double SeparationFromX(RodShape shape, long double diameter, long double x) {
  if (shape == RodShape::Round) return diameter * x;
  return bs::Divide(x * diameter, 1.0L - x);
}

long double ShapeX(RodShape shape, long double diameter, long double spacing) {
  if (shape == RodShape::Round) return bs::Divide(spacing, diameter);
  return bs::Divide(spacing, spacing + diameter);
}

}  // namespace

long double RoundRodImpedance(long double x) {
  return ((972.0L * x - 481.0L * x * x) + 86.0L * x * x * x) - 547.0L;
}

long double SquareRodImpedance(long double x) {
  return ((344.0L * x + 0.45L) - 345.0L * x * x) + 411.0L * x * x * x;
}

long double RodImpedance(RodShape shape, long double x) {
  return shape == RodShape::Square ? SquareRodImpedance(x) : RoundRodImpedance(x);
}

std::string RangeWarning(RodShape shape, long double impedance) {
  const Fit& fit = FitOf(shape);
  if (impedance < fit.low || impedance > fit.high)
    return shape == RodShape::Square ? kSquareRangeWarning : kRoundRangeWarning;
  return "";
}

std::optional<long double> SearchRodX(RodShape shape, long double impedance, long double step) {
  const Fit& fit = FitOf(shape);
  long double x = fit.start;
  for (;;) {
    x += step;
    if (x > fit.bound) return std::nullopt;
    if (impedance - RodImpedance(shape, x) < kSearchTolerance) return x;
  }
}

RodResult CalculateRods(RodUnknown unknown, RodShape shape, const std::string& diameterText,
                        const std::string& spacingText, const std::string& impedanceText) {
  RodResult r;
  if (unknown == RodUnknown::Impedance) {
    const long double spacing = ParseEntry(spacingText);
    const long double diameter = ParseEntry(diameterText);
    const long double z = bs::Checked(RodImpedance(shape, ShapeX(shape, diameter, spacing)));
    r.warning = RangeWarning(shape, z);
    r.value = z;
    r.text = BoxText(z);
    return r;
  }
  const bool findCrossSection = unknown == RodUnknown::CrossSection;
  const long double known = ParseEntry(findCrossSection ? spacingText : diameterText);
  const long double z = ParseEntry(impedanceText);
  r.warning = RangeWarning(shape, z);
  const auto x = SearchRodX(shape, z, findCrossSection ? kCrossSectionStep : kSeparationStep);
  if (!x) {
    r.text = kOutOfRange;
    return r;
  }
  r.value =
      findCrossSection ? CrossSectionFromX(shape, known, *x) : SeparationFromX(shape, known, *x);
  r.text = BoxText(*r.value);
  return r;
}

QuarterWaveEntries ParseQuarterWave(const std::string& freqText, const std::string& zinText,
                                    const std::string& zoutText, const std::string& vfText) {
  QuarterWaveEntries e;
  e.freq = ParseEntry(freqText);
  e.zin = ParseEntry(zinText);
  e.zout = ParseEntry(zoutText);
  e.velocityFactor = ParseEntry(vfText);
  return e;
}

long double QuarterWaveLength(const QuarterWaveEntries& e) {
  return bs::Divide(bs::Divide(bs::Mul(e.velocityFactor, kLightSpeed), e.freq), 4.0L);
}

long double QuarterWaveImpedance(const QuarterWaveEntries& e) {
  return bs::Sqrt(bs::Mul(e.zin, e.zout));
}

}  // namespace bs::calculators
