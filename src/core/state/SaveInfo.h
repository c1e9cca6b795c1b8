#pragma once
// The saved-data file "Zuzo.cnf": the 58 screen texts of the shared state, between comment lines.
#include <cstddef>
#include <string>
#include <vector>

#include "core/platform/TextFile.h"
#include "core/state/YagiVar.h"

namespace bs::SaveInfo {

inline constexpr const char* kDataFileName = "Zuzo.cnf";
// A real file is a few kilobytes; the reader refuses anything above this.
inline constexpr std::size_t kDataFileMaxBytes = 1024 * 1024;

// Remembers the current working directory as the program directory.
void CaptureProgramDir(bs::YagiVar::State& state);
// Makes the program directory the working directory; raises InOutError on failure.
void EnterProgramDir(const bs::YagiVar::State& state);
// True when the named file can be opened for reading and closed again; never raises.
bool DataFileExists(const std::string& name);
// The complete file text (CR LF line ends, no line end after the last value).
std::string DataFileText(const bs::YagiVar::State& state);
// Writes "Zuzo.cnf" into the program directory, then beeps and says "Program data saved".
void SaveDataFile(bs::YagiVar::State& state);
// Reads "Zuzo.cnf" from the working directory into the 58 texts; false (after a beep and
// "No data file found") when there is no such regular file. A file too large for the format
// raises InOutError; in both cases no text changes.
bool RecoverDataFile(bs::YagiVar::State& state);
// The 58 saved texts in the order of the file, and the line each came from (0 for a value read
// after the file ended).
inline constexpr std::size_t kSavedTexts = 58;
using ValueLines = std::vector<int>;
std::string& SavedText(bs::YagiVar::State& state, std::size_t index);

// Reads the 58 texts from a saved-data file at any path, quietly: no beep, no message, the
// working directory unchanged. Raises InOutError when the file cannot be read; then no text
// changes.
ValueLines ReadDataFile(const std::string& path, bs::YagiVar::State& state);
// The 58 texts from an open file, each through WithDecimalSeparator.
ValueLines ReadDataValues(bs::TextFileReader& file, bs::YagiVar::State& state);
// A saved text that is a plain decimal number written with the other decimal separator
// ("144.1" under a comma locale) comes back with the user's separator ("144,1"), so a file
// travels between machines; every other text stays exactly as stored.
std::string WithDecimalSeparator(const std::string& text, char separator);
// The next value of the open file: comment lines skipped, an empty line or the end read as "0".
std::string ReadValue(bs::TextFileReader& file);

}  // namespace bs::SaveInfo
