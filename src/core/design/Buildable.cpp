#include "core/design/Buildable.h"

#include <cmath>

#include "core/design/DesignValues.h"
#include "core/design/Engine.h"
#include "core/design/FoldedDipole.h"
#include "core/design/Report.h"
#include "core/platform/Errors.h"

namespace bs::design {

namespace {

// True when the value, rounded to the report's decimals, is above zero.
bool ShownAboveZero(long double value, int decimals) {
  return value >= 0.5L * std::pow(10.0L, -decimals);
}

bool ElementsCuttable(const bs::YagiVar::State& s) {
  bool ok = ShownAboveZero(s.ReflectorLength, 1) && ShownAboveZero(s.SingleDipoleLength, 1) &&
            ShownAboveZero(s.FoldedDipoleLength, 1) && ShownAboveZero(s.DipoleSpacing, 1);
  for (const DirectorValues& d : DirectorTable(s))
    ok = ok && ShownAboveZero(d.length, 1) && ShownAboveZero(d.spacing, 1);
  return ok;
}

bool InsertToCuttable(const bs::YagiVar::State& s) {
  bool ok = ShownAboveZero(ElementIT(s, s.ReflectorLength), 1) &&
            ShownAboveZero(ElementIT(s, s.SingleDipoleLength), 1) &&
            ShownAboveZero(ElementIT(s, s.FoldedDipoleLength), 1);
  for (const DirectorValues& d : DirectorTable(s)) ok = ok && ShownAboveZero(d.insertTo, 1);
  return ok;
}

bool FoldedDipoleBendable(const bs::YagiVar::State& s) {
  const FoldedGeometry g = FoldedDipoleGeometry(s.FoldedDipoleLength, s.DipoleBendDiam, s.FeedGap);
  return ShownAboveZero(g.hi, 0) && ShownAboveZero(g.totalRod, 0) &&
         ShownAboveZero(static_cast<long double>(s.FoldedDipoleLength) - s.DipoleBendDiam, 0);
}

}  // namespace

void CheckBuildable(const bs::YagiVar::State& state) {
  if (!ElementsCuttable(state)) throw bs::Error(kElementsTooThick);
  if (!InsertToCuttable(state)) throw bs::Error(kBoomTooThick);
  if (!FoldedDipoleBendable(state)) throw bs::Error(kBendTooLarge);
}

void RefuseUnbuildableDesign(const bs::YagiVar::State& state) {
  bs::YagiVar::State trial = state;
  try {
    Report scratch;
    Yagidimensions(trial, scratch);
  } catch (const std::exception&) {
    return;
  }
  CheckBuildable(trial);
}

}  // namespace bs::design
