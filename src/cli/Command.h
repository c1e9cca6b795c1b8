#pragma once
// The subcommands of beamsmith-cli and how they register.
//
// Adding a subcommand (say "swr") touches only its own files:
//   1. src/cli/commands/SwrCommand.cpp (and any request/JSON files beside it; every .cpp in
//      src/cli/commands is built): a class derived from bs::cli::Command that keeps its own
//      request, declares its options in Define() and does its work in Run().
//   2. In that .cpp, one registration at namespace scope:
//        const bs::cli::Registration kSwr{"swr", "SWR and loss of a coax line",
//                                          [] { return std::make_unique<SwrCommand>(); }};
// Subcommands are listed in the help in the order of their names.
//
// Run() writes its result to `out` and warnings to `err`. It reports failure by raising:
//   bs::Error (and its kinds)  an entry refused: "error: <message>" on standard error, status 1;
//   bs::cli::UsageError        a usage mistake found after parsing: status 2.
// The top-level handler catches everything else too, so no input ends the program abnormally.
// Write JSON through PrintJson (cli/Json.h): texts that are not valid UTF-8 get replacement
// characters instead of raising.
#include <CLI/CLI.hpp>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace bs::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// A usage mistake found after the options were read (exit status 2).
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Command {
 public:
  virtual ~Command() = default;
  // Declares the subcommand's options on its own CLI11 app; values land in the command's request.
  virtual void Define(CLI::App& app) = 0;
  // Does the work once the command line is read; returns the exit status.
  virtual int Run(std::ostream& out, std::ostream& err) = 0;
};

using CommandFactory = std::function<std::unique_ptr<Command>()>;

struct RegisteredCommand {
  std::string name;         // "design"
  std::string description;  // one line for the help
  CommandFactory make;
};

// Registers a subcommand while the program starts (an object at namespace scope).
class Registration {
 public:
  Registration(std::string name, std::string description, CommandFactory make);
};

// Every registered subcommand, in the order of their names.
std::vector<RegisteredCommand> RegisteredCommands();

}  // namespace bs::cli
