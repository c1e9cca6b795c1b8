#include "core/calculators/CoaxData.h"

#include <cctype>

#include "core/calculators/Swr.h"
#include "core/platform/Arith.h"
#include "core/platform/Numbers.h"
#include "core/platform/ProgramFiles.h"
#include "core/platform/TextFile.h"

namespace bs::calculators {

namespace {

constexpr const char* kNameEnd = "     ";  // five spaces end a coax name
constexpr long double kMetresPer100Feet = 30.48L;

}  // namespace

std::string CoaxFilePath() {
  return bs::ShippedFile(kCoaxFileName);
}

std::vector<std::string> ReadCoaxFile(const std::string& path) {
  bs::TextFileReader file(path, kCoaxFileMaxBytes);
  std::vector<std::string> lines;
  while (!file.AtEnd()) {
    std::string line = file.ReadLine();
    if (line.empty() || line.front() == '#') continue;
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string CoaxLineName(const std::string& line) {
  return line.substr(0, line.find(kNameEnd));
}

std::optional<std::string> FindCoaxLine(const std::vector<std::string>& lines,
                                        const std::string& name) {
  for (const auto& line : lines)
    if (CoaxLineName(line) == name) return line;
  return std::nullopt;
}

std::string LossEntries(const std::string& line) {
  const std::string padded = line + " ";
  const auto run = padded.find(kNameEnd);
  if (run == std::string::npos) return padded;
  return padded.substr(run + 1);
}

std::string BandKey(const std::string& bandText) {
  std::string key = bandText;
  if (const auto space = key.find(' '); space != std::string::npos) key.erase(space, 1);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

std::optional<std::string> LossFigureText(const std::string& entries, const std::string& key) {
  const auto at = entries.find(key);
  if (at == std::string::npos) return std::nullopt;
  const std::string rest = entries.substr(at);
  const auto equals = rest.find('=');
  const auto space = rest.find(' ');
  // The characters after "=" up to and including the first space; none when either is missing
  // or the space comes first.
  if (equals == std::string::npos || space == std::string::npos || space < equals) return "";
  return rest.substr(equals + 1, space - equals);
}

long double ParseLossFigure(const std::string& figure) {
  // The file is written with a full stop; a comma is taken too, so either locale reads it.
  long double value = 0;
  if (bs::TryStrToFloat(figure, '.', value) || bs::TryStrToFloat(figure, ',', value)) return value;
  return bs::StrToFloat(figure);
}

LossOutcome GetLoss(const std::string& line, const std::string& bandText,
                    const std::string& lengthText, double& coaxLoss) {
  const std::string entries = LossEntries(line);
  if (bandText.empty()) return LossOutcome::NoBand;
  const auto figure = LossFigureText(entries, BandKey(bandText));
  if (!figure) {
    coaxLoss = kNoLossData;
    return LossOutcome::NoData;
  }
  coaxLoss = bs::ToDouble(ParseLossFigure(*figure));
  coaxLoss = bs::ToDouble(bs::StrToFloat(lengthText) * coaxLoss / kMetresPer100Feet);
  coaxLoss = bs::ToDouble(bs::RoundToEven(coaxLoss * 100.0L) / 100.0L);
  return LossOutcome::Done;
}

std::string CoaxLossLabel(double coaxLoss) {
  return "Coax loss= " + bs::FormatGeneral(coaxLoss) + " dB";
}

}  // namespace bs::calculators
