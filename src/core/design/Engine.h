#pragma once
// The DL6WU long-Zuzo element calculation. It reads the design inputs that StoreDesignInputs
// left in the shared state, writes the element table back into it and builds the report as it
// goes. Lengths are millimetres unless a name says wavelengths.
//
// Every value that can come from the user passes through the checked arithmetic helpers, so a
// frequency of 0, an element diameter of 0 or below, or a bend diameter of 0 raises
// bs::MathError at the failing step; the report keeps what was appended before it.
#include "core/calculators/Gain.h"
#include "core/design/Report.h"
#include "core/state/YagiVar.h"

namespace bs::design {

// Boom positions count from the rear end of the boom; the reflector stands this far in, and the
// boom overhangs the last director by as much.
inline constexpr double kBoomOverhang = 30;

inline constexpr const char* kThicknessWarning =
    "Elements are thicker than ideal, reduce diameter for best results";

// Runs the whole calculation: wavelength, boom correction, driven elements, reflector, the
// director loop, comments, balun line and the folded dipole details. The heading replaces
// whatever the report held. Too many directors (set by another path than the entry screen)
// raise bs::Error with kTooManyDirectors once the director table heading stands.
// The calculation turns ElementDiam and BoomSize into wavelengths in place, so the inputs are
// stored afresh (StoreDesignInputs) before every calculation.
void Yagidimensions(bs::YagiVar::State& state, Report& report);

// The director loop: clears the director tables, checks the element thickness (a notice in the
// report; the calculation goes on), then places directors 1 to NumDirectors.
void CalcDirector(bs::YagiVar::State& state, Report& report);

// Length of director n = DirectorNumber in wavelengths, without boom correction, for an element
// diameter d in wavelengths.
double CalcDirLength(const bs::YagiVar::State& state, double d);

// Single dipole length in wavelengths for a driven-element diameter in mm.
double CalcDipoleLength(const bs::YagiVar::State& state, double diameter);

// Sets SingleDipoleLength and FoldedDipoleLength.
void CalcDipoles(bs::YagiVar::State& state);

// Reflector length in mm; the same value each time while the inputs stay.
double CalcReflector(const bs::YagiVar::State& state);

// Insert-to distance (element tip to boom edge) in mm for an element length in mm.
long double ElementIT(const bs::YagiVar::State& state, double length);

// Gain estimate in dBd at a distance from the reflector in mm: the VK3AUU rule of the gain
// calculator at that boom length. The report's beamwidth is the calculator's BeamWidth.
long double BoomGain(const bs::YagiVar::State& state, long double distance);
using bs::calculators::BeamWidth;

// Tolerance for element lengths in mm.
long double LengthTolerance(const bs::YagiVar::State& state);

// Spacing of director n from the element behind it, in wavelengths.
long double DirectorSpacingFactor(int n);

}  // namespace bs::design
