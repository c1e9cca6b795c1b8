#include "core/export/ElementTable.h"

#include <algorithm>

#include "core/export/YOconversion.h"

namespace bs::exporting {

using bs::YagiVar::State;

ElementTable ReadElementTable(const State& s) {
  ElementTable table;
  table.freqMHz = s.DesignFreq;
  table.reflector = {-s.DipoleSpacing, s.ReflectorLength, s.ElementDiamMm};
  table.driven = {0, s.SingleDipoleLength, s.DipoleDiam};
  const int n = std::clamp(s.NumDirectors, 0, bs::YagiVar::kMaxDirectors);
  double position = 0;
  for (int k = 1; k <= n; ++k) {
    position += s.DirSpacing[k];
    table.directors.push_back({position, s.DirLength[k], s.ElementDiamMm});
  }
  return table;
}

double DesignBoomCorrectionMm(const State& s) {
  const double boomMm = s.BoomSize * s.Wavelength;
  if (boomMm <= 0) return 0;
  return bs::YOconversion::BoomCorrectionMm(boomMm, s.DesignFreq);
}

ElementTable NonMetalElementTable(const State& s) {
  ElementTable table = ReadElementTable(s);
  const int from = bs::YOconversion::MountingFromBoomMount(s.BoomMount);
  if (from == bs::YOconversion::kNonMetal) return table;
  const double c = DesignBoomCorrectionMm(s);
  const auto convert = [&](Element& e) {
    e.length = bs::YOconversion::ConvertLength(e.length, from, bs::YOconversion::kNonMetal, c);
  };
  convert(table.reflector);
  for (Element& e : table.directors) convert(e);
  return table;
}

bool HasFoldedDipole(const State& s) {
  return s.FoldedTipToTip != 0 || s.FoldedBendSpan != 0 || s.FoldedBendDiam != 0;
}

std::array<Wire, 6> FoldedDipoleWires(const State& s) {
  const double a = s.FoldedBendSpan / 2000;
  const double t = s.FoldedTipToTip / 2000;
  const double m = s.FoldedBendDiam / 2000;
  const double w = s.FoldedBendDiam / 1000;
  const double r = s.DipoleDiam / 2000;
  return {{
      {0, -a, -w, 0, a, -w, r},
      {0, -a, 0, 0, a, 0, r},
      {0, -a, 0, 0, -t, -m, r},
      {0, a, 0, 0, t, -m, r},
      {0, -a, -w, 0, -t, -m, r},
      {0, a, -w, 0, t, -m, r},
  }};
}

}  // namespace bs::exporting
