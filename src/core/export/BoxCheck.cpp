#include "core/export/BoxCheck.h"

#include "core/platform/Arith.h"
#include "core/platform/Numbers.h"

namespace bs {

double BoxNumber(const std::string& text) {
  if (text.empty()) return 0;
  return bs::ToDouble(bs::StrToFloat(text));
}

bool EmptyOrZero(const std::string& text) {
  return text.empty() || BoxNumber(text) == 0;
}

}  // namespace bs
