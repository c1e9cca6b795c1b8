#include "core/simulate/NecCards.h"

#include <charconv>
#include <cmath>

namespace bs::simulate {

std::string NecNumber(double value) {
  if (value == 0 || std::fabs(value) < 1e-12) return "0";
  char buffer[64];
  const auto [end, err] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
  return err == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string FrequencyCard(double startMhz, double stepMhz, int count) {
  return "FR 0 " + std::to_string(count) + " 0 0 " + NecNumber(startMhz) + " " +
         NecNumber(stepMhz) + kCardEnd;
}

std::string ForwardBackCard() {
  return std::string("RP 0 1 2 1000 90 0 0 180") + kCardEnd;
}

std::string EPlaneCard() {
  return "RP 0 1 " + std::to_string(kCutPoints) + " 1000 90 0 0 " + NecNumber(kCutStepDeg) +
         kCardEnd;
}

std::string HPlaneCard() {
  return "RP 0 " + std::to_string(kCutPoints) + " 1 1000 90 0 " + NecNumber(kCutStepDeg) + " 0" +
         kCardEnd;
}

std::string EndCard() {
  return std::string("EN") + kCardEnd;
}

}  // namespace bs::simulate
