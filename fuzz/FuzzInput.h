#pragma once
// Helpers of the fuzz targets: the input as a file on disk (the readers take paths, so the whole
// road from the file is fuzzed), and the decimal separator taken from the input.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/platform/Numbers.h"

namespace fuzz {

// A file of this process under the temporary folder, rewritten for every input.
inline std::string InputFile(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("bs_fuzz_" + std::to_string(::getpid()))).string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

// The first byte chooses the separator, so both locales are fuzzed; the rest is the input.
inline std::string WithSeparatorFromFirstByte(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {};
  bs::SetDecimalSeparator((data[0] & 1) ? ',' : '.');
  return std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
}

}  // namespace fuzz
