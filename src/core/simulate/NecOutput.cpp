#include "core/simulate/NecOutput.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"
#include "core/simulate/SimulationError.h"

namespace bs::simulate {
namespace {

constexpr std::size_t kMaxOutputBytes = 256u * 1024 * 1024;

std::vector<std::string_view> Tokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

// A number in nec2c's C-locale form; NaN for anything else ("-NAN", "nan", text).
double Number(std::string_view token) {
  double value = std::numeric_limits<double>::quiet_NaN();
  const char* first = token.data();
  const char* last = token.data() + token.size();
  if (first != last && *first == '+') ++first;
  const auto [end, err] = std::from_chars(first, last, value);
  if (err != std::errc() || end != last) return std::numeric_limits<double>::quiet_NaN();
  return value;
}

bool StartsWithNumber(std::string_view line) {
  const auto tokens = Tokens(line);
  return !tokens.empty() && !std::isnan(Number(tokens[0]));
}

bool Blank(std::string_view line) {
  return Tokens(line).empty();
}

class OutputParser {
 public:
  void Line(std::string_view line) {
    if (const auto at = line.find("FREQUENCY :"); at != std::string_view::npos) {
      StartBlock(line.substr(at + 11));
      return;
    }
    if (firstError_.empty() && line.find("ERROR") != std::string_view::npos)
      firstError_ = std::string(Trimmed(line));
    if (blocks_.empty()) return;
    if (line.find("ANTENNA INPUT PARAMETERS") != std::string_view::npos) {
      state_ = State::Impedance;
    } else if (line.find("RADIATION PATTERNS") != std::string_view::npos) {
      state_ = State::PatternHeader;
      blocks_.back().patterns.emplace_back();
    } else if (state_ == State::Impedance && StartsWithNumber(line)) {
      ReadImpedance(Tokens(line));
      state_ = State::None;
    } else if (state_ == State::PatternHeader && StartsWithNumber(line)) {
      state_ = State::Pattern;
      ReadPatternPoint(Tokens(line));
    } else if (state_ == State::Pattern) {
      if (Blank(line) || !StartsWithNumber(line))
        state_ = State::None;
      else
        ReadPatternPoint(Tokens(line));
    }
  }

  std::vector<FrequencyBlock> Finish() {
    if (blocks_.empty()) {
      std::string message = "The nec2c output holds no results";
      if (!firstError_.empty()) message += ": nec2c reports \"" + firstError_ + "\"";
      throw SimulationError(message + ".");
    }
    for (auto& block : blocks_)
      if (!block.hasImpedance) block.failed = true;
    return std::move(blocks_);
  }

 private:
  enum class State { None, Impedance, PatternHeader, Pattern };

  static std::string_view Trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
  }

  void StartBlock(std::string_view rest) {
    const auto tokens = Tokens(rest);
    FrequencyBlock block;
    block.mhz = tokens.empty() ? std::numeric_limits<double>::quiet_NaN() : Number(tokens[0]);
    block.failed = std::isnan(block.mhz);
    blocks_.push_back(std::move(block));
    state_ = State::None;
  }

  // TAG SEG V(re im) I(re im) Z(re im) Y(re im) POWER
  void ReadImpedance(const std::vector<std::string_view>& tokens) {
    auto& block = blocks_.back();
    if (block.hasImpedance) return;
    block.hasImpedance = true;
    if (tokens.size() < 8) {
      block.failed = true;
      return;
    }
    const double r = Number(tokens[6]);
    const double x = Number(tokens[7]);
    block.impedance = {r, x};
    if (std::isnan(r) || std::isnan(x)) block.failed = true;
  }

  // THETA PHI VERTICAL HORIZONTAL TOTAL ...
  void ReadPatternPoint(const std::vector<std::string_view>& tokens) {
    auto& block = blocks_.back();
    PatternPoint point;
    if (tokens.size() >= 5) {
      point = {Number(tokens[0]), Number(tokens[1]), Number(tokens[4])};
    } else {
      point.gainDbi = std::numeric_limits<double>::quiet_NaN();
    }
    if (std::isnan(point.gainDbi) || std::isnan(point.thetaDeg) || std::isnan(point.phiDeg))
      block.failed = true;
    block.patterns.back().push_back(point);
  }

  std::vector<FrequencyBlock> blocks_;
  State state_ = State::None;
  std::string firstError_;
};

}  // namespace

std::vector<FrequencyBlock> ReadNecOutput(std::string_view text) {
  OutputParser parser;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    parser.Line(text.substr(start, end - start));
    start = end + 1;
  }
  return parser.Finish();
}

std::vector<FrequencyBlock> ReadNecOutputFile(const std::string& path) {
  std::string text;
  try {
    text = bs::ReadFileBytes(path, kMaxOutputBytes);
  } catch (const bs::InOutError& e) {
    if (e.Code() == bs::kFileTooLarge)
      throw SimulationError("The nec2c output file " + path + " is too large to read.");
    if (e.Code() == bs::kNotARegularFile || e.Code() == ENOENT)
      throw SimulationError("The nec2c output file " + path + " was not written.");
    throw SimulationError("The nec2c output file " + path + " could not be read.");
  }
  return ReadNecOutput(text);
}

}  // namespace bs::simulate
