#pragma once
// JSON output of the subcommands.
#include <nlohmann/json.hpp>
#include <ostream>

namespace bs::cli {

using Json = nlohmann::ordered_json;

// Writes the value indented by two, then a line feed. Texts that are not valid UTF-8 (typed
// bytes go into the JSON as they came) get replacement characters instead of raising. A number
// that is not finite raises the report's MathError ("Invalid floating point operation",
// "Floating point overflow"): the JSON shows no null where the report prints a number.
void PrintJson(std::ostream& out, const Json& value);

}  // namespace bs::cli
