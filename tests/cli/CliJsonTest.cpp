// --json: one object holding the entries, the design inputs and every computed value.
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"
#include "core/platform/Numbers.h"

namespace cli_test {
namespace {

using nlohmann::json;

const std::vector<std::string> kExampleA = {"design",         "--json",    "--gap",   "10",
                                            "--boom-shape",   "round",     "--mount", "nonmetal",
                                            "--dipole-mount", "insulated", "--coax",  "12"};

json RunJson(const std::vector<std::string>& args, const std::string& env = kPointLocale) {
  const CliResult run = RunCli(args, env);
  EXPECT_EQ(run.status, 0) << run.err;
  return json::parse(run.out);  // throws, failing the test, when it is not JSON
}

TEST(CliJson, HoldsTheWorkedExamplesValues) {
  const json j = RunJson(kExampleA);
  const struct {
    const char* pointer;
    double value;
    double within;
  } cases[] = {
      {"/inputs/design/designFreq", 144.1, 0},
      {"/inputs/design/numDirectors", 8, 0},
      {"/inputs/design/boomSize", 25, 0},
      {"/inputs/design/velocityFactor", 0.66, 0},
      {"/inputs/design/balunLoopLength", 686.54656, 1e-5},
      {"/wavelength", 2080.44, 0.005},
      {"/boomCorrection", 0, 0},
      {"/reflectorLength", 1016.41, 0.005},
      {"/singleDipoleLength", 980.04, 0.005},
      {"/foldedDipoleLength", 999.64, 0.005},
      {"/dipoleSpacing", 416.09, 0.005},
      {"/directors/0/number", 1, 0},
      {"/directors/0/length", 926.88, 0.005},
      {"/directors/0/spacing", 156.03, 0.005},
      {"/directors/0/boomPosition", 602.12, 0.005},
      {"/directors/0/insertTo", 451.0, 0},
      {"/directors/0/gainDbd", 4.77, 0.005},
      {"/directors/7/number", 8, 0},
      {"/directors/7/length", 875.30, 0.005},
      {"/directors/7/spacing", 686.55, 0.005},
      {"/directors/7/boomPosition", 4492.55, 0.005},
      {"/directors/7/insertTo", 425.0, 0},
      {"/directors/7/gainDbd", 11.74, 0.005},
      {"/totalBoomLength", 4522.55, 0.005},
      {"/tolerance", 6.24, 0.005},
      {"/beamwidth", 41.09, 0.005},
      {"/foldedDipole/totalRodLength", 2046, 0.5},
      {"/foldedDipole/centreOfRod", 1023, 0.5},
      {"/foldedDipole/bc", 475, 0.5},
      {"/foldedDipole/hi", 470, 0.5},
      {"/foldedDipole/ha", 509, 0.5},
      {"/foldedDipole/hb", 548, 0.5},
      {"/foldedDipole/hc", 1023, 0.5},
      {"/foldedDipole/ratio", 19.99, 0.005},
      {"/foldedDipole/k", 0.9509, 1e-9},
      {"/foldedDipole/resonantFrequency", 142.6, 0.05},
      {"/materials/directorsAndReflector", 8209.6, 0.05},
      {"/materials/boom", 4522.6, 0.05},
      {"/balunLoopLength", 686.54656, 1e-5},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(j.at(json::json_pointer(c.pointer)).get<double>(), c.value, c.within) << c.pointer;
  EXPECT_EQ(j["directors"].size(), 8u);
  EXPECT_EQ(j["inputs"]["entries"]["gap"], "10");
  EXPECT_EQ(j["inputs"]["entries"]["mount"], "nonmetal");
  EXPECT_EQ(j["inputs"]["entries"]["choices"], "12001");
  EXPECT_EQ(j["inputs"]["entries"]["coax"], "RG-58 (PE) 53.5 ohm");
  EXPECT_EQ(j["inputs"]["design"]["boomMount"], "N");
  EXPECT_EQ(j["warnings"], json::array());
}

std::string Fixed(const json& value, int precision, int digits) {
  return bs::FormatFixed(value.get<double>(), precision, digits, '.');
}

// The JSON numbers are the report's own, unrounded: formatted as the report formats them they
// give its director rows and its closing lines, for a design with a boom correction, more than
// fourteen directors, square elements and a USER coax.
TEST(CliJson, NumbersFormatIntoTheReportsLines) {
  const std::vector<std::string> args = {"design", "--directors",     "16", "--element-shape",
                                         "square", "--element-width", "6",  "--velocity-factor",
                                         "0.8"};
  const CliResult report = RunCli(args);
  ASSERT_EQ(report.status, 0) << report.err;
  std::vector<std::string> withJson = args;
  withJson.push_back("--json");
  const json j = RunJson(withJson);
  EXPECT_GT(j["boomCorrectionMm"].get<double>(), 0);
  ASSERT_EQ(j["directors"].size(), 16u);
  for (const json& d : j["directors"]) {
    const std::string row = Fixed(d["number"], 5, 0) + "\t" + Fixed(d["length"], 17, 1) + "\t" +
                            Fixed(d["spacing"], 17, 1) + "\t" + Fixed(d["boomPosition"], 15, 1) +
                            "\t\t" + Fixed(d["insertTo"], 7, 1) + "\t" + Fixed(d["gainDbd"], 7, 1) +
                            "\t" + Fixed(d["gainDbi"], 7, 1) + "\n";
    EXPECT_NE(report.out.find(row), std::string::npos) << row;
  }
  const json& last = j["directors"].back();
  EXPECT_EQ(last["boomPosition"].get<double>() + 30, j["totalBoomLength"].get<double>());
  EXPECT_EQ(last["distanceFromReflector"].get<double>() + 30, last["boomPosition"].get<double>());
  const std::string lines[] = {
      "REFLECTOR\n" + Fixed(j["reflectorLength"], 6, 1) +
          " mm long at boom position = 30 mm  (IT = " + Fixed(j["reflectorInsertTo"], 6, 1),
      "The total boom length is " + Fixed(j["totalBoomLength"], 15, 0) + " mm",
      "3dB beamwidth is " + Fixed(j["beamwidth"], 6, 0) + " deg",
      "uses " + Fixed(j["inputs"]["design"]["velocityFactor"], 2, 2) +
          " velocity factor coax and is " + Fixed(j["balunLoopLength"], 6, 0) + " mm",
      "resonant frequency is " + Fixed(j["foldedDipole"]["resonantFrequency"], 5, 1) +
          "MHz and K is " + Fixed(j["foldedDipole"]["k"], 5, 3),
      "directors and reflector " + Fixed(j["materials"]["directorsAndReflector"], 6, 1) +
          "mm of square section 6mm\n",
      "single dipole " + Fixed(j["materials"]["singleDipole"], 6, 1) + "mm or folded dipole " +
          Fixed(j["materials"]["foldedDipole"], 6, 1) + "mm",
      "Length used for boom " + Fixed(j["materials"]["boom"], 6, 1) + "mm",
  };
  for (const std::string& line : lines) EXPECT_NE(report.out.find(line), std::string::npos) << line;
}

TEST(CliJson, WarningsAndOutOfRangeFlatPlaneAreListed) {
  const json j = RunJson({"design", "--json", "--freq", "1296"});
  EXPECT_EQ(j["warnings"],
            json::array({"Elements are thicker than ideal, reduce diameter for best results"}));
  EXPECT_LT(j["foldedDipole"]["ratio"].get<double>(), 10);
  EXPECT_TRUE(j["foldedDipole"]["k"].is_null());
  EXPECT_TRUE(j["foldedDipole"]["resonantFrequency"].is_null());
}

// The separator changes in the report, never in the JSON: its numbers are the same.
TEST(CliJson, CommaLocaleKeepsJsonNumbers) {
  const auto comma = CommaLocale();
  if (!comma) GTEST_SKIP() << kNoCommaLocale;
  const CliResult run = RunCli(kExampleA, *comma);
  ASSERT_EQ(run.status, 0) << run.err;
  json inComma = json::parse(run.out);
  json inPoint = RunJson(kExampleA);
  EXPECT_EQ(inComma["inputs"]["entries"]["frequency"], "144,1");  // as typed in that locale
  inComma["inputs"].erase("entries");
  inPoint["inputs"].erase("entries");
  EXPECT_EQ(inComma, inPoint);
}

}  // namespace
}  // namespace cli_test
