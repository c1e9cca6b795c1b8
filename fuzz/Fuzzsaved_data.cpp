// The saved-data reader: any bytes as "Zuzo.cnf", read into the 58 texts and written back.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"
#include "core/state/SaveInfo.h"
#include "core/state/YagiVar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::WithSeparatorFromFirstByte(data, size);
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  try {
    bs::SaveInfo::ReadDataFile(fuzz::InputFile(data, size), state);
    auto reader = bs::TextFileReader::FromBytes(bytes);
    bs::SaveInfo::ReadDataValues(reader, state);
  } catch (const bs::Error&) {
    return 0;
  }
  // What was read can be written again: the writer's text of the texts read.
  const std::string text = bs::Utf8ToCp1252(bs::SaveInfo::DataFileText(state));
  auto again = bs::TextFileReader::FromBytes(text);
  bs::YagiVar::State reread;
  bs::SaveInfo::ReadDataValues(again, reread);
  return 0;
}
