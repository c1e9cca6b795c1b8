#pragma once
// beamsmith-cli: the design engine from the command line.
//
//   beamsmith-cli design [options]          the results report of the design
//   beamsmith-cli design --json [options]   every input and computed value as JSON
//   beamsmith-cli design --from Zuzo.cnf    the design entries of a saved-data file
//
// Exit status: 0 done, 1 an entry refused (the program's message on standard error), 2 a usage
// error. Warnings and errors go to standard error; the report or the JSON to standard output.
#include <ostream>

namespace bs::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// The whole program for the given arguments; the caller sets the decimal separator first.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace bs::cli
