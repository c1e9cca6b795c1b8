#include "CliRunner.h"

#include "support/TextFiles.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace cli_test {

namespace fs = std::filesystem;

namespace {

std::string ShellQuote(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string WithoutCr(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

// The output of a shell command, or nothing when it fails to run.
std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

bool WritesDecimalComma(const std::string& env) {
  return CommandOutput(env + " locale decimal_point 2>/dev/null") == ",\n";
}

// Compiles de_DE.UTF-8 into `dir` once; a half-built folder never takes the final name.
void CompileGermanLocale(const fs::path& dir) {
  if (fs::exists(dir / "de_DE.UTF-8")) return;
  const fs::path building = dir.string() + ".building." + std::to_string(::getpid());
  fs::create_directories(building);
  const std::string command = "localedef -i de_DE -f UTF-8 " +
                              ShellQuote((building / "de_DE.UTF-8").string()) + " >/dev/null 2>&1";
  [[maybe_unused]] const int status = std::system(command.c_str());
  std::error_code ignored;
  fs::rename(building, dir, ignored);  // fails harmlessly when another run got there first
  fs::remove_all(building, ignored);
}

}  // namespace

std::string WorkDir() {
  static const std::string dir = [] {
    fs::create_directories(BEAMSMITH_CLI_WORK_DIR);
    return std::string(BEAMSMITH_CLI_WORK_DIR);
  }();
  return dir;
}

CliResult RunCli(const std::vector<std::string>& args, const std::string& env) {
  static std::atomic<int> counter{0};
  const std::string errPath =
      WorkDir() + "/stderr." + std::to_string(::getpid()) + "." + std::to_string(counter++);
  // Only the environment given decides the locale.
  std::string command =
      "env -u LC_ALL -u LC_NUMERIC -u LANG " + env + " " + ShellQuote(BEAMSMITH_CLI);
  for (const std::string& arg : args) command += " " + ShellQuote(arg);
  command += " 2>" + ShellQuote(errPath);

  CliResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    result.out.append(buffer, n);
  const int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadFile(errPath);
  fs::remove(errPath);
  return result;
}

std::optional<std::string> CommaLocale() {
  static const std::optional<std::string> found = []() -> std::optional<std::string> {
    const std::string installed = "LC_ALL=de_DE.UTF-8";
    if (WritesDecimalComma(installed)) return installed;
    const fs::path dir = fs::path(WorkDir()) / "locale";
    CompileGermanLocale(dir);
    const std::string compiled = "LOCPATH=" + ShellQuote(dir.string()) + " " + installed;
    if (WritesDecimalComma(compiled)) return compiled;
    return std::nullopt;
  }();
  return found;
}

std::string ReadFile(const std::string& path) {
  return testing_support::ReadBytes(path);
}

std::string GoldenReport(const std::string& name) {
  return WithoutCr(testing_support::TestData(name));
}

::testing::AssertionResult SameText(const std::string& expected, const std::string& actual) {
  return testing_support::SameText(expected, actual);
}

}  // namespace cli_test
