#pragma once
// The dimensions of the four-element Zuzo: reflector, driven dipole and two
// directors, computed from the centre frequency and the element diameter.

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace yagi {

// The nine results in display order, each as shown ("0.0" in the locale):
// dipole diameter (mm), reflector, reflector-dipole spacing, dipole,
// dipole-director 1 spacing, director 1, director 1-director 2 spacing,
// director 2 and boom length (all in cm).
enum Result {
  DipoleDiameter,
  ReflectorLength,
  ReflectorDipoleSpacing,
  DipoleLength,
  DipoleDirectorSpacing,
  Director1Length,
  DirectorsSpacing,
  Director2Length,
  BoomLength,
  ResultCount
};

using ShownResults = std::array<QString, ResultCount>;

// Calcul: reads both texts as numbers in the locale and gives the shown
// results, or nothing when a text is not a positive number.
std::optional<ShownResults> Calcul(const QString& frequencyText, const QString& diameterText,
                                   const QLocale& locale);

}  // namespace yagi
