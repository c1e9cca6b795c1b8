#pragma once
// What the user asked of "beamsmith-cli design", and the run of the design engine for it.
//
// The entries start as the entry screen shows them at the first opening of a run (or as a
// saved-data file holds them); a frequency given acts like typing it into the frequency box and
// leaving it, so the size boxes take that band's presets; every other option then overwrites its
// box or choice. The run is the screen's Calculate: the coax choice, the stored design inputs and
// the element calculation with its report, all by the core.
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/design/Design.h"
#include "core/state/SaveInfo.h"
#include "core/state/YagiVar.h"

namespace bs::cli {

// The coax list entry named by its index in the list or by its exact text.
std::optional<int> CoaxIndexFromText(const std::string& text);

struct DesignRequest {
  std::optional<std::string> fromFile;           // none: the start values
  std::map<bs::design::Box, std::string> boxes;  // texts as typed
  std::map<bs::design::Group, int> choices;      // selected item indexes
  std::optional<int> coax;                       // coax list index
  std::optional<std::string> velocityFactor;     // the answer to the USER entry's question
  bool json = false;
};

// A usage mistake found after the options were read (exit status 2).
std::optional<std::string> RequestConflict(const DesignRequest& request);

// The entry screen's boxes and choices for the request. Reads the saved-data file when one is
// named; raises bs::Error for a file that cannot be read and bs::ConvertError for a frequency
// that is not a number (the band presets need it).
bs::design::DesignEntries EntriesFor(const DesignRequest& request);

// A saved-data file as read for --from: its texts and the line each value stands on.
struct SavedFile {
  std::string path;
  bs::YagiVar::State texts;
  bs::SaveInfo::ValueLines lines;
};
// Raises bs::Error "No data file found: PATH" when there is no regular file of that name, and
// bs::InOutError when it cannot be read.
SavedFile ReadSavedFile(const std::string& path);
// The start texts of a run, with the user's decimal separator.
bs::YagiVar::State StartTexts();
// The entries for the request with the file already read (nullptr: no file).
bs::design::DesignEntries EntriesFor(const DesignRequest& request, const SavedFile* saved);

struct DesignOutcome {
  bs::design::DesignEntries entries;
  std::optional<int> coax;                    // coax list index chosen
  std::optional<std::string> velocityFactor;  // the USER entry's answer as typed
  bs::YagiVar::State inputs;                  // the state once the design inputs are stored
  bs::YagiVar::State results;                 // the state after the element calculation
  std::string report;                         // the results report, LF line ends
  std::vector<std::string> warnings;
};

// Runs the design; warnings go to `warningStream` as they come and into the outcome. Raises
// bs::Error (with the message the program shows) when an entry is refused.
DesignOutcome RunDesign(const DesignRequest& request, std::ostream& warningStream);
DesignOutcome RunDesign(const DesignRequest& request, const SavedFile* saved,
                        std::ostream& warningStream);

}  // namespace bs::cli
