#pragma once
// The YO optimiser's ".yag" file: the writer of the YO screen (typed texts), the writer of the
// results screen (the computed design) and the reader behind "Load Yag file".
//
// Layout (tab-separated, CR LF line ends, Windows-1252, lengths in mm):
//   1  description
//   2  frequency + " MHz"
//   3  element count + "  elements,  millimeters" (YO screen) or " Elements, millimetres" (design)
//   4  "\t" director/reflector diameter "\t" dipole diameter
//   5  "0\t" reflector length                       (the reflector stands at position 0)
//   6  dipole position "\t\t" dipole length
//   6+k  director k position "\t" director k length
#include <array>
#include <cstddef>
#include <string>

#include "core/state/YagiVar.h"

namespace bs::exporting {

inline constexpr const char* kYagCreated = " created and ready for you to run YO";
inline constexpr const char* kNoYagFile = "No yag file found";
// A real file is under a kilobyte; the reader refuses anything above this.
inline constexpr std::size_t kYagFileMaxBytes = 1024 * 1024;

// The director lines of the YO screen's writer, [1..16]: distance "\t" length, as typed.
using YODirLines = std::array<std::string, 17>;
YODirLines MakeYODirLines(const bs::YagiVar::State& state);

// 2 + the number of director lines longer than three characters: a director whose two boxes
// hold "0" gives "0\t0" and does not count.
int CountYagElements(const YODirLines& lines);

// The file of the YO screen's "Make YO": the texts exactly as typed; every director line that
// counts is written, in director order, so the element count matches the lines written.
std::string YagFileText(const bs::YagiVar::State& state);
// Writes YagFileText through the atomic writer; raises bs::InOutError and keeps any earlier file.
void GenerateYOfile(const bs::YagiVar::State& state, const std::string& path);

// The file of the results screen's "Create YO": the computed design in fixed formats; the single
// dipole length is written, also for a folded dipole design.
std::string DesignYagText(const bs::YagiVar::State& state);
void WriteDesignYag(const bs::YagiVar::State& state, const std::string& path);

// Number scanning of the reader: only the digits and the point count. FirstNumber is the first
// run of digits and points ("0" when the line has none); LastNumber the run at the very end
// ("0" when the line ends in anything else).
std::string FirstNumber(const std::string& line);
std::string LastNumber(const std::string& line);

// Reads a .yag file into the YO texts: line 2 the frequency (37), line 3 an integer (read and
// dropped), line 4 the diameters (4 and 1), line 5 the reflector (39), line 6 the dipole (2 and
// 3), then 16 director lines (distance 2k+4, length 2k+3), "0" past the end of the file. Comment
// lines (";" first) are skipped. Afterwards the boom diameter (38) is "0", the mounting "2" (Non
// metal) and the frequency choice "3" (Use frequency estimate).
// Returns false, with YagLoadFailed set and nothing else changed, when the file cannot be opened.
// A line 3 without an integer raises bs::ConvertError with the frequency already taken.
bool ReadYagFile(bs::YagiVar::State& state, const std::string& path);

// Where the export file dialogs open: the folder `name` ("YOFiles", "MmanaFiles") under the
// working directory when it exists, else the working directory itself.
std::string ExportStartFolder(const std::string& name);

// "   name loaded   " for a path (the name after the last folder separator).
std::string YagLoadedMessage(const std::string& path);

}  // namespace bs::exporting
