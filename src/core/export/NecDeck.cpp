#include "core/export/NecDeck.h"

#include <cmath>
#include <vector>

#include "core/design/Engine.h"
#include "core/export/ElementTable.h"
#include "core/export/MaaFile.h"
#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"
#include "core/simulate/NecCards.h"

namespace bs::exporting {
namespace {

using bs::simulate::kCardEnd;
using bs::simulate::NecNumber;

constexpr double kLightMmMHz = 299792;  // the design's wavelength constant, mm * MHz

struct TaggedWire {
  Wire wire;
  int segments = 1;
};

double WireLength(const Wire& w) {
  return std::hypot(w.x2 - w.x1, w.y2 - w.y1, w.z2 - w.z1);
}

// An element across the boom at its position, in metres.
Wire ElementWire(const Element& e) {
  const double x = e.position / 1000;
  const double half = e.length / 2000;
  return {x, -half, 0, x, half, 0, e.diameter / 2000};
}

std::string MountingName(char16_t mount) {
  switch (mount) {
    case u'Y':
      return "bonded through a metal boom";
    case u'I':
      return "insulated through a metal boom";
    default:
      return "on a non-metallic boom";
  }
}

std::string Comments(const bs::YagiVar::State& s, bool folded) {
  std::string cards = "CM Beamsmith DL6WU long Zuzo, " + NecNumber(s.DesignFreq) + " MHz, " +
                      std::to_string(s.NumDirectors) + " directors" + kCardEnd;
  cards +=
      std::string("CM Free space; x along the boom (forward +x), y along the elements") + kCardEnd;
  if (s.BoomMount == u'Y' || s.BoomMount == u'I') {
    const double c = DesignBoomCorrectionMm(s) * (s.BoomMount == u'I' ? 0.5 : 1);
    cards += "CM Designed " + MountingName(s.BoomMount) +
             "; modelled with non-metal lengths:" + kCardEnd;
    cards += "CM reflector and directors less the boom correction, " +
             NecNumber(std::round(c * 100) / 100) + " mm (whole mm)" + kCardEnd;
  } else {
    cards += std::string("CM Designed on a non-metallic boom: lengths as designed") + kCardEnd;
  }
  cards += folded ? "CM Driven element: folded dipole (six wires), fed at the centre of wire 1"
                  : "CM Driven element: single dipole, fed at its centre segment";
  return cards + kCardEnd + "CE" + kCardEnd;
}

std::vector<TaggedWire> ModelWires(const bs::YagiVar::State& s, bool folded) {
  const ElementTable table = NonMetalElementTable(s);
  std::vector<Wire> wires;
  if (folded) {
    if (!HasFoldedDipole(s)) throw bs::Error(kFoldedNeedsDesign);
    for (const Wire& w : FoldedDipoleWires(s)) wires.push_back(w);
  } else {
    wires.push_back(ElementWire(table.driven));
  }
  wires.push_back(ElementWire(table.reflector));
  for (const Element& d : table.directors) wires.push_back(ElementWire(d));

  const double lambda = kLightMmMHz / s.DesignFreq / 1000;
  std::vector<TaggedWire> tagged;
  for (const Wire& w : wires) {
    if (!(WireLength(w) > 0) || !(w.radius > 0))
      throw bs::Error(
          "The model has an element without length or diameter: calculate a design "
          "first.");
    tagged.push_back({w, SegmentCount(WireLength(w), lambda)});
  }
  return tagged;
}

std::string WireCard(int tag, const TaggedWire& t) {
  const Wire& w = t.wire;
  std::string card = "GW " + std::to_string(tag) + " " + std::to_string(t.segments);
  for (double v : {w.x1, w.y1, w.z1, w.x2, w.y2, w.z2, w.radius}) card += " " + NecNumber(v);
  return card + kCardEnd;
}

bool NeedsExtendedKernel(const std::vector<TaggedWire>& wires) {
  for (const auto& t : wires)
    if (WireLength(t.wire) / t.segments < kThinWireRadii * t.wire.radius) return true;
  return false;
}

}  // namespace

int SegmentCount(double lengthM, double wavelengthM) {
  int n = static_cast<int>(std::ceil(lengthM * kSegmentsPerWavelength / wavelengthM - 1e-9));
  if (n < 1) n = 1;
  return n % 2 == 0 ? n + 1 : n;
}

std::string NecGeometryCards(const bs::YagiVar::State& s, bool folded) {
  if (!(s.DesignFreq > 0)) throw bs::Error("The model needs a design frequency above 0 MHz.");
  const auto wires = ModelWires(s, folded);
  std::string cards = Comments(s, folded);
  for (std::size_t i = 0; i < wires.size(); ++i)
    cards += WireCard(static_cast<int>(i) + 1, wires[i]);
  cards += std::string("GE 0") + kCardEnd;
  if (NeedsExtendedKernel(wires)) cards += std::string("EK") + kCardEnd;
  // The source sits on wire 1 (the driven element, or the first wire of the folded dipole).
  cards += "EX 0 1 " + std::to_string(wires[0].segments / 2 + 1) + " 0 1 0" + kCardEnd;
  return cards + "PT -1" + kCardEnd;
}

std::string NecDeckText(const bs::YagiVar::State& s, const NecOptions& options) {
  bs::simulate::SweepRequest sweep = NecSweepRequest(s, options);
  bs::simulate::CheckSweepRequest(sweep);
  const auto freqs =
      bs::simulate::SweepFrequencies(sweep.designMhz, sweep.spanPercent, sweep.steps);
  const double step = freqs.size() > 1 ? freqs[1] - freqs[0] : 0;
  return sweep.geometryCards +
         bs::simulate::FrequencyCard(freqs.front(), step, static_cast<int>(freqs.size())) +
         bs::simulate::ForwardBackCard() + bs::simulate::FrequencyCard(sweep.designMhz, 0, 1) +
         bs::simulate::EPlaneCard() + bs::simulate::HPlaneCard() + bs::simulate::EndCard();
}

void WriteNecDeck(const std::string& path, const bs::YagiVar::State& s, const NecOptions& options) {
  WriteTextFile(path, NecDeckText(s, options));
}

bs::simulate::SweepRequest NecSweepRequest(const bs::YagiVar::State& s, const NecOptions& options) {
  bs::simulate::SweepRequest request;
  request.geometryCards = NecGeometryCards(s, options.folded);
  request.designMhz = s.DesignFreq;
  request.spanPercent = options.spanPercent;
  request.steps = options.steps;
  request.referenceOhm = options.folded ? 200 : 50;
  return request;
}

bs::simulate::ReportEstimate DesignReportEstimate(const bs::YagiVar::State& s) {
  bs::simulate::ReportEstimate estimate;
  estimate.present = true;
  estimate.gainDbi = s.DirectorGain + 2.15;
  estimate.beamwidthDeg = static_cast<double>(bs::design::BeamWidth(s.DirectorGain));
  return estimate;
}

bs::FileDialogOptions NecSaveDialogOptions() {
  bs::FileDialogOptions options;
  options.title = "Save NEC-2 model";
  options.initialDir = bs::CurrentDir();
  options.defaultExt = "nec";
  options.filter = "NEC-2 models (*.nec)|*.nec|All files (*.*)|*.*";
  options.fileName = "Zuzo.nec";
  return options;
}

}  // namespace bs::exporting
