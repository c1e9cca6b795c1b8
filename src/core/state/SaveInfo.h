#pragma once
// The saved-data file "Zuzo.cnf": the 58 screen texts of the shared state, between comment lines.
#include <string>

#include "core/platform/TextFile.h"
#include "core/state/YagiVar.h"

namespace bs::SaveInfo {

inline constexpr const char* kDataFileName = "Zuzo.cnf";

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
// "No data file found") when there is no such file.
bool RecoverDataFile(bs::YagiVar::State& state);
// Reads the 58 texts from a saved-data file at any path, quietly: no beep, no message, the
// working directory unchanged. Raises InOutError when the file cannot be read; the texts read
// before a failure keep their new values.
void ReadDataFile(const std::string& path, bs::YagiVar::State& state);
// The next value of the open file: comment lines skipped, an empty line or the end read as "0".
std::string ReadValue(bs::TextFileReader& file);

}  // namespace bs::SaveInfo
