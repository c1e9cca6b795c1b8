#include "cli/Command.h"

#include <algorithm>

namespace bs::cli {

namespace {

// Filled by the registrations while the program starts; a function-local static, so it exists
// before the first registration whatever the order of the files.
std::vector<RegisteredCommand>& Registry() {
  static std::vector<RegisteredCommand> commands;
  return commands;
}

}  // namespace

Registration::Registration(std::string name, std::string description, CommandFactory make) {
  Registry().push_back({std::move(name), std::move(description), std::move(make)});
}

std::vector<RegisteredCommand> RegisteredCommands() {
  std::vector<RegisteredCommand> commands = Registry();
  std::sort(commands.begin(), commands.end(),
            [](const RegisteredCommand& a, const RegisteredCommand& b) { return a.name < b.name; });
  return commands;
}

}  // namespace bs::cli
