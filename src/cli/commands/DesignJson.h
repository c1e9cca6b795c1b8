#pragma once
// The design as one JSON object: the entries as typed, the converted design inputs and every
// computed value, unrounded, with camelCase keys in a fixed order.
#include "cli/Json.h"
#include "cli/commands/DesignRequest.h"

namespace bs::cli {

Json DesignJson(const DesignOutcome& outcome);

}  // namespace bs::cli
