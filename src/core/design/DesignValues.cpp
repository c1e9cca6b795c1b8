#include "core/design/DesignValues.h"

#include <algorithm>

#include "core/design/Engine.h"
#include "core/design/FoldedDipole.h"
#include "core/platform/Arith.h"

namespace bs::design {

namespace {

// Half of 299792: a half wave in mm times the frequency in MHz.
constexpr long double kHalfWaveConstant = 149896.0L;
// Below this length-to-bend ratio the flat-plane fit does not hold.
constexpr long double kMinFlatPlaneRatio = 10;
// Ratios too large to round all lie beyond the table of K.
constexpr long double kLargestTabledRatio = 20000;

// Directors up to the first empty table entry, plus the reflector.
long double ParasiticRodLength(const bs::YagiVar::State& s) {
  long double sum = 0;
  for (int n = 1; n <= bs::YagiVar::kMaxDirectors && s.DirLength[n] != 0; ++n)
    sum += s.DirLength[n];
  return sum + CalcReflector(s);
}

}  // namespace

std::vector<DirectorValues> DirectorTable(const bs::YagiVar::State& s) {
  std::vector<DirectorValues> rows;
  const int count = std::clamp<int>(s.NumDirectors, 0, bs::YagiVar::kMaxDirectors);
  // The boom position adds up the spacings the way the calculation does.
  double boomPosition = s.DipoleSpacing + kBoomOverhang;
  for (int n = 1; n <= count; ++n) {
    DirectorValues row;
    row.number = n;
    row.length = s.DirLength[n];
    row.spacing = s.DirSpacing[n];
    boomPosition = boomPosition + s.DirSpacing[n];
    row.boomPosition = boomPosition;
    row.distanceFromReflector = s.DirPosition[n];
    row.insertTo = ElementIT(s, row.length);
    row.gainDbd = bs::ToDouble(BoomGain(s, row.distanceFromReflector));
    row.gainDbi = GainDbi(row.gainDbd);
    rows.push_back(row);
  }
  return rows;
}

long double GainDbi(double gainDbd) {
  return gainDbd + 2.15L;
}

long double BoomCorrectionMm(const bs::YagiVar::State& s) {
  return static_cast<long double>(s.BoomCorrection) * s.Wavelength;
}

long double DipoleBoomPosition(const bs::YagiVar::State& s) {
  return s.DipoleSpacing + kBoomOverhang;
}

long double TotalBoomLength(const bs::YagiVar::State& s) {
  return s.BoomLength + static_cast<long double>(kBoomOverhang);
}

FlatPlaneValues FlatPlane(const bs::YagiVar::State& s) {
  FlatPlaneValues v;
  v.ratio = bs::Divide(s.FoldedDipoleLength, s.DipoleBendDiam);
  if (v.ratio < kMinFlatPlaneRatio) return v;
  v.inRange = true;
  v.k = FlatPlaneK(v.ratio);
  v.resonance = bs::Divide(v.k * kHalfWaveConstant, s.FoldedDipoleLength);
  return v;
}

double FlatPlaneK(long double ratio) {
  return FindK(static_cast<int>(bs::RoundToEven(std::min(ratio, kLargestTabledRatio))));
}

MaterialsValues MaterialsGuideLengths(const bs::YagiVar::State& s) {
  MaterialsValues m;
  m.directorsAndReflector = ParasiticRodLength(s);
  m.singleDipole = s.SingleDipoleLength;
  m.foldedDipole = FoldedDipoleGeometry(s.FoldedDipoleLength, s.DipoleBendDiam, s.FeedGap).totalRod;
  m.boom = TotalBoomLength(s);
  return m;
}

}  // namespace bs::design
