#pragma once
// Standard ini file: sections in brackets, key=value lines, keys in the order written.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace bs {

// Far above the few placement entries the program writes.
inline constexpr std::size_t kIniMaxBytes = 1024 * 1024;

class IniFile {
 public:
  // Reads the file if it exists; a missing file is an empty one.
  explicit IniFile(std::string path);

  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  // Writes the file; raises Error "Unable to write to %s" when it cannot.
  void UpdateFile() const;

  const std::string& Path() const { return path_; }

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  const Section* Find(const std::string& name) const;
  Section& FindOrAdd(const std::string& name);

  std::string path_;
  std::vector<Section> sections_;
};

}  // namespace bs
