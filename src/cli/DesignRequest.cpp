#include "DesignRequest.h"

#include <algorithm>
#include <filesystem>

#include "CliDialogs.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"
#include "state/SaveInfo.h"
#include "state/StartUp.h"

namespace cli {

namespace {

using design::Box;
using design::Group;

design::DesignEntries StartEntries() {
  YagiVar::State state;
  YagiVar::StartUp(state);
  YagiVar::LocalizeStartTexts(state);
  return design::EntriesFromState(state);
}

design::DesignEntries SavedEntries(const std::string& path) {
  if (!SaveInfo::DataFileExists(path) || std::filesystem::is_directory(path))
    throw bs::Error("No data file found: " + path);
  YagiVar::State state;
  YagiVar::StartUp(state);
  SaveInfo::ReadDataFile(path, state);
  return design::EntriesFromState(state);
}

std::string WithLfLineEnds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

// The coax list choice; a USER factor outside 0 < v <= 1 is kept, as on the screen, and the
// balun line is left out of the report.
void ChooseCoax(const DesignRequest& request, YagiVar::State& state, CliDialogs& dialogs) {
  if (!request.coax) return;
  design::NoteCoax(state, *request.coax, request.velocityFactor.value_or(design::kVelocityDefault));
  if (design::CoaxEntryAsksUser(*request.coax) &&
      !design::VelocityFactorUsable(state.VelocityFactor))
    dialogs.Warn(design::kVelocityOutOfRange);
}

}  // namespace

const std::vector<BoxOption>& BoxOptions() {
  static const std::vector<BoxOption> options = {
      {"--freq", design::kFreqBox, "frequency", "Frequency in MHz"},
      {"--directors", design::kDirectorsBox, "directors", "Number of directors"},
      {"--element-diam", design::kElemDiamBox, "elementDiameter",
       "Directors/reflector: diameter of element mm"},
      {"--element-width", design::kElemWidthBox, "elementWidth",
       "Directors/reflector: width of element mm"},
      {"--element-thickness", design::kElemThickBox, "elementThickness",
       "Directors/reflector: thickness of element mm"},
      {"--boom", design::kBoomBox, "boom", "Cross-section of boom mm"},
      {"--dipole-diam", design::kDipoleDiamBox, "dipoleDiameter", "Dipole: diameter of element mm"},
      {"--dipole-width", design::kDipoleWidthBox, "dipoleWidth", "Dipole: width of element mm"},
      {"--dipole-thickness", design::kDipoleThickBox, "dipoleThickness",
       "Dipole: thickness of element mm"},
      {"--bend", design::kBendBox, "bend", "Diameter of dipole bend mm"},
      {"--gap", design::kGapBox, "gap", "Dipole gap at feed point mm"},
  };
  return options;
}

const std::vector<ChoiceOption>& ChoiceOptions() {
  static const std::vector<ChoiceOption> options = {
      {"--element-shape",
       design::kElementShapeGroup,
       "elementShape",
       "Directors/reflector metal shape",
       {"round", "square", "strip"}},
      {"--boom-shape", design::kBoomTypeGroup, "boomShape", "Boom type", {"square", "round"}},
      {"--mount",
       design::kMountingGroup,
       "mount",
       "Directors/reflector mounting",
       {"bonded", "insulated", "nonmetal"}},
      {"--dipole-shape",
       design::kDipoleShapeGroup,
       "dipoleShape",
       "Dipole metal shape",
       {"round", "square", "strip"}},
      {"--dipole-mount",
       design::kDipoleMountGroup,
       "dipoleMount",
       "Folded dipole mounting",
       {"same", "insulated"}},
  };
  return options;
}

std::optional<int> CoaxIndexFromText(const std::string& text) {
  const bool digits =
      !text.empty() && text.size() <= 2 &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits) {
    const int index = std::stoi(text);
    if (index < design::kCoaxEntries) return index;
    return std::nullopt;
  }
  for (int i = 0; i < design::kCoaxEntries; ++i)
    if (text == design::CoaxTable[i].text) return i;
  return std::nullopt;
}

std::optional<std::string> RequestConflict(const DesignRequest& request) {
  if (request.velocityFactor && request.coax && !design::CoaxEntryAsksUser(*request.coax))
    return "--velocity-factor answers the question of the coax entry \"" +
           std::string(design::CoaxTable[design::kUserCoaxIndex].text) + "\" only";
  return std::nullopt;
}

design::DesignEntries EntriesFor(const DesignRequest& request) {
  design::DesignEntries entries =
      request.fromFile.empty() ? StartEntries() : SavedEntries(request.fromFile);
  const auto freq = request.boxes.find(design::kFreqBox);
  if (freq != request.boxes.end()) {
    entries.edit[design::kFreqBox] = freq->second;
    design::ApplyBandPresets(entries);
  }
  for (const auto& [box, text] : request.boxes) entries.edit[box] = text;
  for (const auto& [group, index] : request.choices) entries.radio[group] = index;
  return entries;
}

DesignOutcome RunDesign(const DesignRequest& request, std::ostream& warningStream) {
  CliDialogs dialogs(warningStream);
  const ScopedDialogs installed(dialogs);
  DesignRequest effective = request;
  // The velocity factor given alone answers the USER entry.
  if (effective.velocityFactor && !effective.coax) effective.coax = design::kUserCoaxIndex;

  DesignOutcome out;
  YagiVar::State& state = out.results;
  YagiVar::StartUp(state);
  out.entries = EntriesFor(effective);
  out.coax = effective.coax;
  out.velocityFactor = effective.velocityFactor;
  design::SaveEntries(out.entries, state);
  ChooseCoax(effective, state, dialogs);
  design::StoreDesignInputs(out.entries, state);
  out.inputs = state;
  design::Report report;
  design::Yagidimensions(state, report);
  out.report = WithLfLineEnds(report.Text());
  out.warnings = dialogs.Warnings();
  return out;
}

}  // namespace cli
