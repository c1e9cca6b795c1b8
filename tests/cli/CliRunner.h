#pragma once
// Runs the built beamsmith-cli as a user would, in a chosen locale, and gives back its exit
// status, standard output and standard error.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace cli_test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// The environment of the C locale (a full stop as the decimal separator).
inline constexpr const char* kPointLocale = "LC_ALL=C";

// Runs "beamsmith-cli <args>" with the environment assignments `env` ("NAME=value ...").
CliResult RunCli(const std::vector<std::string>& args, const std::string& env = kPointLocale);

// The environment assignments of a locale that writes decimals with a comma: the installed
// de_DE.UTF-8, or else one compiled with localedef into the test's work folder. Nothing when
// neither works.
std::optional<std::string> CommaLocale();

// Why a test that needs a comma locale was skipped.
inline constexpr const char* kNoCommaLocale =
    "no comma locale: install Debian's 'locales' (for localedef) or run "
    "'localedef -i de_DE -f UTF-8 de_DE.UTF-8'";

// The test data file's bytes; empty when it is missing.
std::string ReadFile(const std::string& path);
std::string GoldenReport(const std::string& name);  // from tests/data, CR LF made LF
std::string WorkDir();                              // created on first use

// Compares whole texts; a difference is shown as its first differing line.
::testing::AssertionResult SameText(const std::string& expected, const std::string& actual);

}  // namespace cli_test
