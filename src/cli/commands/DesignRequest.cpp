#include "cli/commands/DesignRequest.h"

#include <algorithm>

#include "cli/CliDialogs.h"
#include "cli/LineEnds.h"
#include "core/design/Buildable.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/state/SaveInfo.h"
#include "core/state/StartUp.h"

namespace bs::cli {

namespace {

using bs::design::Box;
using bs::design::Group;

// The coax list choice; a USER factor outside 0 < v <= 1 is kept, as on the screen, and the
// balun line is left out of the report.
void ChooseCoax(const DesignRequest& request, bs::YagiVar::State& state, CliDialogs& dialogs) {
  if (!request.coax) return;
  bs::design::NoteCoax(state, *request.coax,
                       request.velocityFactor.value_or(bs::design::kVelocityDefault));
  if (bs::design::CoaxEntryAsksUser(*request.coax) &&
      !bs::design::VelocityFactorUsable(state.VelocityFactor))
    dialogs.Warn(bs::design::kVelocityOutOfRange);
}

}  // namespace

std::optional<int> CoaxIndexFromText(const std::string& text) {
  const bool digits =
      !text.empty() && text.size() <= 2 &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits) {
    const int index = std::stoi(text);
    if (index < bs::design::kCoaxEntries) return index;
    return std::nullopt;
  }
  for (int i = 0; i < bs::design::kCoaxEntries; ++i)
    if (text == bs::design::CoaxTable[i].text) return i;
  return std::nullopt;
}

std::optional<std::string> RequestConflict(const DesignRequest& request) {
  if (request.velocityFactor && request.coax && !bs::design::CoaxEntryAsksUser(*request.coax))
    return "--velocity-factor answers the question of the coax entry \"" +
           std::string(bs::design::CoaxTable[bs::design::kUserCoaxIndex].text) + "\" only";
  return std::nullopt;
}

bs::YagiVar::State StartTexts() {
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  bs::YagiVar::LocalizeStartTexts(state);
  return state;
}

SavedFile ReadSavedFile(const std::string& path) {
  if (!bs::SaveInfo::DataFileExists(path))
    throw bs::Error("No data file found: " + bs::PathForMessage(path));
  SavedFile saved{path, {}, {}};
  bs::YagiVar::StartUp(saved.texts);
  saved.lines = bs::SaveInfo::ReadDataFile(path, saved.texts);
  return saved;
}

bs::design::DesignEntries EntriesFor(const DesignRequest& request) {
  if (!request.fromFile) return EntriesFor(request, nullptr);
  const SavedFile saved = ReadSavedFile(*request.fromFile);
  return EntriesFor(request, &saved);
}

bs::design::DesignEntries EntriesFor(const DesignRequest& request, const SavedFile* saved) {
  bs::design::DesignEntries entries =
      bs::design::EntriesFromState(saved ? saved->texts : StartTexts());
  const auto freq = request.boxes.find(bs::design::kFreqBox);
  if (freq != request.boxes.end()) {
    entries.edit[bs::design::kFreqBox] = freq->second;
    bs::design::ApplyBandPresets(entries);
  }
  for (const auto& [box, text] : request.boxes) entries.edit[box] = text;
  for (const auto& [group, index] : request.choices) entries.radio[group] = index;
  return entries;
}

DesignOutcome RunDesign(const DesignRequest& request, std::ostream& warningStream) {
  if (!request.fromFile) return RunDesign(request, nullptr, warningStream);
  const SavedFile saved = ReadSavedFile(*request.fromFile);
  return RunDesign(request, &saved, warningStream);
}

DesignOutcome RunDesign(const DesignRequest& request, const SavedFile* saved,
                        std::ostream& warningStream) {
  CliDialogs dialogs(warningStream);
  DesignRequest effective = request;
  // The velocity factor given alone answers the USER entry.
  if (effective.velocityFactor && !effective.coax) effective.coax = bs::design::kUserCoaxIndex;

  DesignOutcome out;
  bs::YagiVar::State& state = out.results;
  bs::YagiVar::StartUp(state);
  out.entries = EntriesFor(effective, saved);
  out.coax = effective.coax;
  out.velocityFactor = effective.velocityFactor;
  bs::design::SaveEntries(out.entries, state);
  ChooseCoax(effective, state, dialogs);
  bs::design::StoreDesignInputs(out.entries, state);
  out.inputs = state;
  bs::design::Report report;
  bs::design::Yagidimensions(state, report);
  bs::design::CheckBuildable(state);
  for (const std::string& notice : report.Notices()) dialogs.Warn(notice);
  out.report = WithLfLineEnds(report.Text());
  out.warnings = dialogs.Warnings();
  return out;
}

}  // namespace bs::cli
