#pragma once
// The NEC-2 card deck of a design, for nec2c and other NEC-2 engines, and the sweep request
// that simulates it.
//
// The model is in free space: one straight wire per element across the boom (x along the boom,
// the driven element at 0 and the directors towards +x; y along the elements; z across both),
// with the element's diameter. The reflector and directors have their non-metal lengths: the
// boom correction of the design's mounting is taken off exactly as the YO screen's "Convert"
// does, so a metal-boom design is modelled as its electrical equivalent; the comment cards say
// so. The driven element is a single dipole fed at its centre segment with a 1 V source, or
// the folded dipole as the six wires of the .maa file, fed at the centre of its first wire.
// Every wire has an odd number of segments no longer than a fortieth of a wavelength; the
// extended thin-wire kernel is switched on when a segment is shorter than eight wire radii.
// The deck ends with a frequency sweep (gain straight ahead and straight back) and, at the
// design frequency, the E-plane and H-plane pattern cuts.
#include <string>

#include "core/platform/Dialogs.h"
#include "core/simulate/Sweep.h"
#include "core/simulate/SweepReport.h"
#include "core/state/YagiVar.h"

namespace bs::exporting {

struct NecOptions {
  bool folded = false;  // the driven element as the folded dipole of the design
  double spanPercent = 5;
  int steps = 41;
};

inline constexpr double kSegmentsPerWavelength = 40;
inline constexpr double kThinWireRadii = 8;

// The number of segments of a wire: odd, at least 1, each no longer than lambda / 40.
int SegmentCount(double lengthM, double wavelengthM);

// Everything before the frequency cards: comments, wires, GE, EK when needed, EX, PT.
// A folded dipole without folded dipole dimensions raises bs::Error with kFoldedNeedsDesign;
// a design without a frequency or with an element of no length raises bs::Error.
std::string NecGeometryCards(const bs::YagiVar::State& state, bool folded);

// The whole deck.
std::string NecDeckText(const bs::YagiVar::State& state, const NecOptions& options);
// Writes NecDeckText through the atomic writer (Windows-1252, CR LF).
void WriteNecDeck(const std::string& path, const bs::YagiVar::State& state,
                  const NecOptions& options);

// The save dialog of "Save .nec": NEC-2 models, "Zuzo.nec" in the working directory.
bs::FileDialogOptions NecSaveDialogOptions();

// The sweep of the same model; the SWR reference is 50 ohm for a single dipole, 200 ohm for a
// folded dipole.
bs::simulate::SweepRequest NecSweepRequest(const bs::YagiVar::State& state,
                                           const NecOptions& options);

// The report's estimates of the last design calculation: the gain at the last director in dBi
// and the beamwidth the report shows.
bs::simulate::ReportEstimate DesignReportEstimate(const bs::YagiVar::State& state);

}  // namespace bs::exporting
