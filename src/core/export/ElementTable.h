#pragma once
// The element table of the shared state as plain numbers, the way the .maa writer reads it.
//
// After a design calculation (bs::design::Yagidimensions) or the YO screen's "Make Mmana"
// (StoreTypedDimensions), the state holds DesignFreq, ReflectorLength, DipoleSpacing,
// SingleDipoleLength, DipoleDiam, ElementDiamMm, NumDirectors, DirLength[1..NumDirectors] and
// DirSpacing[1..NumDirectors]; a design also holds the folded dipole values FoldedBendSpan,
// FoldedTipToTip and FoldedBendDiam. ReadElementTable gathers them: every element is a straight
// rod across the boom, its position measured along the boom from the driven element (the
// reflector behind it at -DipoleSpacing, director k at DirSpacing[1] + ... + DirSpacing[k]).
//
// The design's lengths are for the mounting it was designed for (BoomMount). Modelling
// programs want the lengths on a non-metallic boom: NonMetalElementTable takes the boom
// correction off the reflector and directors exactly as the YO screen's "Convert" does.
#include <array>
#include <vector>

#include "core/state/YagiVar.h"

namespace bs::exporting {

// One element, all in mm.
struct Element {
  double position = 0;  // along the boom, from the driven element; the reflector is negative
  double length = 0;    // tip to tip
  double diameter = 0;
};

struct ElementTable {
  double freqMHz = 0;
  Element reflector;
  Element driven;                  // the single dipole
  std::vector<Element> directors;  // director 1 (nearest the driven element) first
};

// The table as it stands in the state (NumDirectors is clamped to 0..100).
ElementTable ReadElementTable(const bs::YagiVar::State& state);

// The boom correction of the last design calculation, in mm (0 for a non-metallic boom). It
// needs the state as Yagidimensions left it (BoomSize in wavelengths, Wavelength, DesignFreq).
double DesignBoomCorrectionMm(const bs::YagiVar::State& state);

// ReadElementTable with the reflector and director lengths converted from the design's
// mounting (BoomMount) to a non-metallic boom, rounded to whole mm like the YO conversion.
ElementTable NonMetalElementTable(const bs::YagiVar::State& state);

// True when the state holds folded dipole dimensions (a design calculation ran in this run).
bool HasFoldedDipole(const bs::YagiVar::State& state);

// A straight wire, coordinates and radius in metres: x along the boom (driven element at 0),
// y along the element, z across both.
struct Wire {
  double x1 = 0, y1 = 0, z1 = 0;
  double x2 = 0, y2 = 0, z2 = 0;
  double radius = 0;
};

// The folded dipole as six straight wires at boom position 0, in the order of the .maa file:
// the rod at z = -bend diameter, the rod at z = 0, then the four wires from the rod ends to the
// two tips (at +-FoldedTipToTip / 2, z = -bend diameter / 2).
std::array<Wire, 6> FoldedDipoleWires(const bs::YagiVar::State& state);

}  // namespace bs::exporting
