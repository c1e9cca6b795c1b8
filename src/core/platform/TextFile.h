#pragma once
// Files of the program. Every file the program writes (saved data, the window-placement ini,
// .yag, .maa, the SWR table, NEC decks, CSV exports and whatever comes next) goes through
// WriteTextFile or WriteFileBytes, and every file it reads through ReadFileBytes or
// TextFileReader, never through streams of its own:
// - a write builds the complete new file beside the target (temporary file, flushed to disk)
//   and only then renames it over the target, so a failure leaves the old file as it was;
// - a target the user may not write is refused with "File access denied" and kept, a symbolic
//   link is written through to the file it points to (the link stays), and the new file keeps
//   the old file's mode (a new file gets the user's umask);
// - a read opens regular files only, never blocks on a FIFO or device, and refuses a file
//   larger than the bound its format gives, before anything is taken from it.
#include <cstddef>
#include <string>

namespace bs {

std::string Utf8ToCp1252(const std::string& utf8);
std::string Cp1252ToUtf8(const std::string& bytes);

// Writes the UTF-8 text as Windows-1252, exactly as given (the caller puts the CR LF line
// ends). Raises InOutError on failure and then leaves any earlier file as it was.
void WriteTextFile(const std::string& path, const std::string& utf8Text);
// The same for bytes written as they are.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Size bounds of the readers, far above any real file of the format.
inline constexpr std::size_t kKilobyte = 1024;
inline constexpr std::size_t kMegabyte = 1024 * kKilobyte;

// The whole content of a regular file of at most maxBytes bytes. Raises InOutError when the
// file cannot be opened, is not a regular file (a folder, FIFO or device), or is larger.
std::string ReadFileBytes(const std::string& path, std::size_t maxBytes);
// True when the name is a regular file that can be opened for reading; never blocks or raises.
bool RegularFileReadable(const std::string& path);
// The codes of the reader's own refusals, for callers that answer them differently.
inline constexpr int kNotARegularFile = -1;
inline constexpr int kFileTooLarge = -2;

// Line reader; lines end at CR LF, LF or CR, the last line may have no end.
class TextFileReader {
 public:
  // Reads the whole file at once (see ReadFileBytes).
  TextFileReader(const std::string& path, std::size_t maxBytes);
  // Reads lines from bytes already in memory.
  static TextFileReader FromBytes(std::string bytes);
  bool AtEnd() const;
  // The next line as UTF-8, without its line end; raises "Read beyond end of file" at the end.
  std::string ReadLine();
  // How many lines were read so far: the number of the line ReadLine gave last.
  int LineNumber() const { return line_; }

 private:
  TextFileReader() = default;
  std::string data_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Raises InOutError when the folder cannot be created.
void ForceDirectory(const std::string& path);
std::string CurrentDir();
// Raises InOutError when the folder cannot be entered.
void SetCurrentDir(const std::string& path);
// Joins a folder and a name written with backslashes ("\Help\Zuzo.chm").
std::string JoinPath(const std::string& dir, const std::string& backslashName);

}  // namespace bs
