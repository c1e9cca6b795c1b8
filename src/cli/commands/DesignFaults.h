#pragma once
// Where a refused design comes from. The design engine stops at the step that fails, which may
// combine several entries; the command line names the entry that makes the difference, so that
// "--element-diam -7" says "--element-diam: Invalid floating point operation".
#include <string>

#include "cli/commands/DesignRequest.h"

namespace bs::cli {

// The option given ("--element-diam") or the saved-data file's line ("Zuzo.cnf line 49") whose
// entry the refusal comes from; empty when no entry the user gave makes the difference.
// The entries the user gave are set back to their start values one after another, in the
// order options, then file lines; the first one after which the design runs, or fails with
// another message, is the one named.
std::string FaultOrigin(const DesignRequest& request, const SavedFile* saved,
                        const std::string& message);

}  // namespace bs::cli
