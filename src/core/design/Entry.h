#pragma once
// The design entry screen's conversions, shared by the screen and the command-line program:
// the coax table, the band presets, the radio choices, the strip equivalent diameter and the
// storing of the typed design into the shared state before a calculation. Nothing here asks the
// user anything; the screen asks and hands over the answers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/design/EntryTable.h"
#include "core/state/YagiVar.h"

namespace bs::design {

// ---- Coax table -------------------------------------------------------------------------------

struct CoaxEntry {
  const char* text;       // as the list shows it
  double velocityFactor;  // 0 for the USER entry, whose factor the user types
};

inline constexpr int kCoaxEntries = 32;
inline constexpr int kUserCoaxIndex = 31;
extern const std::array<CoaxEntry, kCoaxEntries> CoaxTable;

// The stored coax name: the entry text less its last four characters, then less any trailing
// digits and full stops ("RG-58 (PE) 53.5 ohm" gives "RG-58 (PE) ", with its trailing space).
std::string CoaxNameFromEntry(std::string_view entryText);

// True for the entry whose velocity factor the user types (its name begins with "USER").
bool CoaxEntryAsksUser(int index);

// The input box the screen shows for the USER entry; Cancel answers the default.
inline constexpr const char* kVelocityCaption = "Coax balun construction";
inline constexpr const char* kVelocityPrompt = "Enter velocity factor of coax 0<X<1";
inline constexpr const char* kVelocityDefault = "0";

// A balun needs a velocity factor of 0 < v <= 1; a factor outside is kept but not used.
bool VelocityFactorUsable(double velocityFactor);

inline constexpr const char* kNoCoaxLabel = "No coax selected for 4:1 balun";
inline constexpr const char* kVelocityOutOfRange = "Velocity factor not in range";

// NoteCoax without the dialog: the coax of list entry `index` becomes the balun coax.
// `userAnswer` is the input box's answer, read only for the USER entry. Sets VelocityFactor and
// CoaxName and returns the new text of the label under the list. A USER answer that is not a
// number raises bs::ConvertError with VelocityFactor already 0 and CoaxName unchanged. An index
// outside the table changes nothing and returns nothing.
std::optional<std::string> NoteCoax(bs::YagiVar::State& state, int index,
                                    const std::string& userAnswer = kVelocityDefault);

// ---- Boxes and radio groups -------------------------------------------------------------------

// The screen's entries: box texts indexed by box number and selected radio indexes indexed by
// group number; index 0 of each is unused.
struct DesignEntries {
  std::array<std::string, 12> edit{};
  std::array<int, 6> radio{};
};

// DesignChoicesText: the five selected indexes as decimal numbers, joined.
std::string EncodeChoices(const std::array<int, 6>& radio);
// The i-th character is the index of group i; a missing or non-digit character reads as 0, an
// index beyond a group's last item selects its last item.
std::array<int, 6> DecodeChoices(std::string_view choicesText);

// GetValues: the shared texts as the screen's entries (through DesignBoxes()).
DesignEntries EntriesFromState(const bs::YagiVar::State& state);
// SaveValues: the entries into the shared texts.
void SaveEntries(const DesignEntries& entries, bs::YagiVar::State& state);

// ---- Band presets and shape boxes -------------------------------------------------------------

// The texts the nine size boxes receive for frequency f in MHz (f <= 200, below 1000, above).
std::array<std::string, 12> BandPresets(double frequency);
// Edit1Exit: parses the frequency box (raising bs::ConvertError with no box changed) and
// overwrites the nine size boxes with the presets.
void ApplyBandPresets(DesignEntries& entries);

// Which of a construction panel's boxes a metal shape shows.
struct ShapeBoxes {
  bool diameter = true;
  bool width = false;
  bool thickness = false;
};
ShapeBoxes VisibleShapeBoxes(int shapeIndex);

// ---- Calculate --------------------------------------------------------------------------------

// Equivalent round diameter of a flat strip: w (0.5 + 0.9 t/w - 0.22 (t/w)^2). Raises
// bs::ConvertError for a text that is not a number and bs::MathError for a width of 0.
long double StripEquivalentDiameter(const std::string& widthText, const std::string& thicknessText);

inline constexpr const char* kTooManyDirectors = "Number of directors must not exceed 100";

// YagiDoCalculate without the screen: stores the design inputs from the entries, field by field
// in their documented order, ending with the balun loop length. The caller saves the entries
// first (SaveEntries) and opens the results afterwards. A failing step raises (bs::ConvertError,
// bs::MathError, or bs::Error for more than 100 directors, refused before NumDirectors is
// written) and leaves the fields of the earlier steps with their new values.
void StoreDesignInputs(const DesignEntries& entries, bs::YagiVar::State& state);

}  // namespace bs::design
