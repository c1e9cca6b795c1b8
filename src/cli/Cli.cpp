#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "core/Version.h"
#include "core/platform/Errors.h"

namespace bs::cli {

namespace {

struct Subcommand {
  CLI::App* app;
  std::unique_ptr<Command> command;
};

std::vector<Subcommand> AddSubcommands(CLI::App& app) {
  std::vector<Subcommand> subcommands;
  for (const RegisteredCommand& registered : RegisteredCommands()) {
    Subcommand sub{app.add_subcommand(registered.name, registered.description), registered.make()};
    sub.command->Define(*sub.app);
    subcommands.push_back(std::move(sub));
  }
  return subcommands;
}

// Every refusal is shown here, with control characters and invalid bytes made visible.
int Refused(std::ostream& err, const std::string& message) {
  err << "error: " << bs::VisibleText(message) << '\n';
  return kExitRefused;
}

// The option whose value a conversion message quotes ("'abc' is not a valid ..."), if any.
std::string OptionQuoted(const CLI::App& sub, const std::string& message) {
  for (const CLI::Option* option : sub.get_options()) {
    if (option->count() == 0) continue;
    for (const std::string& value : option->results())
      if (message.rfind("'" + bs::TextForMessage(value) + "' ", 0) == 0) return option->get_name();
  }
  return {};
}

// Runs the subcommand; a text it cannot convert is named by its option.
int RunNamed(const Subcommand& sub, std::ostream& out, std::ostream& err) {
  try {
    return sub.command->Run(out, err);
  } catch (const bs::ConvertError& e) {
    const std::string option = OptionQuoted(*sub.app, e.what());
    if (option.empty()) throw;
    throw bs::ConvertError(option + ": " + e.what());
  }
}

int ParseAndRun(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app("Beamsmith: DL6WU long-Zuzo design from the command line", "beamsmith-cli");
  app.set_version_flag("--version", std::string("beamsmith-cli ") + bs::kVersion);
  app.require_subcommand(1);
  const std::vector<Subcommand> subcommands = AddSubcommands(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e, out, err);
    return status == kExitOk ? kExitOk : kExitUsage;
  }
  for (const Subcommand& sub : subcommands) {
    if (!sub.app->parsed()) continue;
    const int status = RunNamed(sub, out, err);
    out.flush();
    if (!out) return Refused(err, "the output could not be written");
    return status;
  }
  return kExitUsage;  // require_subcommand(1) makes this unreachable
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  try {
    return ParseAndRun(argc, argv, out, err);
  } catch (const UsageError& e) {
    err << "error: " << bs::VisibleText(e.what()) << '\n';
    return kExitUsage;
  } catch (const bs::Error& e) {
    return Refused(err, e.what());
  } catch (const std::bad_alloc&) {
    return Refused(err, "out of memory");
  } catch (const std::exception& e) {
    return Refused(err, std::string("unexpected failure: ") + e.what());
  } catch (...) {
    return Refused(err, "unexpected failure");
  }
}

}  // namespace bs::cli
