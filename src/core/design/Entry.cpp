#include "core/design/Entry.h"

#include <algorithm>
#include <vector>

#include "core/platform/Arith.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"

namespace bs::design {

const std::array<CoaxEntry, kCoaxEntries> CoaxTable = {{
    {"RG-8X (foam PE) 52 ohm", 0.75}, {"RG-8 (PE) 52 ohm", 0.66},
    {"RG-8 (foam PE) 50 ohm", 0.8},   {"RG-8A (PE) 52 ohm", 0.66},
    {"RG-9 (PE) 51 ohm", 0.66},       {"RG-9A (PE) 51 ohm", 0.66},
    {"RG-9B (PE) 50 ohm", 0.66},      {"RG-17 (PE) 52 ohm", 0.66},
    {"RG-17A (PE) 52 ohm", 0.66},     {"RG-55 (PE) 53.5 ohm", 0.66},
    {"RG-55A (PE) 50 ohm", 0.66},     {"RG-55B (PE) 53.5 ohm", 0.66},
    {"RG-58 (PE) 53.5 ohm", 0.66},    {"RG-58 (foam PE) 53.5 ohm", 0.79},
    {"RG-58A (PE) 53.5 ohm", 0.66},   {"RG-58B (PE) 53.5 ohm", 0.66},
    {"RG-58C (PE) 50 ohm", 0.66},     {"RG-141 (PTFE) 50 ohm", 0.7},
    {"RG-141A (PTFE) 50 ohm", 0.7},   {"RG-142 (PTFE) 50 ohm", 0.7},
    {"RG-142A (PTFE) 50 ohm", 0.7},   {"RG-142B (PTFE) 50 ohm", 0.7},
    {"RG-174 (PE) 50 ohm", 0.66},     {"RG-213 (PE) 50 ohm", 0.66},
    {"RG-214 (PE) 50 ohm", 0.66},     {"RG-215 (PE) 50 ohm", 0.66},
    {"RG-216 (PE) 75 ohm", 0.66},     {"RG-223 (PE) 50 ohm", 0.66},
    {"9913 (air PE) 50 ohm", 0.84},   {"9914 (foam PE) 50 ohm", 0.78},
    {"UT141C (PTFE) 50 ohm", 0.7},    {"USER set velocity factor", 0},
}};

namespace {

// Texts are UTF-8: a character starts at every byte that is not a continuation byte.
bool StartsCharacter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::string DropLastCharacters(std::string_view text, int count) {
  std::size_t end = text.size();
  while (count > 0 && end > 0) {
    --end;
    if (StartsCharacter(text[end])) --count;
  }
  return std::string(text.substr(0, end));
}

// The characters of a text, each as its UTF-8 bytes.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    if (i == text.size() || StartsCharacter(text[i])) {
      out.push_back(text.substr(start, i - start));
      start = i;
    }
  }
  return out;
}

bool IsDigitOrStop(char c) {
  return (c >= '0' && c <= '9') || c == '.';
}

double ParseDouble(const std::string& text) {
  return bs::ToDouble(bs::StrToFloat(text));
}

// Square sections count as round rods 1.18 times their side.
constexpr long double kSquareFactor = 1.18L;

// The equivalent round diameter of a construction panel for its metal shape.
double EquivalentDiameter(double round, int shape, const std::string& width,
                          const std::string& thickness) {
  if (shape == 1) return bs::ToDouble(bs::StrToFloat(width) * kSquareFactor);
  if (shape == 2) return bs::ToDouble(StripEquivalentDiameter(width, thickness));
  return round;
}

char16_t BoomMountCode(int mountingIndex) {
  if (mountingIndex == 0) return u'Y';
  if (mountingIndex == 1) return u'I';
  return u'N';
}

void StoreCountAndElements(const DesignEntries& e, bs::YagiVar::State& s) {
  s.DesignFreq = ParseDouble(e.edit[kFreqBox]);
  const std::int32_t directors = bs::StrToInt(e.edit[kDirectorsBox]);
  if (directors > bs::YagiVar::kMaxDirectors) throw bs::Error(kTooManyDirectors);
  s.NumDirectors = directors;
  s.ElementDiam = ParseDouble(e.edit[kElemDiamBox]);
  s.DipoleMount = static_cast<std::uint8_t>(e.radio[kDipoleMountGroup]);
  s.ElementShape = static_cast<std::uint8_t>(e.radio[kElementShapeGroup]);
  s.DipoleShape = static_cast<std::uint8_t>(e.radio[kDipoleShapeGroup]);
  s.ElementDiamText = e.edit[kElemDiamBox];
  s.DipoleWidthText = e.edit[kDipoleWidthBox];
  s.DipoleDiamText = e.edit[kDipoleDiamBox];
  s.DipoleThickText = e.edit[kDipoleThickBox];
  s.ElementWidthText = e.edit[kElemWidthBox];
  s.ElementThickText = e.edit[kElemThickBox];
  s.ElementDiam = EquivalentDiameter(s.ElementDiam, s.ElementShape, e.edit[kElemWidthBox],
                                     e.edit[kElemThickBox]);
}

void StoreBoomAndDipole(const DesignEntries& e, bs::YagiVar::State& s) {
  s.BoomSize = ParseDouble(e.edit[kBoomBox]);
  s.BoomSizeEntered = s.BoomSize;
  s.BoomIsSquare = false;
  if (e.radio[kBoomTypeGroup] == 0) {
    s.BoomSize = bs::ToDouble(kSquareFactor * s.BoomSize);
    s.BoomIsSquare = true;
  }
  s.BoomMount = BoomMountCode(e.radio[kMountingGroup]);
  s.DipoleDiam = ParseDouble(e.edit[kDipoleDiamBox]);
  s.DipoleDiam = EquivalentDiameter(s.DipoleDiam, s.DipoleShape, e.edit[kDipoleWidthBox],
                                    e.edit[kDipoleThickBox]);
  s.DipoleBendDiam = ParseDouble(e.edit[kBendBox]);
  s.FeedGap = ParseDouble(e.edit[kGapBox]);
}

}  // namespace

std::string CoaxNameFromEntry(std::string_view entryText) {
  std::string name = DropLastCharacters(entryText, 4);
  while (!name.empty() && IsDigitOrStop(name.back())) name.pop_back();
  return name;
}

bool VelocityFactorUsable(double velocityFactor) {
  return velocityFactor > 0 && velocityFactor <= 1;
}

bool CoaxEntryAsksUser(int index) {
  return index >= 0 && index < kCoaxEntries &&
         CoaxNameFromEntry(CoaxTable[index].text).rfind("USER", 0) == 0;
}

std::optional<std::string> NoteCoax(bs::YagiVar::State& state, int index,
                                    const std::string& userAnswer) {
  if (index < 0 || index >= kCoaxEntries) return std::nullopt;
  state.VelocityFactor = 0;
  const std::string name = CoaxNameFromEntry(CoaxTable[index].text);
  std::string label = name + " 4:1 balun";
  if (CoaxEntryAsksUser(index)) {
    state.VelocityFactor = ParseDouble(userAnswer);
    label = VelocityFactorUsable(state.VelocityFactor)
                ? "4:1 balun uses velocity factor of " + userAnswer
                : std::string(kVelocityOutOfRange);
  } else {
    state.VelocityFactor = CoaxTable[index].velocityFactor;
  }
  state.CoaxName = name;
  return label;
}

std::string EncodeChoices(const std::array<int, 6>& radio) {
  std::string text;
  for (int group = 1; group <= 5; ++group) text += std::to_string(radio[group]);
  return text;
}

std::array<int, 6> DecodeChoices(std::string_view choicesText) {
  const auto characters = Characters(choicesText);
  std::array<int, 6> radio{};
  for (int group = 1; group <= 5; ++group) {
    int index = 0;
    if (group <= static_cast<int>(characters.size())) {
      const std::string_view c = characters[group - 1];
      if (c.size() == 1 && c[0] >= '0' && c[0] <= '9') index = c[0] - '0';
    }
    radio[group] = std::min(index, kGroupItems[group] - 1);
  }
  return radio;
}

DesignEntries EntriesFromState(const bs::YagiVar::State& s) {
  DesignEntries e;
  for (const BoxRow& row : DesignBoxes()) e.edit[row.box] = row.text.Of(s);
  e.radio = DecodeChoices(s.DesignChoicesText);
  return e;
}

void SaveEntries(const DesignEntries& e, bs::YagiVar::State& s) {
  for (const BoxRow& row : DesignBoxes()) row.text.Of(s) = e.edit[row.box];
  s.DesignChoicesText = EncodeChoices(e.radio);
}

std::array<std::string, 12> BandPresets(double frequency) {
  // Columns: up to 200 MHz, below 1000 MHz, 1000 MHz and above.
  const int band = frequency <= 200 ? 0 : (frequency < 1000 ? 1 : 2);
  auto pick = [band](const char* low, const char* mid, const char* high) {
    return std::string(band == 0 ? low : (band == 1 ? mid : high));
  };
  std::array<std::string, 12> boxes{};
  boxes[kGapBox] = pick("15", "10", "5");
  boxes[kBendBox] = pick("50", "35", "25");
  boxes[kDipoleDiamBox] = pick("10", "6", "4");
  boxes[kDipoleWidthBox] = pick("10", "6", "4");
  boxes[kDipoleThickBox] = "2";
  boxes[kElemDiamBox] = pick("7", "6", "4");
  boxes[kElemWidthBox] = pick("7", "6", "4");
  boxes[kElemThickBox] = "2";
  boxes[kBoomBox] = pick("25", "25", "15");
  return boxes;
}

void ApplyBandPresets(DesignEntries& entries) {
  const auto presets = BandPresets(ParseDouble(entries.edit[kFreqBox]));
  for (const Box box : kSizeBoxes) entries.edit[box] = presets[box];
}

ShapeBoxes VisibleShapeBoxes(int shapeIndex) {
  if (shapeIndex == 1) return {false, true, false};
  if (shapeIndex == 2) return {false, true, true};
  return {true, false, false};
}

long double StripEquivalentDiameter(const std::string& widthText,
                                    const std::string& thicknessText) {
  const long double w = bs::StrToFloat(widthText);
  const long double t = bs::StrToFloat(thicknessText);
  const long double r = bs::Divide(t, w);
  const long double x = 0.22L * bs::Power(r, 2);
  const long double y = bs::Divide(0.9L * t, w) + 0.5L;
  return bs::Checked((y - x) * w);
}

void StoreDesignInputs(const DesignEntries& entries, bs::YagiVar::State& state) {
  StoreCountAndElements(entries, state);
  StoreBoomAndDipole(entries, state);
  state.ElementDiamMm = state.ElementDiam;
  // The half-wave balun loop in coax, from the free-space wavelength of 299792 / f mm.
  const long double wavelength = bs::Divide(299792.0L, state.DesignFreq);
  state.BalunLoopLength = bs::ToDouble(wavelength * state.VelocityFactor / 2);
}

}  // namespace bs::design
