#pragma once
// JSON output of the subcommands.
#include <nlohmann/json.hpp>
#include <ostream>

namespace bs::cli {

using Json = nlohmann::ordered_json;

// Writes the value indented by two, then a line feed. Texts that are not valid UTF-8 (typed
// bytes go into the JSON as they came) get replacement characters instead of raising.
void PrintJson(std::ostream& out, const Json& value);

}  // namespace bs::cli
