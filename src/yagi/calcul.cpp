#include "calcul.h"

#include "yaginumbers.h"

namespace yagi {

namespace {

// Lengths of the elements in wavelengths.
constexpr double reflectorFactor = 0.4826;
constexpr double dipoleFactor = 0.4678;
constexpr double director1Factor = 0.4451;
constexpr double director2Factor = 0.4427;

// Spacings between the elements' surfaces in hundredths of a wavelength, so
// that wavelength (m) x factor is already in cm.
constexpr double reflectorDipoleGap = 22.37;
constexpr double dipoleDirectorGap = 18.56;
constexpr double directorsGap = 21.31;

struct Inputs {
  double frequency;    // MHz
  double diameter;     // mm, reflector and directors
  double shownDipole;  // mm, the dipole diameter as displayed
};

// 300 / f is the wavelength in metres; x 100 gives an element length in cm.
double elementLength(const Inputs& in, double factor) {
  return 300 / in.frequency * factor * 100;
}

// Each spacing runs axis to axis: the gap plus the radii (d / 2 x 0.1 cm) of
// the two elements concerned.
double reflectorDipoleSpacing(const Inputs& in) {
  return (300 / in.frequency * reflectorDipoleGap + in.diameter / 2 * 0.1) +
         in.shownDipole / 2 * 0.1;
}

double dipoleDirectorSpacing(const Inputs& in) {
  return (300 / in.frequency * dipoleDirectorGap + in.shownDipole / 2 * 0.1) +
         in.diameter / 2 * 0.1;
}

double directorsSpacing(const Inputs& in) {
  return in.diameter / 2 * 0.1 * 2 + 300 / in.frequency * directorsGap;
}

// The boom carries the three spacings plus half an element diameter beyond
// the reflector's axis and half beyond the second director's.
double boomLength(const Inputs& in) {
  return in.diameter * 0.1 +
         (reflectorDipoleSpacing(in) + (directorsSpacing(in) + dipoleDirectorSpacing(in)));
}

}  // namespace

std::optional<ShownResults> Calcul(const QString& frequencyText, const QString& diameterText,
                                   const QLocale& locale) {
  const auto frequency = readNumber(frequencyText, locale);
  const auto diameter = readNumber(diameterText, locale);
  if (!frequency || !diameter || *frequency <= 0 || *diameter <= 0) return std::nullopt;

  ShownResults shown;
  // The dipole tube is twice as thick as the other elements; the spacings use
  // its diameter as displayed, to the tenth of a millimetre.
  shown[DipoleDiameter] = formatOneDecimal(*diameter + *diameter, locale);
  const Inputs in{*frequency, *diameter, readNumber(shown[DipoleDiameter], locale).value_or(0.0)};

  auto show = [&](Result which, double value) { shown[which] = formatOneDecimal(value, locale); };
  show(ReflectorLength, elementLength(in, reflectorFactor));
  show(ReflectorDipoleSpacing, reflectorDipoleSpacing(in));
  show(DipoleLength, elementLength(in, dipoleFactor));
  show(DipoleDirectorSpacing, dipoleDirectorSpacing(in));
  show(Director1Length, elementLength(in, director1Factor));
  show(DirectorsSpacing, directorsSpacing(in));
  show(Director2Length, elementLength(in, director2Factor));
  show(BoomLength, boomLength(in));
  return shown;
}

}  // namespace yagi
