// The coax data reader: any bytes as "Coax.dta"; every line's name, entries and loss on each
// band are looked up as the SWR screen does.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "core/calculators/CoaxData.h"
#include "core/platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines;
  try {
    lines = bs::calculators::ReadCoaxFile(fuzz::InputFile(data, size));
  } catch (const bs::Error&) {
    return 0;
  }
  for (const auto& line : lines) {
    bs::calculators::FindCoaxLine(lines, bs::calculators::CoaxLineName(line));
    for (const char* band : bs::calculators::kBands) {
      double loss = 0;
      try {
        bs::calculators::GetLoss(line, band, "12.5", loss);
        bs::calculators::CoaxLossLabel(loss);
      } catch (const bs::Error&) {
      }
    }
  }
  return 0;
}
