#include "cli/commands/DesignFaults.h"

#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "core/design/EntryTable.h"
#include "core/platform/Errors.h"
#include "core/state/BoxTable.h"

namespace bs::cli {

namespace {

// An entry the user gave, with the change that sets it back to its start value.
struct GivenEntry {
  std::string name;
  std::function<void(DesignRequest&, SavedFile&)> reset;
};

std::string FlagOf(bs::design::Box box) {
  const char* option = bs::RowOf(bs::design::DesignBoxes(), box).option;
  return option ? option : "";
}

std::string FlagOf(bs::design::Group group) {
  const char* option = bs::RowOf(bs::design::DesignChoices(), group).option;
  return option ? option : "";
}

std::vector<GivenEntry> OptionsGiven(const DesignRequest& request) {
  std::vector<GivenEntry> given;
  for (const auto& entry : request.boxes) {
    const bs::design::Box box = entry.first;
    given.push_back({FlagOf(box), [box](DesignRequest& r, SavedFile&) { r.boxes.erase(box); }});
  }
  for (const auto& entry : request.choices) {
    const bs::design::Group group = entry.first;
    given.push_back(
        {FlagOf(group), [group](DesignRequest& r, SavedFile&) { r.choices.erase(group); }});
  }
  if (request.velocityFactor)
    given.push_back(
        {"--velocity-factor", [](DesignRequest& r, SavedFile&) { r.velocityFactor.reset(); }});
  if (request.coax)
    given.push_back({"--coax", [](DesignRequest& r, SavedFile&) { r.coax.reset(); }});
  return given;
}

std::vector<GivenEntry> FileLinesGiven(const SavedFile& saved) {
  std::vector<GivenEntry> given;
  bs::YagiVar::State start = StartTexts();
  bs::YagiVar::State texts = saved.texts;
  const std::string file = bs::PathForMessage(saved.path);
  for (std::size_t i = 0; i < bs::SaveInfo::kSavedTexts; ++i) {
    const std::string startText = bs::SaveInfo::SavedText(start, i);
    if (saved.lines[i] == 0 || bs::SaveInfo::SavedText(texts, i) == startText) continue;
    given.push_back({file + " line " + std::to_string(saved.lines[i]),
                     [i, startText](DesignRequest&, SavedFile& s) {
                       bs::SaveInfo::SavedText(s.texts, i) = startText;
                     }});
  }
  return given;
}

// The message of the design's refusal, or nothing when it runs.
std::optional<std::string> Refusal(const DesignRequest& request, const SavedFile* saved) {
  std::ostream nowhere(nullptr);
  try {
    RunDesign(request, saved, nowhere);
    return std::nullopt;
  } catch (const bs::Error& e) {
    return std::string(e.what());
  }
}

}  // namespace

std::string FaultOrigin(const DesignRequest& request, const SavedFile* saved,
                        const std::string& message) {
  std::vector<GivenEntry> given = OptionsGiven(request);
  if (saved) {
    const auto lines = FileLinesGiven(*saved);
    given.insert(given.end(), lines.begin(), lines.end());
  }
  DesignRequest trial = request;
  SavedFile trialFile = saved ? *saved : SavedFile{};
  for (const GivenEntry& entry : given) {
    entry.reset(trial, trialFile);
    if (Refusal(trial, saved ? &trialFile : nullptr) != message) return entry.name;
  }
  return {};
}

}  // namespace bs::cli
