#pragma once
// The frequency estimate of the YO screen: the frequency at which a typed reflector or single
// dipole has its typed length, to within 0.01 mm.
//
// The estimate is defined as a walk: start above the answer (F0 = 1.2 * 299793 / (2 L) for a
// dipole, 1.1 * 299793 / (2 L) for a reflector), then repeat F := F - 0.001 (in double
// precision) until the length computed at F comes within 0.01 mm of the typed length. The
// frequency after n steps is what n repeated subtractions give, not F0 - n * 0.001.
//
// Walking a 1 mm dipole takes over 30 million steps, so the search finds the same step in
// bounded time: within a binary exponent range every subtraction takes off the same amount, so
// the frequency after any number of steps is known exactly, and since the computed length grows
// steadily as the frequency falls, a bisection over the step index finds the first step that
// stops the walk. A walk that would reach a frequency of 0 or below, or one that cannot move
// (a frequency so high that subtracting 0.001 leaves it unchanged), raises bs::MathError
// "Invalid floating point operation" and changes nothing.
#include <cstdint>

#include "core/export/BoxCheck.h"
#include "core/state/YagiVar.h"

namespace bs::exporting {

// Items of "Calculate frequency from" (YOFreqFromText).
enum FreqFrom : int {
  kFromReflector = 0,
  kFromSingleDipole = 1,
  kFromFoldedDipole = 2,
  kUseFrequencyEstimate = 3
};

// Single dipole length in wavelengths for a diameter of x wavelengths (the design formula).
double DipoleLengthRatio(double x);
// Reflector length in mm for a boom correction c and a diameter x, both in wavelengths, at the
// wavelength lambda in mm (the design formula).
double ReflectorLengthMm(double correction, double x, double lambda);

// What one step of a walk computes at the frequency f.
struct StepValues {
  double wavelength = 0;  // 299793 / f, mm
  double length = 0;      // the element length at f, mm
};
StepValues DipoleStep(double freqMHz, double diameterMm);
// mounting: 0 through, 1 insulated, 2 non-metallic (YOBoomMountText); boomMm may be 0.
StepValues ReflectorStep(double freqMHz, double elementDiamMm, double boomMm, int mounting);

// Start frequencies of the two walks.
double DipoleStartFreq(double lengthMm);
double ReflectorStartFreq(double lengthMm);

// The step at which a walk stops.
struct EstimateResult {
  double freqMHz = 0;  // unrounded
  std::int64_t steps = 0;
  StepValues last;  // the values of that step
};
EstimateResult SearchDipole(double lengthMm, double diameterMm);
EstimateResult SearchReflector(double lengthMm, double elementDiamMm, double boomMm, int mounting);

// The frequency box text of an estimate: fixed(6, 1).
std::string EstimateText(const EstimateResult& result);

// The single dipole search on the state: YOText[37], Wavelength and SingleDipoleLength take the
// values of the last step. Nothing changes when it raises.
EstimateResult EstimateFromDipole(bs::YagiVar::State& state, double lengthMm, double diameterMm);
// The reflector search on the state: YOText[37] and Wavelength.
EstimateResult EstimateFromReflector(bs::YagiVar::State& state, double lengthMm,
                                     double elementDiamMm, double boomMm, int mounting);

// Messages of the estimate's checks.
inline constexpr const char* kReflectorLengthMissing = "Reflector Length box empty or zero!";
inline constexpr const char* kBoomDiameterMissing = "Boom Diameter box empty or zero!";
inline constexpr const char* kDipoleDiameterMissing = "Dipole Diameter box empty or zero!";
inline constexpr const char* kDipoleLengthMissing = "Dipole length box empty or zero!";
inline constexpr const char* kReflectorDiameterMissing = "Reflector Diameter box empty or zero!";

// The checks of the estimate on the YO texts, in order: reflector length (39), boom diameter
// (38, only when the mounting is not "Non metal"), dipole diameter (1), dipole length (3),
// director/reflector diameter (4). Mounting is YOBoomMountText as a number. A non-empty text
// that is not a number raises bs::ConvertError.
BoxProblem CheckEstimateTexts(const bs::YagiVar::State& state);

// What the estimate did after its checks passed.
enum class EstimateAction {
  kEstimated,          // the frequency text holds a new estimate
  kFrequencyEditable,  // "Use frequency estimate": the user types the frequency
  kNothing,            // reflector item with a length or diameter below 0, or no item
};
// The estimate after the checks have passed, by YOFreqFromText: the reflector search (only with
// Lr > 0 and De > 0), the single dipole search, the folded dipole search (length * 100 / 102).
EstimateAction RunEstimate(bs::YagiVar::State& state);

}  // namespace bs::exporting
