// beamsmith-cli: start-up only.
#include <cstdio>
#include <exception>
#include <iostream>

#include "cli/Cli.h"
#include "cli/Command.h"
#include "core/platform/Numbers.h"

int main(int argc, char** argv) {
  // RunCli catches what the subcommands raise; this catches what the start-up or the error
  // stream itself might raise, so the program never ends abnormally.
  try {
    bs::InitDecimalSeparatorFromEnvironment();
    return bs::cli::RunCli(argc, argv, std::cout, std::cerr);
  } catch (...) {
    std::fputs("error: unexpected failure\n", stderr);
    return bs::cli::kExitRefused;
  }
}
