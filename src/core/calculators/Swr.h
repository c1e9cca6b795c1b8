#pragma once
// SWR from the two readings of an SWR bridge, the SWR at the antenna end of a lossy coax, the
// power that reaches the antenna, the running table's texts and its printout.
#include <array>
#include <string>
#include <vector>

namespace bs::calculators {

// The kind of readings: the index of the screen's measure choice.
enum class Measure : int { Power = 0, Volts = 1, Milliamps = 2, Ohms = 3 };

struct MeasureTexts {
  const char* item;     // the choice as the screen lists it
  const char* first;    // caption of the first reading (reverse, or low impedance)
  const char* second;   // caption of the second reading (forward, or high impedance)
  const char* units;    // the unit word of the table's last column
  const char* keyword;  // the command line's name for it
};
extern const std::array<MeasureTexts, 4> kMeasures;
const MeasureTexts& TextsOf(Measure measure);

// A loss of this value marks a coax without a loss figure for the chosen band.
inline constexpr double kNoLossData = 999;

inline constexpr const char* kForwardNotPositive = "Forward reading must be greater than 0";
inline constexpr const char* kReverseLarger =
    "Reverse reading is larger than forward reading: check the bridge connections";
inline constexpr const char* kClearMemoQuestion = "Do you want to clear the memo field?";

// The table heading: a title line, an empty line and two column-heading lines.
std::string SetUpMemo();

// SWR at the bridge from the forward (or high) reading F and the reverse (or low) reading R.
double BridgeSWR(Measure measure, double forward, double reverse);
// SWR at the antenna end for a bridge SWR and the coax loss in dB; the reflected wave crosses
// the cable twice. 999 when the loss would push the reflection to 1 or more.
double AntennaSWR(double bridgeSwr, double coaxLoss);
// The power left at the antenna for a forward power typed at the bridge, in padded(3, 2).
std::string PowerAtAntenna(const std::string& forwardText, double coaxLoss);

struct SwrRow {
  double reverse = 0;  // after the substitutions for equal and non-positive readings
  double forward = 0;
  double bridgeSwr = 0;
  double antennaSwr = 0;
  bool lossUnknown = false;  // the loss is kNoLossData: "N/A" columns, the coax loses its pick
  std::string text;          // the table row with its line end
};

// One table row from the two readings as typed (reverse first). In Power, Volts and Milliamps a
// forward reading of 0 or less, or a reverse reading larger than the forward one, raises
// Refusal; a text that is not a number raises bs::ConvertError; arithmetic faults raise
// bs::MathError.
SwrRow FindSWR(Measure measure, const std::string& reverseText, const std::string& forwardText,
               double coaxLoss);

// The power-at-antenna sentence for the forward text as typed.
std::string PowerSentence(const std::string& forwardText, double coaxLoss);

// Prints the table's lines after the print dialog; false when the user cancels. Only in Power
// a page break is written after every 48th line that holds no ":"; otherwise the printer starts
// new pages when a page is full.
bool PrintTheMemo(const std::vector<std::string>& lines, Measure measure);

}  // namespace bs::calculators
