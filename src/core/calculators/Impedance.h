#pragma once
// Matching sections: the impedance of two parallel rods (round or square in section) from two
// fitted cubic polynomials, the rod size or separation found by stepping along the polynomial,
// and the quarter-wave transformer.
#include <optional>
#include <string>

namespace bs::calculators {

enum class RodShape : int { Round = 0, Square = 1 };
// What the rods panel finds: the index of the screen's "Calculate" choice.
enum class RodUnknown : int { Impedance = 0, CrossSection = 1, Separation = 2 };

inline constexpr const char* kEntryBoxError = "Error in one of the entry boxes";
inline constexpr const char* kOutOfRange = "Out of range";
inline constexpr const char* kRoundRangeWarning =
    "Calculated Impedance outside range of algorithms (45-175 ohms)";
inline constexpr const char* kSquareRangeWarning =
    "Calculated Impedance outside range of algorithms (15-320 ohms)";

// Line impedance in ohms. Round rods: x = S / D, centre-to-centre separation over diameter.
// Square rods: x = S / (S + D), face-to-face gap over centre-to-centre spacing.
long double RoundRodImpedance(long double x);
long double SquareRodImpedance(long double x);
long double RodImpedance(RodShape shape, long double x);

// The range warning for an impedance outside the fit of the shape, or empty.
std::string RangeWarning(RodShape shape, long double impedance);

// The first grid point x = start + k * step (k >= 1, steps added up one by one) at which the
// polynomial exceeds impedance - 0.1; nothing once x passes the shape's bound. Ends for every
// input, NaN included.
std::optional<long double> SearchRodX(RodShape shape, long double impedance, long double step);

// The grid steps of the two searches: the cross-section search is ten times finer.
inline constexpr long double kCrossSectionStep = 0.0001L;
inline constexpr long double kSeparationStep = 0.001L;

struct RodResult {
  std::optional<long double> value;  // the unknown, nothing when the search ran out of range
  std::string text;                  // the unknown's box: fixed(5, 1) or "Out of range"
  std::string warning;               // the range warning, or empty
};

// The rods panel's calculation from the three box texts (the unknown's text is not read). A
// known that is not a decimal number raises Refusal (kEntryBoxError); arithmetic faults raise
// bs::MathError.
RodResult CalculateRods(RodUnknown unknown, RodShape shape, const std::string& diameterText,
                        const std::string& spacingText, const std::string& impedanceText);

struct QuarterWaveEntries {
  long double freq = 0, zin = 0, zout = 0, velocityFactor = 0;
};
// Reads frequency, input and output impedance and velocity factor in this order; a text that
// is not a decimal number raises Refusal (kEntryBoxError).
QuarterWaveEntries ParseQuarterWave(const std::string& freqText, const std::string& zinText,
                                    const std::string& zoutText, const std::string& vfText);
// A quarter of the wavelength in mm, shortened by the velocity factor.
long double QuarterWaveLength(const QuarterWaveEntries& e);
// The geometric mean of the two impedances.
long double QuarterWaveImpedance(const QuarterWaveEntries& e);

}  // namespace bs::calculators
