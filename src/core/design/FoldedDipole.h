#pragma once
// Folded dipole construction details and the materials guide, the last blocks of the report.
// The rod starts at the feed gap at H, runs along the bottom through I, round the left tip A,
// along the top through B, C (centre) and D, round the right tip E and back through F to G.
// Measurements are taken from the inside of the bends.
#include "core/design/Report.h"
#include "core/state/YagiVar.h"

namespace bs::design {

// Bending dimensions of a folded dipole F mm tip to tip with end bends of diameter Db and a
// feed gap G, all in mm.
struct FoldedGeometry {
  long double totalRod = 0;  // T
  long double hi = 0;        // HI = GF, gap edge to the start of a bend
  long double ha = 0;        // HA = GE, to the tip
  long double hb = 0;        // HB = GD, to the end of the bend on top
  long double hc = 0;        // HC = GC, to the centre of the top (T / 2)
  long double bc = 0;        // BC = CD
};
FoldedGeometry FoldedDipoleGeometry(double tipToTip, double bendDiam, double gap);

// Flat-plane resonance factor K for a length-to-bend ratio of 10 or more, in straight pieces.
// From 76 upwards each piece measures the ratio from 31, so K jumps at the borders.
double FindK(int ratio);

// Appends the construction lines, the flat-plane resonance and the materials guide, and sets
// FoldedTipToTip, FoldedBendSpan and FoldedBendDiam. A bend diameter of 0 raises bs::MathError
// right after the block's title line.
void FoldedDipoleDetails(bs::YagiVar::State& state, Report& report);

}  // namespace bs::design
