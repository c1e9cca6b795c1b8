// beamsmith-cli: start-up only.
#include <iostream>

#include "Cli.h"
#include "platform/Numbers.h"

int main(int argc, char** argv) {
  bs::InitDecimalSeparatorFromEnvironment();
  return cli::RunCli(argc, argv, std::cout, std::cerr);
}
