#include "core/state/SaveInfo.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/platform/Dialogs.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/state/BoxTable.h"

namespace bs::SaveInfo {

namespace {

using bs::YagiVar::State;

// One line of the file: a fixed comment, or one of the 58 saved texts.
struct Line {
  const char* comment;
  std::optional<bs::StateText> text;
};

Line Comment(const char* text) {
  return {text, std::nullopt};
}

Line Text(std::string State::*field) {
  return {nullptr, bs::StateText(field)};
}

std::vector<Line> FileLayout() {
  std::vector<Line> lines = {
      Comment("; This is the storage file for Zuzo.exe, and it is created by the user"),
      Comment("; when he/she accesses the SAVE DATA menu item under FILE."),
      Comment(";"),
      Comment("; The first set of entries form the YO entry screen"),
  };
  for (int box = 1; box <= bs::YagiVar::kYOBoxes; ++box)
    lines.push_back({nullptr, bs::StateText::YOBox(box)});
  const std::vector<Line> rest = {
      Text(&State::YOFreqFromText),
      Text(&State::YOBoomMountText),
      Comment("; this second set store the Design Zuzo details"),
      Text(&State::DesignFreqText),
      Text(&State::DesignDirectorsText),
      Text(&State::DesignElemDiamText),
      Text(&State::DesignDipoleWidthText),
      Text(&State::DesignBoomText),
      Text(&State::DesignDipoleDiamText),
      Text(&State::DesignBendText),
      Text(&State::DesignGapText),
      Text(&State::DesignDipoleThickText),
      Text(&State::DesignElemWidthText),
      Text(&State::DesignElemThickText),
      Text(&State::DesignChoicesText),
      Comment("; this third set store the Gain Calculation details"),
      Text(&State::GainFreqText),
      Text(&State::GainBoomText),
      Comment("; this last set store the Spacing details"),
      Text(&State::StackFreqText),
      Text(&State::StackBeamwidthText),
      Text(&State::StackPlaneText),
  };
  lines.insert(lines.end(), rest.begin(), rest.end());
  return lines;
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
    text += line.comment ? std::string(line.comment) : line.text->Of(state);
  }
  return text;
}

void SaveDataFile(State& state) {
  EnterProgramDir(state);
  bs::WriteTextFile(kDataFileName, DataFileText(state));
  bs::TheDialogs().Beep();
  bs::TheDialogs().ShowMessage("Program data saved");
}

namespace {

// ReadValue, also giving the line the value stands on (0 at the end of the file).
std::string NextValue(bs::TextFileReader& file, int& lineNumber) {
  lineNumber = 0;
  while (!file.AtEnd()) {
    std::string line = file.ReadLine();
    if (line.empty() || line[0] != ';') {
      lineNumber = file.LineNumber();
      return line.empty() ? "0" : line;
    }
  }
  return "0";
}

std::vector<Line> ValueLayout() {
  std::vector<Line> values;
  for (const Line& line : FileLayout())
    if (!line.comment) values.push_back(line);
  return values;
}

}  // namespace

std::string ReadValue(bs::TextFileReader& file) {
  int lineNumber = 0;
  return NextValue(file, lineNumber);
}

std::string& SavedText(State& state, std::size_t index) {
  static const std::vector<Line> values = ValueLayout();
  return values.at(index).text->Of(state);
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

ValueLines ReadDataFile(const std::string& path, State& state) {
  bs::TextFileReader file(path, kDataFileMaxBytes);
  return ReadDataValues(file, state);
}

ValueLines ReadDataValues(bs::TextFileReader& file, State& state) {
  const char separator = bs::DecimalSeparator();
  ValueLines lines(kSavedTexts);
  for (std::size_t i = 0; i < kSavedTexts; ++i)
    SavedText(state, i) = WithDecimalSeparator(NextValue(file, lines[i]), separator);
  return lines;
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
