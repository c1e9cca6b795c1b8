#include "core/state/SaveInfo.h"

#include <algorithm>
#include <vector>

#include "core/platform/Dialogs.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"

namespace bs::SaveInfo {

namespace {

using bs::YagiVar::State;

// One line of the file: a fixed comment, or one of the 58 saved texts.
struct Line {
  const char* comment;
  std::string State::*text;
  int yoBox;
};

std::vector<Line> FileLayout() {
  std::vector<Line> lines = {
      {"; This is the storage file for Zuzo.exe, and it is created by the user", nullptr, 0},
      {"; when he/she accesses the SAVE DATA menu item under FILE.", nullptr, 0},
      {";", nullptr, 0},
      {"; The first set of entries form the YO entry screen", nullptr, 0},
  };
  for (int box = 1; box <= bs::YagiVar::kYOBoxes; ++box) lines.push_back({nullptr, nullptr, box});
  const std::vector<Line> rest = {
      {nullptr, &State::YOFreqFromText, 0},
      {nullptr, &State::YOBoomMountText, 0},
      {"; this second set store the Design Zuzo details", nullptr, 0},
      {nullptr, &State::DesignFreqText, 0},
      {nullptr, &State::DesignDirectorsText, 0},
      {nullptr, &State::DesignElemDiamText, 0},
      {nullptr, &State::DesignDipoleWidthText, 0},
      {nullptr, &State::DesignBoomText, 0},
      {nullptr, &State::DesignDipoleDiamText, 0},
      {nullptr, &State::DesignBendText, 0},
      {nullptr, &State::DesignGapText, 0},
      {nullptr, &State::DesignDipoleThickText, 0},
      {nullptr, &State::DesignElemWidthText, 0},
      {nullptr, &State::DesignElemThickText, 0},
      {nullptr, &State::DesignChoicesText, 0},
      {"; this third set store the Gain Calculation details", nullptr, 0},
      {nullptr, &State::GainFreqText, 0},
      {nullptr, &State::GainBoomText, 0},
      {"; this last set store the Spacing details", nullptr, 0},
      {nullptr, &State::StackFreqText, 0},
      {nullptr, &State::StackBeamwidthText, 0},
      {nullptr, &State::StackPlaneText, 0},
  };
  lines.insert(lines.end(), rest.begin(), rest.end());
  return lines;
}

template <typename S>
auto& ValueOf(S& state, const Line& line) {
  return line.yoBox ? state.YOText[line.yoBox] : state.*line.text;
}

}  // namespace

void CaptureProgramDir(State& state) {
  state.ProgramDir = bs::CurrentDir();
}

void EnterProgramDir(const State& state) {
  bs::SetCurrentDir(state.ProgramDir);
}

bool DataFileExists(const std::string& name) {
  return bs::RegularFileReadable(name);
}

std::string DataFileText(const State& state) {
  std::string text;
  for (const Line& line : FileLayout()) {
    if (!text.empty()) text += "\r\n";
    text += line.comment ? std::string(line.comment) : ValueOf(state, line);
  }
  return text;
}

void SaveDataFile(State& state) {
  EnterProgramDir(state);
  bs::WriteTextFile(kDataFileName, DataFileText(state));
  bs::TheDialogs().Beep();
  bs::TheDialogs().ShowMessage("Program data saved");
}

std::string ReadValue(bs::TextFileReader& file) {
  while (!file.AtEnd()) {
    std::string line = file.ReadLine();
    if (line.empty()) return "0";
    if (line[0] != ';') return line;
  }
  return "0";
}

bool RecoverDataFile(State& state) {
  const auto noFile = [] {
    bs::TheDialogs().Beep();
    bs::TheDialogs().ShowMessage("No data file found");
    return false;
  };
  if (!DataFileExists(kDataFileName)) return noFile();
  EnterProgramDir(state);
  // The program directory may hold something else under the name than the working directory.
  try {
    ReadDataFile(kDataFileName, state);
  } catch (const bs::InOutError& e) {
    if (e.Code() != bs::kNotARegularFile) throw;
    return noFile();
  }
  bs::TheDialogs().Beep();
  return true;
}

void ReadDataFile(const std::string& path, State& state) {
  bs::TextFileReader file(path, kDataFileMaxBytes);
  ReadDataValues(file, state);
}

void ReadDataValues(bs::TextFileReader& file, State& state) {
  const char separator = bs::DecimalSeparator();
  for (const Line& line : FileLayout())
    if (!line.comment) ValueOf(state, line) = WithDecimalSeparator(ReadValue(file), separator);
}

std::string WithDecimalSeparator(const std::string& text, char separator) {
  const char other = separator == ',' ? '.' : ',';
  const auto at = text.find(other);
  if (at == std::string::npos || text.find(other, at + 1) != std::string::npos) return text;
  const auto digits = [&](std::size_t from, std::size_t to) {
    return from < to && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                                    text.begin() + static_cast<std::ptrdiff_t>(to),
                                    [](char c) { return c >= '0' && c <= '9'; });
  };
  const std::size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (!digits(start, at) || !digits(at + 1, text.size())) return text;
  std::string converted = text;
  converted[at] = separator;
  return converted;
}

}  // namespace bs::SaveInfo
