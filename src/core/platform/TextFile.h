#pragma once
// Text files in Windows-1252 with CR LF line ends. Writing replaces the old file only once the
// new one is complete (a temporary file in the same folder, then a rename).
#include <fstream>
#include <string>

namespace bs {

std::string Utf8ToCp1252(const std::string& utf8);
std::string Cp1252ToUtf8(const std::string& bytes);

// Writes the UTF-8 text as Windows-1252, exactly as given (the caller puts the CR LF line
// ends). Raises InOutError on failure and then leaves any earlier file as it was.
void WriteTextFile(const std::string& path, const std::string& utf8Text);

// Line reader; lines end at CR LF, LF or CR, the last line may have no end.
class TextFileReader {
 public:
  // Raises InOutError when the file cannot be opened.
  explicit TextFileReader(const std::string& path);
  bool AtEnd() const;
  // The next line as UTF-8, without its line end; raises "Read beyond end of file" at the end.
  std::string ReadLine();

 private:
  std::string data_;
  std::size_t pos_ = 0;
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
