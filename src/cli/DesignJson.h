#pragma once
// The design as one JSON object: the entries as typed, the converted design inputs and every
// computed value, unrounded, with camelCase keys in a fixed order.
#include <nlohmann/json.hpp>

#include "cli/DesignRequest.h"

namespace bs::cli {

nlohmann::ordered_json DesignJson(const DesignOutcome& outcome);

}  // namespace bs::cli
