#pragma once
// The design entry options that "design" and "simulate" share: the entry boxes, the radio
// groups, the coax and --from a saved-data file.
#include <CLI/CLI.hpp>
#include <string>

#include "cli/commands/DesignRequest.h"

namespace bs::cli {

void AddDesignEntryOptions(CLI::App& app, DesignRequest& request);

// The help footer: how sizes are typed, and the coax list.
std::string DesignEntryFooter();

}  // namespace bs::cli
