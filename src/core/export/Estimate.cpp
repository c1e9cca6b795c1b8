#include "core/export/Estimate.h"

#include <cmath>
#include <optional>

#include "core/platform/Arith.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"

namespace bs::exporting {

namespace {

using bs::YagiVar::State;

// The element formulas were fitted with wavelengths of 299793 / f mm.
constexpr double kLightSpeed = 299793.0;
constexpr double kDipoleStart = 359751.6;     // 1.2 * 299793: a dipole 0.6 wavelength long
constexpr double kReflectorStart = 329772.3;  // 1.1 * 299793: a reflector 0.55 wavelength long
constexpr double kStep = 0.001;               // 1 kHz
constexpr double kTolerance = 0.01;           // mm
// Below this frequency the search takes single steps (at most about a thousand of them).
constexpr double kBulkFloor = 1.0;

struct Step {
  std::int64_t n = 0;
  double f = 0;
};

// One literal step of the walk; a frequency of 0 or below ends the walk with an error.
Step LiteralStep(Step s) {
  s.f = s.f - kStep;
  ++s.n;
  if (!(s.f > 0)) bs::ThrowInvalidOperation();
  return s;
}

// The first step after `from` at which `stops` holds, as the walk F := F - 0.001 reaches it.
// Within the binary exponent range [lo, 2 lo) of F (F >= 1), every subtraction of 0.001 takes
// off the same multiple of the unit in the last place, so the frequency after j steps is
// exactly F - j * D there; `stops` holding from some step on, a bisection finds the first.
template <typename Stops>
Step FirstStop(Step from, const Stops& stops) {
  Step s = from;
  for (;;) {
    if (!std::isfinite(s.f) || !(s.f > 0)) bs::ThrowInvalidOperation();
    if (s.f < kBulkFloor) {
      s = LiteralStep(s);
      if (stops(s.f)) return s;
      continue;
    }
    const double next = s.f - kStep;
    const double d = s.f - next;
    if (d == 0) {
      // F - 0.001 == F: the walk stands still and ends only if it stops right here.
      if (stops(s.f)) return {s.n + 1, s.f};
      bs::ThrowInvalidOperation();
    }
    int exponent = 0;
    std::frexp(s.f, &exponent);
    const double lo = std::ldexp(0.5, exponent);
    const double room = std::floor((s.f - lo - kStep) / d) - 1;
    if (room < 1) {
      s = LiteralStep(s);
      if (stops(s.f)) return s;
      continue;
    }
    const auto jmax = static_cast<std::int64_t>(room);
    const auto at = [&](std::int64_t j) { return s.f - static_cast<double>(j) * d; };
    if (!stops(at(jmax))) {
      s = {s.n + jmax, at(jmax)};
      continue;
    }
    std::int64_t low = 0;      // does not stop (or is the start)
    std::int64_t high = jmax;  // stops
    while (high - low > 1) {
      const std::int64_t mid = low + (high - low) / 2;
      if (stops(at(mid)))
        high = mid;
      else
        low = mid;
    }
    return {s.n + high, at(high)};
  }
}

double Wavelength(double f) {
  return bs::ToDouble(bs::Divide(kLightSpeed, f));
}

// The reflector formula's denominator: it passes through 0 (a pole of the length) where the
// element is about 0.36 wavelength thick.
long double ReflectorDenominator(double x) {
  return 186.8769L * bs::Ln(bs::Divide(2.0L, x)) - 320.0L;
}

double ReflectorCorrection(double b, int mounting, double boomMm) {
  double c = 0;
  if (b > 0) {
    if (mounting == 0) c = bs::ToDouble(12.0L * b * b + 0.15L * b);
    if (mounting == 1) c = bs::ToDouble((12.0L * b * b + 0.15L * b) / 2.0L);
    if (0.666 * b < c) c = bs::ToDouble(0.666L * b);
  }
  if (mounting == 2 || boomMm == 0) c = 0;
  return c;
}

bool WithinTolerance(double typed, double computed) {
  return typed - computed < kTolerance;
}

EstimateResult Finish(Step s, StepValues last) {
  return {s.f, s.n, last};
}

}  // namespace

double DipoleLengthRatio(double x) {
  const long double thinness = bs::Exp(-0.014891L * bs::Ln(x));
  return bs::ToDouble((0.4777L - 1.0522L * x + 0.43363L * thinness) / 2.0L);
}

double ReflectorLengthMm(double correction, double x, double lambda) {
  const long double shortening = bs::Divide(-20.0L, ReflectorDenominator(x));
  return bs::ToDouble(((1.0L + shortening) / 2.0L + correction) * lambda);
}

StepValues DipoleStep(double f, double diameterMm) {
  StepValues v;
  v.wavelength = Wavelength(f);
  v.length = bs::ToDouble(static_cast<long double>(DipoleLengthRatio(diameterMm / v.wavelength)) *
                          v.wavelength);
  return v;
}

StepValues ReflectorStep(double f, double elementDiamMm, double boomMm, int mounting) {
  StepValues v;
  v.wavelength = Wavelength(f);
  const double x = elementDiamMm / v.wavelength;
  const double b = boomMm / v.wavelength;
  v.length = ReflectorLengthMm(ReflectorCorrection(b, mounting, boomMm), x, v.wavelength);
  return v;
}

double DipoleStartFreq(double lengthMm) {
  bs::Divide(kDipoleStart, lengthMm);  // raises for a length of 0
  return kDipoleStart / (2.0 * lengthMm);
}

double ReflectorStartFreq(double lengthMm) {
  bs::Divide(kReflectorStart, lengthMm);
  return kReflectorStart / (2.0 * lengthMm);
}

EstimateResult SearchDipole(double lengthMm, double diameterMm) {
  // The dipole length grows steadily with the wavelength, so the stop condition holds from the
  // first stopping step on.
  const auto stops = [&](double f) {
    return WithinTolerance(lengthMm, DipoleStep(f, diameterMm).length);
  };
  const Step s = FirstStop(Step{0, DipoleStartFreq(lengthMm)}, stops);
  return Finish(s, DipoleStep(s.f, diameterMm));
}

EstimateResult SearchReflector(double lengthMm, double elementDiamMm, double boomMm, int mounting) {
  // The reflector length grows steadily with the wavelength on each side of the formula's pole;
  // a walk that starts below the pole (an element thicker than about 0.36 wavelength) is
  // searched up to the pole first, and past it only when it did not stop there.
  const auto belowPole = [&](double f) {
    return ReflectorDenominator(elementDiamMm / Wavelength(f)) < 0;
  };
  const auto stops = [&](double f) {
    return WithinTolerance(lengthMm, ReflectorStep(f, elementDiamMm, boomMm, mounting).length);
  };
  Step s{0, ReflectorStartFreq(lengthMm)};
  if (belowPole(s.f - kStep)) {
    s = FirstStop(s, [&](double f) { return !belowPole(f) || stops(f); });
    if (belowPole(s.f) || stops(s.f))
      return Finish(s, ReflectorStep(s.f, elementDiamMm, boomMm, mounting));
  }
  s = FirstStop(s, stops);
  return Finish(s, ReflectorStep(s.f, elementDiamMm, boomMm, mounting));
}

std::string EstimateText(const EstimateResult& result) {
  return bs::FormatFixed(result.freqMHz, 6, 1);
}

EstimateResult EstimateFromDipole(State& state, double lengthMm, double diameterMm) {
  const EstimateResult r = SearchDipole(lengthMm, diameterMm);
  state.Wavelength = r.last.wavelength;
  state.SingleDipoleLength = r.last.length;
  state.YOText[37] = EstimateText(r);
  return r;
}

EstimateResult EstimateFromReflector(State& state, double lengthMm, double elementDiamMm,
                                     double boomMm, int mounting) {
  const EstimateResult r = SearchReflector(lengthMm, elementDiamMm, boomMm, mounting);
  state.Wavelength = r.last.wavelength;
  state.YOText[37] = EstimateText(r);
  return r;
}

BoxProblem CheckEstimateTexts(const State& state) {
  const auto& t = state.YOText;
  // Every box is read before the first check, so a text that is not a number is reported first.
  for (const int box : {1, 3, 39, 4, 38}) BoxNumber(t[box]);
  if (EmptyOrZero(t[39])) return {39, kReflectorLengthMissing};
  std::int32_t mounting = -1;
  bs::TryStrToInt(state.YOBoomMountText, mounting);
  if (mounting != 2 && EmptyOrZero(t[38])) return {38, kBoomDiameterMissing};
  if (EmptyOrZero(t[1])) return {1, kDipoleDiameterMissing};
  if (EmptyOrZero(t[3])) return {3, kDipoleLengthMissing};
  if (EmptyOrZero(t[4])) return {4, kReflectorDiameterMissing};
  return {};
}

EstimateAction RunEstimate(State& state) {
  const auto& t = state.YOText;
  const double dd = BoxNumber(t[1]);
  const double ld = BoxNumber(t[3]);
  const double lr = BoxNumber(t[39]);
  const double de = BoxNumber(t[4]);
  const double boom = BoxNumber(t[38]);
  std::int32_t item = -1;
  bs::TryStrToInt(state.YOFreqFromText, item);
  std::int32_t mounting = -1;
  bs::TryStrToInt(state.YOBoomMountText, mounting);
  switch (item) {
    case kFromSingleDipole:
      EstimateFromDipole(state, ld, dd);
      return EstimateAction::kEstimated;
    case kFromFoldedDipole:
      // The folded dipole is 1.02 times as long as the single dipole.
      EstimateFromDipole(state, bs::ToDouble(ld * 100.0L / 102.0L), dd);
      return EstimateAction::kEstimated;
    case kUseFrequencyEstimate:
      return EstimateAction::kFrequencyEditable;
    default:
      if (item != kFromReflector || !(lr > 0) || !(de > 0)) return EstimateAction::kNothing;
      EstimateFromReflector(state, lr, de, boom, mounting);
      return EstimateAction::kEstimated;
  }
}

}  // namespace bs::exporting
