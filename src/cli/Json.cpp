#include "cli/Json.h"

#include <cmath>

#include "core/platform/Errors.h"

namespace bs::cli {

namespace {

// A number the report could not print (not finite) is refused with the message the report's
// formats give, instead of appearing as null.
void CheckNumbers(const Json& value) {
  if (value.is_number_float()) {
    const double number = value.get<double>();
    if (std::isnan(number)) bs::ThrowInvalidOperation();
    if (std::isinf(number)) bs::ThrowOverflow();
  }
  if (value.is_structured())
    for (const Json& item : value) CheckNumbers(item);
}

}  // namespace

void PrintJson(std::ostream& out, const Json& value) {
  CheckNumbers(value);
  out << value.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace bs::cli
