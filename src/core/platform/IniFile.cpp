#include "core/platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"

namespace bs {

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  if (!FileExists(path_)) return;
  try {
    TextFileReader reader(path_, kIniMaxBytes);
    Section* current = nullptr;
    while (!reader.AtEnd()) {
      const std::string line = Trim(reader.ReadLine());
      if (line.empty() || line[0] == ';') continue;
      if (line.front() == '[' && line.back() == ']') {
        current = &FindOrAdd(line.substr(1, line.size() - 2));
      } else if (const auto eq = line.find('='); eq != std::string::npos && current) {
        current->entries.emplace_back(Trim(line.substr(0, eq)), line.substr(eq + 1));
      }
    }
  } catch (const InOutError&) {
    sections_.clear();  // an unreadable file reads as an empty one
  }
}

const IniFile::Section* IniFile::Find(const std::string& name) const {
  for (const auto& s : sections_)
    if (SameText(s.name, name)) return &s;
  return nullptr;
}

IniFile::Section& IniFile::FindOrAdd(const std::string& name) {
  for (auto& s : sections_)
    if (SameText(s.name, name)) return s;
  sections_.push_back({name, {}});
  return sections_.back();
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  if (const Section* s = Find(section))
    for (const auto& [k, v] : s->entries)
      if (SameText(k, key)) return v;
  return defaultValue;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key,
                         int defaultValue) const {
  const std::string text = Trim(ReadString(section, key, {}));
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && !text.empty() ? value
                                                                                : defaultValue;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  Section& s = FindOrAdd(section);
  for (auto& [k, v] : s.entries)
    if (SameText(k, key)) {
      v = value;
      return;
    }
  s.entries.emplace_back(key, value);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::UpdateFile() const {
  std::string text;
  for (const auto& s : sections_) {
    if (!text.empty()) text += "\r\n";
    text += "[" + s.name + "]\r\n";
    for (const auto& [k, v] : s.entries) text += k + "=" + v + "\r\n";
  }
  try {
    WriteTextFile(path_, text);
  } catch (const InOutError&) {
    throw Error("Unable to write to " + PathForMessage(path_));
  }
}

}  // namespace bs
