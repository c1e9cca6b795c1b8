#pragma once
// The MMANA-GAL ".maa" file: one straight wire per element (six for a folded dipole), then the
// source, load, segmentation and environment sections from the MMANA-GAL screen's choices.
// It reads the element table of the state (ElementTable.h has the list of fields). Numbers are
// always written with a point: the file separates its fields with commas.
#include <array>
#include <string>
#include <vector>

#include "core/state/YagiVar.h"

namespace bs::exporting {

// The lists of the MMANA-GAL screen, in order, and the item each starts on.
extern const std::vector<std::string> kMaaDm1Items;       // "800"
extern const std::vector<std::string> kMaaDm2Items;       // "80"
extern const std::vector<std::string> kMaaScItems;        // "2.0"
extern const std::vector<std::string> kMaaEcItems;        // "2"
extern const std::vector<std::string> kMaaGroundItems;    // "Free space"
extern const std::vector<std::string> kMaaHeightItems;    // "15"
extern const std::vector<std::string> kMaaMaterialItems;  // "Al tube"
extern const std::vector<std::string> kMaaDipoleItems;    // "Single dipole"

// The choices of the MMANA-GAL screen; the defaults are the screen's.
struct MaaChoices {
  std::string name = "Yagi01";  // line 1: the file name without ".maa"
  std::string dm1 = "800";
  std::string dm2 = "80";
  std::string sc = "2.0";
  std::string ec = "2";
  int ground = 0;  // item index of the ground list; -1 for typed text
  std::string height = "15";
  int material = 4;  // item index of the material list ("Al tube"); -1 for typed text
  bool folded = false;
};

inline constexpr const char* kMaaSaved = " saved and ready for you to run MMANA-GAL";
inline constexpr const char* kNotInsulated =
    "The elements are not insulated from the boom. MMANA-GAL will give an incorrect assessment";
inline constexpr const char* kNoMmanaFolder = "Could not create MmanaFiles directory";
inline constexpr const char* kFoldedNeedsDesign =
    "Folded dipole dimensions come from a design calculation: calculate a design first, or "
    "choose Single dipole";

// The wire lines (without line ends).
std::string SingleDipoleWireLine(const bs::YagiVar::State& state);
std::array<std::string, 6> FoldedDipoleWireLines(const bs::YagiVar::State& state);
std::string ReflectorWireLine(const bs::YagiVar::State& state);
// Director k's line; x is its boom position in metres (the spacings summed in double).
std::string DirectorWireLine(const bs::YagiVar::State& state, int k, double x);

// The whole file. A folded dipole without folded dipole dimensions in the state (no design was
// calculated in this run) raises bs::Error with kFoldedNeedsDesign.
std::string MaaFileText(const bs::YagiVar::State& state, const MaaChoices& choices);
// Writes MaaFileText through the atomic writer.
void WriteMaaFile(const bs::YagiVar::State& state, const MaaChoices& choices,
                  const std::string& path);

// The labels under the segmentation lists for a DM1 text (a text that is not a number raises
// bs::ConvertError): the segment length lambda / DM1 in mm (also stored in MmanaSegLength), and
// the dipole radius to segment length ratio.
std::string SegmentLabel(bs::YagiVar::State& state, const std::string& dm1);
std::string RadSegLabel(const bs::YagiVar::State& state, const std::string& dm1);

// "Make Mmana" of the YO screen: the typed dimensions (the 39 box texts, [1..39]) into the
// element table. Returns an empty text when the table is ready for the MMANA-GAL screen, else
// the message that stops it ("Frequency showing as 0 MHz", "Error in a box (boxes), check
// entries", "Director lengths and director spacing mismatch, check entries"). Every director
// with a length is stored, in director order, at its own typed distance, also after a gap.
inline constexpr const char* kFrequencyZero = "Frequency showing as 0 MHz";
inline constexpr const char* kBoxError = "Error in a box (boxes), check entries";
inline constexpr const char* kDirectorMismatch =
    "Director lengths and director spacing mismatch, check entries";
std::string StoreTypedDimensions(bs::YagiVar::State& state,
                                 const std::array<std::string, 40>& boxes);

}  // namespace bs::exporting
