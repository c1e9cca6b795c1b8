#pragma once
// beamsmith-cli: the core's calculations from the command line, one subcommand each
// (cli/Command.h says how a subcommand registers).
//
//   beamsmith-cli design [options]          the results report of the design
//   beamsmith-cli design --json [options]   every input and computed value as JSON
//   beamsmith-cli design --from Zuzo.cnf    the design entries of a saved-data file
//
// Exit status: 0 done, 1 an entry refused (the program's message on standard error), 2 a usage
// error. Warnings and errors go to standard error; the report or the JSON to standard output.
#include <ostream>

namespace bs::cli {

// The whole program for the given arguments; the caller sets the decimal separator first.
// Catches every exception: a failure is a message on `err` and status 1 or 2.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace bs::cli
