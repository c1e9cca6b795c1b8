#include "core/export/MaaFile.h"

#include <algorithm>

#include "core/export/ElementTable.h"
#include "core/platform/Arith.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/platform/TextFile.h"

namespace bs::exporting {

const std::vector<std::string> kMaaDm1Items = {"100", "200", "400", "600", "800", "1500", "3000"};
const std::vector<std::string> kMaaDm2Items = {"10",  "20",  "30",  "40",  "60", "80",
                                               "120", "200", "300", "400", "600"};
const std::vector<std::string> kMaaScItems = {"1.01", "1.1", "1.3", "1.6", "2.0", "2.5", "3.0"};
const std::vector<std::string> kMaaEcItems = {"1", "2", "3", "4", "8", "16"};
const std::vector<std::string> kMaaGroundItems = {"Free space", "Perfect", "Real"};
const std::vector<std::string> kMaaHeightItems = {"0",  "5",  "10", "15", "20", "25",
                                                  "30", "35", "40", "45", "50"};
const std::vector<std::string> kMaaMaterialItems = {"No Loss", "Cu wire", "Cu tube", "Al wire",
                                                    "Al tube", "Fe wire", "Fe tube", "User wire"};
const std::vector<std::string> kMaaDipoleItems = {"Single dipole", "Folded dipole"};

namespace {

using bs::YagiVar::State;

// The element formulas and the labels use wavelengths of 299793 / f mm.
constexpr double kLightSpeed = 299793.0;
constexpr int kTypedDirectors = 16;

// Coordinates and radii: metres in fixed(6, 4), always with a point.
std::string M(double metres) {
  return bs::FormatFixed(metres, 6, 4, '.');
}

std::string WireEnd(const std::string& radius) {
  return ",  " + radius + ",  -1";
}

void AddLine(std::string& text, const std::string& line) {
  text += line;
  text += "\r\n";
}

int DirectorCount(const State& s) {
  return std::clamp(s.NumDirectors, 0, bs::YagiVar::kMaxDirectors);
}

}  // namespace

std::string SingleDipoleWireLine(const State& s) {
  const std::string h = M(s.SingleDipoleLength / 2000);
  return "0.0,  -" + h + ",  0.0, 0.0,  " + h + ",  0.0" + WireEnd(M(s.DipoleDiam / 2000));
}

std::array<std::string, 6> FoldedDipoleWireLines(const State& s) {
  const std::string a = M(s.FoldedBendSpan / 2000);
  const std::string t = M(s.FoldedTipToTip / 2000);
  const std::string m = M(s.FoldedBendDiam / 2000);
  const std::string r = WireEnd(M(s.DipoleDiam / 2000));
  const std::string q = bs::FormatFixed(s.FoldedBendDiam / 1000, 3, 3, '.');
  const std::string w = M(s.FoldedBendDiam / 1000);
  return {
      "0.0,  -" + a + ",  -" + q + ",  0.0,  " + a + ",  -" + q + r,
      "0.0,  -" + a + ",  0.0, 0.0,  " + a + ",  0.0" + r,
      "0.0,  -" + a + ",  0.0, 0.0,  -" + t + ",  -" + m + r,
      "0.0,  " + a + ",  0.0,  0.0,  " + t + ",  -" + m + r,
      "0.0,  -" + a + ",  -" + w + ",  0.0,    -" + t + ",  -" + m + r,
      "0.0,  " + a + ",  -" + w + ",  0.0,  " + t + ",  -" + m + r,
  };
}

std::string ReflectorWireLine(const State& s) {
  const std::string x = M(s.DipoleSpacing / 1000);
  const std::string g = M(s.ReflectorLength / 2000);
  return "-" + x + ",  -" + g + ",  0.0,  -" + x + ",  " + g + ",  0.0" +
         WireEnd(M(s.ElementDiamMm / 2000));
}

std::string DirectorWireLine(const State& s, int k, double x) {
  const std::string p = M(x);
  const std::string d = M(s.DirLength[k] / 2000);
  return p + ",  -" + d + ",  0.0,  " + p + ",  " + d + ",  0.0" +
         WireEnd(M(s.ElementDiamMm / 2000));
}

std::string MaaFileText(const State& s, const MaaChoices& c) {
  if (c.folded && !HasFoldedDipole(s)) throw bs::Error(kFoldedNeedsDesign);
  const int n = DirectorCount(s);
  std::string text;
  AddLine(text, c.name);
  AddLine(text, "*");
  AddLine(text, bs::FormatFixed(s.DesignFreq, 6, 3, '.'));
  AddLine(text, "***Wires***");
  AddLine(text, std::to_string(n + (c.folded ? 7 : 2)));
  if (c.folded) {
    for (const std::string& line : FoldedDipoleWireLines(s)) AddLine(text, line);
  } else {
    AddLine(text, SingleDipoleWireLine(s));
  }
  AddLine(text, ReflectorWireLine(s));
  double x = 0;
  for (int k = 1; k <= n; ++k) {
    x += s.DirSpacing[k] / 1000;
    AddLine(text, DirectorWireLine(s, k, x));
  }
  AddLine(text, "***Source***");
  AddLine(text, "1,    0");
  AddLine(text, "w1c,   0.0,    1.0");
  AddLine(text, "***Load***");
  AddLine(text, "0,     0");
  AddLine(text, "***Segmentation***");
  AddLine(text, c.dm1 + ",   " + c.dm2 + ",   " + c.sc + ",   " + c.ec);
  AddLine(text, "***G/H/M/R/AzEl/X***");
  const std::string z = bs::FormatFixed(c.folded ? 200.0 : 50.0, 6, 1, '.');
  AddLine(text, std::to_string(c.ground) + ",   " + c.height + ",   " + std::to_string(c.material) +
                    ",   " + z + ",   " + "120,    60,    0.0");
  return text;
}

void WriteMaaFile(const State& state, const MaaChoices& choices, const std::string& path) {
  bs::WriteTextFile(path, MaaFileText(state, choices));
}

std::string SegmentLabel(State& s, const std::string& dm1) {
  const long double segments = bs::StrToFloat(dm1);
  s.MmanaSegLength = bs::ToDouble(bs::Divide(s.Wavelength, segments));
  return "Segment = " + bs::FormatFixed(s.MmanaSegLength, 6, 2) + " mm";
}

std::string RadSegLabel(const State& s, const std::string& dm1) {
  const long double segments = bs::StrToFloat(dm1);
  const long double ratio = bs::Divide(s.DipoleDiam * segments, 2.0L * s.Wavelength);
  return "Rad:Seg = " + std::to_string(bs::RoundToEven(ratio)) + ":1";
}

std::string StoreTypedDimensions(State& s, const std::array<std::string, 40>& boxes) {
  if (boxes[37] == "0") return kFrequencyZero;
  long double value = 0;
  // Each box is stored as soon as it is read; a faulty box stops with the earlier ones stored.
  const auto read = [&](int box) { return bs::TryStrToFloat(boxes[box], value); };
  if (!read(37)) return kBoxError;
  s.DesignFreq = value == 0 ? 0.001 : bs::ToDouble(value);
  s.Wavelength = kLightSpeed / s.DesignFreq;
  for (const auto& [box, field] : {std::pair{4, &State::ElementDiamMm},
                                   {1, &State::DipoleDiam},
                                   {39, &State::ReflectorLength},
                                   {3, &State::SingleDipoleLength},
                                   {2, &State::DipoleSpacing}}) {
    if (!read(box)) return kBoxError;
    s.*field = bs::ToDouble(value);
  }
  std::array<double, kTypedDirectors + 1> distance{};
  for (int k = 1; k <= kTypedDirectors; ++k) {
    if (!read(2 * k + 3)) return kBoxError;
    s.DirLength[k] = bs::ToDouble(value);
  }
  for (int k = 1; k <= kTypedDirectors; ++k) {
    if (!read(2 * k + 4)) return kBoxError;
    distance[k] = bs::ToDouble(value);
    const double previous = k == 1 ? s.DipoleSpacing : distance[k - 1];
    s.DirSpacing[k] = distance[k] - previous;
  }
  int lengths = 0;
  int spacings = 0;
  for (int k = 1; k <= kTypedDirectors; ++k) {
    if (s.DirLength[k] != 0) ++lengths;
    if (s.DirSpacing[k] > 0) ++spacings;
  }
  s.NumDirectors = lengths;
  if (spacings != lengths) return kDirectorMismatch;
  // The directors with a length, in order, each at its own typed distance: a director typed
  // after an empty one keeps its place on the boom.
  std::array<double, kTypedDirectors + 1> length{};
  std::copy(s.DirLength.begin(), s.DirLength.begin() + kTypedDirectors + 1, length.begin());
  int j = 0;
  double previous = s.DipoleSpacing;
  for (int k = 1; k <= kTypedDirectors; ++k) {
    if (length[k] == 0) continue;
    ++j;
    s.DirLength[j] = length[k];
    s.DirSpacing[j] = distance[k] - previous;
    previous = distance[k];
  }
  for (int k = j + 1; k <= kTypedDirectors; ++k) s.DirLength[k] = s.DirSpacing[k] = 0;
  s.BoomMount = u'N';
  return {};
}

}  // namespace bs::exporting
