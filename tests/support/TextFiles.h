#pragma once
// Reading whole files and comparing whole texts in tests; a difference is shown as its first
// differing line.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

// An empty folder of its own under the temporary folder, named for the process and the caller.
inline std::filesystem::path FreshTempDir(const std::string& name) {
  auto dir =
      std::filesystem::temp_directory_path() / ("bs_" + name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

#ifdef BEAMSMITH_TEST_DATA_DIR
// A golden file or fixture of tests/data, byte for byte.
inline std::string TestData(const std::string& name) {
  return ReadBytes(std::string(BEAMSMITH_TEST_DATA_DIR) + "/" + name);
}
#endif

// Lines split at LF, each without a CR before it.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

inline ::testing::AssertionResult SameText(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  const auto want = SplitLines(expected);
  const auto got = SplitLines(actual);
  for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    const std::string w = i < want.size() ? want[i] : "<end>";
    const std::string g = i < got.size() ? got[i] : "<end>";
    if (w != g)
      return ::testing::AssertionFailure()
             << "line " << i + 1 << "\n expected: " << w << "\n actual:   " << g;
  }
  return ::testing::AssertionFailure() << "line ends differ";
}

}  // namespace testing_support
