// The .yag reader: any bytes as a YO file, read into the YO screen's texts.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "core/export/YagFile.h"
#include "core/platform/Errors.h"
#include "core/state/YagiVar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  try {
    bs::exporting::ReadYagFile(state, fuzz::InputFile(data, size));
    bs::exporting::YagFileText(state);
  } catch (const bs::Error&) {
  }
  return 0;
}
