#pragma once
// The screens' texts end their lines with CR LF; the command line prints LF only.
#include <string>

namespace bs::cli {

// The text with every CR LF made LF.
std::string WithLfLineEnds(const std::string& text);

}  // namespace bs::cli
