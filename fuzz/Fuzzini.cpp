// The window-placement ini reader: any bytes as the ini file, read and written back.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "FuzzInput.h"
#include "core/platform/Errors.h"
#include "core/platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::InputFile(data, size);
  bs::IniFile ini(path);
  const std::string section = "0  0  00=0DPI(True,0,0,1920,1080)";
  ini.ReadInteger(section, "Top", 1);
  ini.ReadString(section, "State", "x");
  ini.WriteInteger(section, "Left", -20);
  try {
    ini.UpdateFile();
  } catch (const bs::Error&) {
    return 0;
  }
  bs::IniFile again(path);
  if (again.ReadInteger(section, "Left", 0) != -20) __builtin_trap();
  return 0;
}
