// "simulate" and "design --nec": the NEC-2 model and the nec2c sweep from the command line.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "core/simulate/ChildProcess.h"
#include "support/TextFiles.h"

namespace {

using cli_test::RunCli;

bool HaveNec2c() {
  return !bs::simulate::FindProgram("nec2c").empty();
}

TEST(CliSimulateTest, MissingEngineNamesThePackage) {
  const auto r = RunCli({"simulate", "--freq", "144.1"}, "LC_ALL=C PATH=");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Install the Debian package nec2c"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
}

TEST(CliSimulateTest, CsvAndJsonOfASweep) {
  if (!HaveNec2c()) GTEST_SKIP() << "nec2c is not installed";
  const auto csv = RunCli(
      {"simulate", "--freq", "144.1", "--directors", "6", "--steps", "3", "--span", "2", "--csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  const auto lines = testing_support::SplitLines(csv.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "MHz,Gain dBi,F/B dB,R ohm,X ohm,SWR");
  EXPECT_EQ(lines[2].rfind("144.1000,12.6", 0), 0u) << lines[2];

  const auto json = RunCli({"simulate", "--freq", "144.1", "--directors", "6", "--steps", "3",
                            "--dipole", "folded", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const auto value = nlohmann::json::parse(json.out);
  EXPECT_EQ(value["referenceOhm"], 200);
  EXPECT_EQ(value["points"].size(), 3u);
  EXPECT_TRUE(value["points"][1]["ok"]);
  EXPECT_EQ(value["ePlane"]["points"].size(), 181u);
  EXPECT_GT(value["hPlane"]["beamwidthDeg"].get<double>(), 20);
  EXPECT_NEAR(value["reportEstimate"]["gainDbi"].get<double>(), 12.67, 0.01);
}

TEST(CliSimulateTest, YagFileIsSimulatedAsTyped) {
  if (!HaveNec2c()) GTEST_SKIP() << "nec2c is not installed";
  const auto r =
      RunCli({"simulate", "--yag", std::string(BEAMSMITH_TEST_DATA_DIR) + "/yag_design_a.yag",
              "--steps", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("At 144.100 MHz:"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("report"), std::string::npos);
  const auto both = RunCli({"simulate", "--yag", "x.yag", "--freq", "144"});
  EXPECT_EQ(both.status, 2);
}

TEST(CliSimulateTest, DesignWritesTheNecDeck) {
  const std::string path = cli_test::WorkDir() + "/example.nec";
  const auto r = RunCli({"design", "--freq", "144.1", "--nec", path, "--nec-dipole", "folded"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string deck = cli_test::ReadFile(path);
  EXPECT_EQ(deck.rfind("CM Beamsmith DL6WU long Zuzo, 144.1 MHz, 8 directors\r\n", 0), 0u);
  std::size_t wires = 0;
  for (const auto& line : testing_support::SplitLines(deck)) wires += line.rfind("GW ", 0) == 0;
  EXPECT_EQ(wires, 15u);  // six folded dipole wires, reflector, 8 directors
  const auto bad = RunCli({"design", "--freq", "144.1", "--nec", "/nonexistent/x.nec"});
  EXPECT_EQ(bad.status, 1);
}

}  // namespace
