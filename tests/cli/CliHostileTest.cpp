// Hostile option values end in a message and status 1 or 2, never in an abnormal end.
#include "CliRunner.h"

#include <nlohmann/json.hpp>

namespace cli_test {
namespace {

const std::vector<std::string>& HostileValues() {
  static const std::vector<std::string> values = {
      "caf\xc3\xff", std::string(10000, '9'), std::string(10000, 'x'), "nan", "inf", "1e400", ""};
  return values;
}

// Each option with what makes the screen read its box (a shape that shows it).
const std::vector<std::vector<std::string>>& OptionsReadingTheirValue() {
  static const std::vector<std::vector<std::string>> options = {
      {"--freq"},
      {"--directors"},
      {"--element-diam"},
      {"--element-shape", "strip", "--element-thickness", "1", "--element-width"},
      {"--element-shape", "strip", "--element-width", "4", "--element-thickness"},
      {"--boom"},
      {"--dipole-diam"},
      {"--dipole-shape", "strip", "--dipole-thickness", "1", "--dipole-width"},
      {"--dipole-shape", "strip", "--dipole-width", "4", "--dipole-thickness"},
      {"--bend"},
      {"--gap"},
      {"--coax"},
      {"--velocity-factor"},
      {"--from"},
      {"--element-shape"},
      {"--boom-shape"},
  };
  return options;
}

std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text.substr(0, 20)) out += c >= 0x20 && c < 0x7f ? char(c) : '?';
  return out;
}

// With --json, the stricter of the two writers, had a value got through.
TEST(CliHostile, EveryOptionRefusesHostileValuesWithAMessage) {
  for (const auto& option : OptionsReadingTheirValue()) {
    for (const std::string& value : HostileValues()) {
      std::vector<std::string> args = {"design", "--json"};
      args.insert(args.end(), option.begin(), option.end());
      args.push_back(value);
      SCOPED_TRACE(option.back() + " '" + Printable(value) + "'");
      const CliResult run = RunCli(args);
      EXPECT_TRUE(run.status == 1 || run.status == 2) << run.status << ' ' << run.err;
      EXPECT_FALSE(run.err.empty());
      EXPECT_EQ(run.out, "");
    }
  }
}

// A box the design does not read (the width of a round element) keeps its text as typed; the
// JSON writes bytes that are not UTF-8 as replacement characters.
TEST(CliHostile, UnreadBoxWithInvalidUtf8GivesValidJson) {
  const CliResult run = RunCli({"design", "--json", "--element-width", "\xff"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["inputs"]["entries"]["elementWidth"], "\xef\xbf\xbd");
}

}  // namespace
}  // namespace cli_test
