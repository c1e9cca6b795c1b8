#include "core/export/YOconversion.h"

#include "core/platform/Arith.h"
#include "core/platform/Numbers.h"

namespace bs::YOconversion {

namespace {

using bs::YagiVar::State;

// The boom correction is fitted to wavelengths of 299792 / f mm.
constexpr double kLightSpeed = 299792.0;
constexpr int kReflectorSlot = 17;
constexpr int kReflectorBox = 39;

int LengthBox(int slot) {
  return slot == kReflectorSlot ? kReflectorBox : 2 * slot + 3;
}

// How much longer than on a non-metallic boom an element of this mounting is, in units of C.
double CorrectionShare(int mounting) {
  if (mounting == kThrough) return 1.0;
  if (mounting == kInsulated) return 0.5;
  return 0.0;
}

bool IsMounting(int m) {
  return m == kThrough || m == kInsulated || m == kNonMetal;
}

void ConvertAll(const State& state, int from, int to, ConvLengths& lengths) {
  if (!IsMounting(from) || from == to) return;
  const double c = BoomCorrectionMm(state);
  for (int i = 1; i <= kReflectorSlot; ++i) lengths[i] = ConvertLength(lengths[i], from, to, c);
}

}  // namespace

Mounting MountingFromBoomMount(char16_t boomMount) {
  if (boomMount == u'Y') return kThrough;
  if (boomMount == u'I') return kInsulated;
  return kNonMetal;
}

double BoomCorrectionMm(double boomMm, double freqMHz) {
  const double lambda = bs::ToDouble(bs::Divide(kLightSpeed, freqMHz));
  const double b = bs::ToDouble(bs::Divide(boomMm, lambda));
  double c = bs::ToDouble(12.0L * b * b + 0.15L * b);
  if (0.666 * b < c) c = bs::ToDouble(0.666L * b);
  return bs::ToDouble(static_cast<long double>(c) * lambda);
}

double ConvertLength(double length, int from, int to, double correctionMm) {
  if (length <= 0 || from == to || !IsMounting(from) || !IsMounting(to)) return length;
  const double shift = (CorrectionShare(to) - CorrectionShare(from)) * correctionMm;
  return static_cast<double>(
      bs::RoundToEven(bs::Checked(static_cast<long double>(length) + shift)));
}

ConvLengths ReadConversionLengths(const State& state) {
  ConvLengths lengths{};
  for (int i = 1; i <= kReflectorSlot; ++i)
    lengths[i] = bs::ToDouble(bs::StrToFloat(state.YOText[LengthBox(i)]));
  return lengths;
}

void WriteConversionLengths(State& state, const ConvLengths& lengths) {
  for (int i = 1; i <= kReflectorSlot; ++i)
    state.YOText[LengthBox(i)] = bs::FormatGeneral(lengths[i]);
}

double BoomCorrectionMm(const State& state) {
  const double boom = bs::ToDouble(bs::StrToFloat(state.YOText[38]));
  const double freq = bs::ToDouble(bs::StrToFloat(state.YOText[37]));
  return BoomCorrectionMm(boom, freq);
}

void ConvertToThrough(const State& state, int from, ConvLengths& lengths) {
  ConvertAll(state, from, kThrough, lengths);
}

void ConvertToInsulated(const State& state, int from, ConvLengths& lengths) {
  ConvertAll(state, from, kInsulated, lengths);
}

void ConvertToNonMetal(const State& state, int from, ConvLengths& lengths) {
  ConvertAll(state, from, kNonMetal, lengths);
}

void ConvertLengths(State& state, int from, int to) {
  ConvLengths lengths = ReadConversionLengths(state);
  if (to == kThrough) ConvertToThrough(state, from, lengths);
  if (to == kInsulated) ConvertToInsulated(state, from, lengths);
  if (to == kNonMetal) ConvertToNonMetal(state, from, lengths);
  WriteConversionLengths(state, lengths);
}

BoxProblem CheckConversionTexts(const State& state) {
  struct Check {
    int box;
    const char* message;
  };
  static constexpr Check kChecks[] = {
      {39, "Reflector length box empty or zero!"},
      {38, "Boom diameter box empty or zero!"},
      {1, "Dipole Diameter box empty or zero!"},
      {3, "Dipole length box empty or zero!"},
      {4, "Director/Reflector diameter box empty or zero!"},
      {37, "Frequency box empty or zero!"},
  };
  for (const Check& check : kChecks)
    if (EmptyOrZero(state.YOText[check.box])) return {check.box, check.message};
  return {};
}

}  // namespace bs::YOconversion
