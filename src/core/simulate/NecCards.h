#pragma once
// The NEC-2 cards that the deck writer and the sweep share: numbers in the C form nec2c reads
// (a full stop, whatever the user's locale), lines ended by CR LF.
#include <string>

namespace bs::simulate {

inline constexpr const char* kCardEnd = "\r\n";

// A number with up to 9 significant digits, shortest form, full stop as separator.
std::string NecNumber(double value);

// Linear frequency sweep: count frequencies from startMhz in steps of stepMhz.
std::string FrequencyCard(double startMhz, double stepMhz, int count);
// Gain straight ahead (+x, theta 90, phi 0) and straight back (phi 180).
std::string ForwardBackCard();
// E-plane cut: the plane of the elements and the boom (theta 90, phi 0 to 360 in 2 degrees).
std::string EPlaneCard();
// H-plane cut: the plane across the elements through the boom (phi 0, theta 90 to 450, so that
// the angle from straight ahead is theta - 90).
std::string HPlaneCard();
inline constexpr int kCutPoints = 181;
inline constexpr double kCutStepDeg = 2;
std::string EndCard();

}  // namespace bs::simulate
