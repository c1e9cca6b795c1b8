#pragma once
// A calculator's own check that refuses an entry. Its message is the text the user sees in a
// plain message box; nothing is calculated and nothing is added.
#include "core/platform/Errors.h"

namespace bs::calculators {

class Refusal : public bs::Error {
 public:
  using Error::Error;
};

}  // namespace bs::calculators
