#pragma once
// Errors of a simulation run; the message is the text the user sees.
#include "core/platform/Errors.h"

namespace bs::simulate {

class SimulationError : public Error {
 public:
  using Error::Error;
};

// The NEC-2 engine is not installed (or not on PATH).
class EngineMissingError : public SimulationError {
 public:
  using SimulationError::SimulationError;
};

// The user (or the caller) cancelled the run; nothing of it is kept.
class SimulationCancelled : public SimulationError {
 public:
  SimulationCancelled() : SimulationError("The simulation was cancelled.") {}
};

inline constexpr const char* kEngineMissing =
    "The NEC-2 engine nec2c was not found. Install the Debian package nec2c "
    "(sudo apt install nec2c) and try again.";

}  // namespace bs::simulate
