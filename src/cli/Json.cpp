#include "cli/Json.h"

namespace bs::cli {

void PrintJson(std::ostream& out, const Json& value) {
  out << value.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace bs::cli
