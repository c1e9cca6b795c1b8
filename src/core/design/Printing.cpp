#include "core/design/Printing.h"

#include "core/design/Entry.h"
#include "core/platform/Arith.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Numbers.h"

namespace bs::design {

namespace {

constexpr int kReportPointSize = 10;
constexpr int kTitlePointSize = 12;
constexpr int kLoopPointSize = 8;
constexpr const char* kReportTitle = "Zuzo Results";

std::string Spaces(int n) {
  return std::string(n, ' ');
}
std::string Dashes(int n) {
  return std::string(n, '-');
}

std::string LoopLength(const bs::YagiVar::State& s) {
  return bs::FormatFixed(s.BalunLoopLength, 6, 0);
}

void WriteEmptyLines(bs::Printer& printer, int count) {
  for (int i = 0; i < count; ++i) printer.WriteLine("");
}

}  // namespace

std::vector<std::string> ReportLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

const std::vector<std::string>& DipoleSketchLines() {
  static const std::vector<std::string> sketch = {
      "\t" + Spaces(3) + "B" + Spaces(15) + "C" + Spaces(14) + "D",
      "\t" + Spaces(2) + "/" + Dashes(14) + "|" + Dashes(13) + "\\",
      "\tA" + Spaces(38) + "E",
      "\t" + Spaces(2) + "\\" + Dashes(13) + "| |" + Dashes(13) + "/",
      "\t" + Spaces(3) + "I" + Spaces(15) + "H G" + Spaces(12) + "F",
  };
  return sketch;
}

bool PrintReportLines(const std::vector<std::string>& lines) {
  if (!bs::TheDialogs().PrintDialog()) return false;
  bs::Printer& printer = bs::ThePrinter();
  printer.SetTitle(kReportTitle);
  printer.BeginText(kReportPointSize);
  WriteEmptyLines(printer, 3);
  for (const auto& line : lines) printer.WriteLine(line);
  WriteEmptyLines(printer, 2);
  for (const auto& line : DipoleSketchLines()) printer.WriteLine(line);
  printer.EndText();
  return true;
}

bool BalunUsable(const bs::YagiVar::State& s) {
  return VelocityFactorUsable(s.VelocityFactor);
}

BalunLabels FixLabels(bs::YagiVar::State& s) {
  if (s.CoaxName == "coax") s.CoaxName = "User defined coax";
  return {LoopLength(s) + " mm", s.CoaxName};
}

std::string BalunPrintTitle(const bs::YagiVar::State& s) {
  return "Balun for " + bs::FormatGeneral(s.DesignFreq) + " MHz using " + LoopLength(s) +
         " mm loop of " + s.CoaxName;
}

bool PrintBalunPicture(const bs::Picture& picture, const std::string& title,
                       const bs::YagiVar::State& state) {
  if (!bs::TheDialogs().PrintDialog()) return false;
  bs::Printer& printer = bs::ThePrinter();
  const int q = printer.PageWidth() / 4;
  printer.SetTitle(title);
  printer.SetFontSize(kTitlePointSize);
  printer.BeginDoc();
  printer.TextOut(q, static_cast<int>(bs::RoundToEven(0.8L * q)), title);
  printer.StretchDraw({q, q, 3 * q, 2 * q}, picture);
  printer.SetFontSize(kLoopPointSize);
  printer.TextOut(2 * q, static_cast<int>(bs::RoundToEven(1.3L * q)), LoopLength(state) + "mm");
  printer.EndDoc();
  return true;
}

}  // namespace bs::design
