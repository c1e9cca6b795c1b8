// beamsmith-cli: start-up only.
#include <iostream>

#include "cli/Cli.h"
#include "core/platform/Numbers.h"

int main(int argc, char** argv) {
  bs::InitDecimalSeparatorFromEnvironment();
  return bs::cli::RunCli(argc, argv, std::cout, std::cerr);
}
