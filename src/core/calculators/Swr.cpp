#include "core/calculators/Swr.h"

#include "core/calculators/Refusal.h"
#include "core/platform/Arith.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Numbers.h"
#include "core/platform/Printer.h"

namespace bs::calculators {

namespace {

constexpr double kTinyReading = 0.000001;
constexpr int kPrintPointSize = 12;
constexpr std::size_t kLinesPerPage = 48;

// 10 to the power loss/10: the power ratio of a loss in dB.
long double PowerRatio(double lossDb) {
  return bs::Exp(bs::Ln(10.0L) * (lossDb / 10.0L));
}

bool IsCurrentOrVoltageOrPower(Measure measure) {
  return measure != Measure::Ohms;
}

void CheckReadings(Measure measure, double reverse, double forward) {
  if (!IsCurrentOrVoltageOrPower(measure)) return;
  if (forward <= 0) throw Refusal(kForwardNotPositive);
  if (reverse > forward) throw Refusal(kReverseLarger);
}

void WriteTopMargin(bs::Printer& printer) {
  for (int i = 0; i < 3; ++i) printer.WriteLine("");
}

}  // namespace

const std::array<MeasureTexts, 4> kMeasures = {{
    {"Power", "Reverse watts", "Forward watts", "watts", "power"},
    {"Volts", "Reverse volts", "Forward volts", "volts", "volts"},
    {"Milliamps", "Reverse mA", "Forward mA", "mA", "milliamps"},
    {"Ohms (impedance)", "Low impedance", "High impedance", "ohms", "ohms"},
}};

const MeasureTexts& TextsOf(Measure measure) {
  return kMeasures[static_cast<std::size_t>(measure)];
}

std::string SetUpMemo() {
  return "CALCULATING SWR FOR VARIOUS INPUTS\r\n\r\n"
         "SWR\tSWR\tCoax\tRev\tFwd\tUnits\r\n"
         "bridge\tantenna\tloss db\r\n";
}

double BridgeSWR(Measure measure, double forward, double reverse) {
  switch (measure) {
    case Measure::Power: {
      // Power readings: the voltage ratio is the square root of the power ratio.
      const double t = bs::ToDouble(bs::Sqrt(bs::Divide(forward, reverse)));
      return bs::ToDouble(bs::Divide((1.0L + t) * -1.0L, 1.0L - t));
    }
    case Measure::Volts:
    case Measure::Milliamps:
      return bs::ToDouble(bs::Divide(static_cast<long double>(forward) + reverse,
                                     static_cast<long double>(forward) - reverse));
    case Measure::Ohms:
      break;
  }
  double q = bs::ToDouble(bs::Divide(forward, reverse));
  if (q < 1) q = bs::ToDouble(bs::Divide(1.0L, q));
  return q;
}

double AntennaSWR(double bridgeSwr, double coaxLoss) {
  const long double k = PowerRatio(coaxLoss);
  const double g = bs::ToDouble(bs::Divide(bridgeSwr - 1.0L, bridgeSwr + 1.0L) * k);
  if (g >= 1) return kNoLossData;
  return bs::ToDouble(bs::Divide(1.0L + g, 1.0L - g));
}

std::string PowerAtAntenna(const std::string& forwardText, double coaxLoss) {
  const long double power = bs::StrToFloat(forwardText);
  return bs::FormatPadded(bs::Divide(power, PowerRatio(coaxLoss)), 3, 2);
}

std::string PowerSentence(const std::string& forwardText, double coaxLoss) {
  return forwardText + " watts at bottom of coax delivers " +
         PowerAtAntenna(forwardText, coaxLoss) + " watts to antenna";
}

SwrRow FindSWR(Measure measure, const std::string& reverseText, const std::string& forwardText,
               double coaxLoss) {
  SwrRow row;
  row.reverse = bs::ToDouble(bs::StrToFloat(reverseText));
  row.forward = bs::ToDouble(bs::StrToFloat(forwardText));
  CheckReadings(measure, row.reverse, row.forward);
  if (row.reverse == row.forward) row.reverse = bs::ToDouble(row.reverse - kTinyReading);
  if (!(row.reverse > 0)) row.reverse = kTinyReading;
  row.bridgeSwr = BridgeSWR(measure, row.forward, row.reverse);
  row.antennaSwr = AntennaSWR(row.bridgeSwr, coaxLoss);
  row.lossUnknown = coaxLoss == kNoLossData;
  const std::string bridge = bs::FormatPadded(row.bridgeSwr, 3, 2);
  const std::string antenna = row.lossUnknown ? "N/A" : bs::FormatPadded(row.antennaSwr, 3, 2);
  const std::string loss = row.lossUnknown ? "N/A" : bs::FormatPadded(coaxLoss, 3, 2);
  row.text = bridge + "\t" + antenna + "\t" + loss + "\t" + bs::FormatPadded(row.reverse, 7, 2) +
             "\t" + bs::FormatPadded(row.forward, 7, 2) + "\t" + TextsOf(measure).units + "\r\n";
  return row;
}

bool PrintTheMemo(const std::vector<std::string>& lines, Measure measure) {
  if (!bs::TheDialogs().PrintDialog()) return false;
  bs::Printer& printer = bs::ThePrinter();
  printer.BeginText(kPrintPointSize);
  WriteTopMargin(printer);
  bool breakPending = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    printer.WriteLine("\t" + lines[i]);
    if (i > 0 && i % kLinesPerPage == 0) breakPending = true;
    // A form feed, then the same three empty lines as at the top of the first page.
    if (breakPending && measure == Measure::Power && lines[i].find(':') == std::string::npos) {
      printer.WriteLine("\f");
      printer.WriteLine("");
      printer.WriteLine("");
      breakPending = false;
    }
  }
  printer.EndText();
  return true;
}

}  // namespace bs::calculators
