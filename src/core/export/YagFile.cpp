#include "core/export/YagFile.h"

#include <algorithm>
#include <cctype>

#include "core/platform/Numbers.h"
#include "core/platform/TextFile.h"
#include "core/state/SaveInfo.h"

namespace bs::exporting {

namespace {

using bs::YagiVar::State;

constexpr const char* kCrLf = "\r\n";

bool IsNumberChar(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

void AddLine(std::string& text, const std::string& line) {
  text += line;
  text += kCrLf;
}

std::string Fixed(double value, int precision, int digits) {
  return bs::FormatFixed(value, precision, digits);
}

}  // namespace

YODirLines MakeYODirLines(const State& state) {
  YODirLines lines;
  lines[0] = "";
  for (int k = 1; k <= 16; ++k) lines[k] = state.YOText[2 * k + 4] + "\t" + state.YOText[2 * k + 3];
  return lines;
}

int CountYagElements(const YODirLines& lines) {
  int n = 2;
  for (int k = 1; k <= 16; ++k)
    if (lines[k].size() > 3) ++n;
  return n;
}

std::string YagFileText(const State& state) {
  const auto& t = state.YOText;
  const YODirLines dirs = MakeYODirLines(state);
  std::string text;
  AddLine(text, state.YODescription);
  AddLine(text, t[37] + " MHz");
  AddLine(text, std::to_string(CountYagElements(dirs)) + "  elements,  millimeters");
  AddLine(text, "\t" + t[4] + "\t" + t[1]);
  AddLine(text, "0\t" + t[39]);
  AddLine(text, t[2] + "\t\t" + t[3]);
  for (int k = 1; k <= 16; ++k)
    if (dirs[k].size() > 3) AddLine(text, dirs[k]);
  return text;
}

void GenerateYOfile(const State& state, const std::string& path) {
  bs::WriteTextFile(path, YagFileText(state));
}

std::string DesignYagText(const State& s) {
  std::string text;
  AddLine(text, s.YODescription);
  AddLine(text, Fixed(s.DesignFreq, 6, 2) + " MHz");
  AddLine(text, Fixed(s.NumDirectors + 2.0, 2, 0) + " Elements, millimetres");
  AddLine(text, "\t" + Fixed(s.ElementDiamMm, 3, 1) + "\t" + Fixed(s.DipoleDiam, 3, 1));
  AddLine(text, "0\t" + Fixed(s.ReflectorLength, 6, 0));
  AddLine(text, Fixed(s.DipoleSpacing, 6, 0) + "\t\t" + Fixed(s.SingleDipoleLength, 6, 0));
  const int n = std::min(s.NumDirectors, bs::YagiVar::kMaxDirectors);
  for (int k = 1; k <= n; ++k)
    AddLine(text, Fixed(s.DirPosition[k], 6, 0) + "\t" + Fixed(s.DirLength[k], 6, 0));
  return text;
}

void WriteDesignYag(const State& state, const std::string& path) {
  bs::WriteTextFile(path, DesignYagText(state));
}

std::string FirstNumber(const std::string& line) {
  std::size_t start = 0;
  while (start < line.size() && !IsNumberChar(line[start])) ++start;
  std::size_t end = start;
  while (end < line.size() && IsNumberChar(line[end])) ++end;
  // A line without a digit or a point has no number; it reads as 0 like an empty line.
  if (end == start) return "0";
  return line.substr(start, end - start);
}

std::string LastNumber(const std::string& line) {
  std::size_t start = line.size();
  while (start > 0 && IsNumberChar(line[start - 1])) --start;
  if (start == line.size()) return "0";
  return line.substr(start);
}

bool ReadYagFile(State& state, const std::string& path) {
  state.YagLoadFailed = false;
  if (!bs::SaveInfo::DataFileExists(path)) {
    state.YagLoadFailed = true;
    return false;
  }
  bs::TextFileReader file(path, kYagFileMaxBytes);
  auto& t = state.YOText;
  const auto next = [&] { return bs::SaveInfo::ReadValue(file); };
  next();  // the description
  t[37] = FirstNumber(next());
  bs::StrToInt(FirstNumber(next()));  // the element count must be a whole number
  const std::string diameters = next();
  t[4] = FirstNumber(diameters);
  t[1] = LastNumber(diameters);
  t[39] = LastNumber(next());
  const std::string dipole = next();
  t[2] = FirstNumber(dipole);
  t[3] = LastNumber(dipole);
  for (int k = 1; k <= 16; ++k) {
    const std::string line = next();
    t[2 * k + 4] = FirstNumber(line);
    t[2 * k + 3] = LastNumber(line);
  }
  t[38] = "0";
  state.YOBoomMountText = "2";
  state.YOFreqFromText = "3";
  return true;
}

std::string ExportStartFolder(const std::string& name) {
  const std::string dir = bs::CurrentDir();
  const std::string folder = bs::JoinPath(dir, "\\" + name);
  return bs::DirectoryExists(folder) ? folder : dir;
}

std::string YagLoadedMessage(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return "   " + name + " loaded   ";
}

}  // namespace bs::exporting
