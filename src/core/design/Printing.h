#pragma once
// Printing the results report and the balun sheet, and the balun dialog's texts. Both print
// operations ask the print dialog themselves (bs::TheDialogs().PrintDialog()) and return false,
// printing nothing, when the user cancels; the caller only hands over what to print.
#include <string>
#include <vector>

#include "core/platform/Printer.h"
#include "core/state/YagiVar.h"

namespace bs::design {

// The report text as the lines a text box holds: split at CR LF (or a lone CR or LF); a line end
// at the very end starts no further line.
std::vector<std::string> ReportLines(const std::string& text);

// The five-line sketch of the folded dipole with its measuring points, printed under the report.
const std::vector<std::string>& DipoleSketchLines();

// PrintIt: a job titled "Zuzo Results", a 10-point text stream with three empty lines, the
// report lines as given, two empty lines and the sketch.
bool PrintReportLines(const std::vector<std::string>& lines);

// Showbalun's check: the balun sheet needs a velocity factor of 0 < v <= 1.
inline constexpr const char* kNoBalunCoax = "No coax selected or velocity factor out of range";
bool BalunUsable(const bs::YagiVar::State& state);

// FixLabels: the loop-length and coax labels of the balun dialog. A CoaxName of exactly "coax"
// (the user's own coax) becomes "User defined coax" in the shared state first.
struct BalunLabels {
  std::string loopLength;  // "687 mm"
  std::string coax;
};
BalunLabels FixLabels(bs::YagiVar::State& state);

// Title of the printed balun sheet ("Balun for 144.1 MHz using 687 mm loop of RG-58 (PE) ").
std::string BalunPrintTitle(const bs::YagiVar::State& state);

// PrintBalunPicture: the title above the drawing, which fills half the page width, and the
// loop length written on the drawn loop.
bool PrintBalunPicture(const bs::Picture& picture, const std::string& title,
                       const bs::YagiVar::State& state);

}  // namespace bs::design
