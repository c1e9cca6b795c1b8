#pragma once
// The computed design as numbers rather than report text, for output that machines read (the
// command-line program's JSON). Read after Yagidimensions; nothing here changes the state, and
// every value is the one the report formats, unrounded.
#include <vector>

#include "core/design/Engine.h"
#include "core/state/YagiVar.h"

namespace bs::design {

// One row of the director table.
struct DirectorValues {
  int number = 0;
  double length = 0;                 // mm tip to tip
  double spacing = 0;                // from the element behind it, centre to centre
  double boomPosition = 0;           // from the rear end of the boom
  double distanceFromReflector = 0;  // where the gain estimate is taken
  long double insertTo = 0;          // IT: element tip to the edge of the boom
  double gainDbd = 0;
  long double gainDbi = 0;
};
// Directors 1 to NumDirectors as the last calculation placed them.
std::vector<DirectorValues> DirectorTable(const bs::YagiVar::State& state);

// The report's gain in dBi for a gain in dBd.
long double GainDbi(double gainDbd);
// The flat-plane K for a length-to-bend ratio of 10 or more.
double FlatPlaneK(long double ratio);
// The boom correction in mm (BoomCorrection is in wavelengths).
long double BoomCorrectionMm(const bs::YagiVar::State& state);
// Boom position of the driven element.
long double DipoleBoomPosition(const bs::YagiVar::State& state);
// The whole boom with both overhangs.
long double TotalBoomLength(const bs::YagiVar::State& state);

// The folded dipole seen as a flat plane: R = tip to tip / bend diameter; K and the resonance
// exist only for R of 10 or more.
struct FlatPlaneValues {
  long double ratio = 0;
  bool inRange = false;
  double k = 0;
  long double resonance = 0;  // MHz
};
FlatPlaneValues FlatPlane(const bs::YagiVar::State& state);

// The materials guide: rod for directors and reflector (M1), for a single or a folded dipole
// (M2) and the boom (M3), in mm.
struct MaterialsValues {
  long double directorsAndReflector = 0;
  long double singleDipole = 0;
  long double foldedDipole = 0;
  long double boom = 0;
};
MaterialsValues MaterialsGuideLengths(const bs::YagiVar::State& state);

}  // namespace bs::design
