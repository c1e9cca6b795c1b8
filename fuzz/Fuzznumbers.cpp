// Number parsing and formatting: any text parsed with either separator; every value parsed is
// formatted in each form, and the general form must parse back to a value.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "core/platform/Errors.h"
#include "core/platform/Numbers.h"
#include "core/platform/TextFile.h"

namespace {

void FormatEveryWay(long double value, const std::uint8_t* data, std::size_t size) {
  const int precision = size > 1 ? 1 + data[1] % 18 : 15;
  const int digits = size > 2 ? data[2] % 19 : 2;
  const char separator = bs::DecimalSeparator();
  bs::FormatFixed(value, precision, digits);
  bs::FormatPadded(value, digits + 3, digits);
  const std::string general = bs::FormatGeneral(value);
  long double back = 0;
  if (!bs::TryStrToFloat(general, separator, back)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::WithSeparatorFromFirstByte(data, size);
  long double value = 0;
  if (bs::TryStrToFloat(text, value)) FormatEveryWay(value, data, size);
  std::int32_t whole = 0;
  bs::TryStrToInt(text, whole);
  try {
    bs::StrToFloat(text);
  } catch (const bs::ConvertError& e) {
    // A message quotes at most 40 characters and holds no control character.
    for (const char c : std::string(e.what()))
      if (static_cast<unsigned char>(c) < 0x20) __builtin_trap();
  }
  bs::VisibleText(text);
  bs::Cp1252ToUtf8(bs::Utf8ToCp1252(text));
  return 0;
}
