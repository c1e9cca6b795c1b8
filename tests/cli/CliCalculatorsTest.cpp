// The calculators from the command line: the screens' result texts with LF line ends, the
// values as JSON, refused entries (status 1) and usage mistakes (status 2).
#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace cli_test {
namespace {

using nlohmann::json;

constexpr const char* kGainBlock =
    "Gain is 11.4 dBd (referred to dipole)\nApproximate 3 dB beamwidth is 42.9 degrees\n"
    "(Assuming E-plane and H-plane are the same)\n";

struct TextCase {
  std::vector<std::string> args;
  std::string out;
};

TEST(CliCalculators, PrintTheScreensTexts) {
  const TextCase cases[] = {
      {{"gain", "--rule", "dj9bv"}, kGainBlock},
      {{"gain", "--freq", "50", "--boom", "1000", "--rule", "VK3AUU"},
       "Gain is 3.1 dBd (referred to dipole)\nApproximate 3 dB beamwidth is 111.0 degrees\n"
       "(Assuming E-plane and H-plane are the same)\n"},
      {{"stack", "--freq", "144.1", "--beamwidth", "30", "--plane", "horizontal"},
       "Estimated gain of antenna:\t14.5 dBd\nHorizontal stacking distance:\t4022 mm\n"
       "Estimated vertical stacking:\t3922 mm\nEstimated gain of array:\t17.3 dBd\n"},
      {{"stack", "--beamwidth", "60"},
       "Estimated gain of antenna:\t8.4 dBd\nVertical stacking distance:\t2082 mm\n"
       "Estimated horiz. stacking:\t2248 mm\nEstimated gain of array:\t11.3 dBd\n"},
      {{"swr", "--measure", "volts", "--reverse", "2", "--forward", "10"},
       "CALCULATING SWR FOR VARIOUS INPUTS\n\nSWR\tSWR\tCoax\tRev\tFwd\tUnits\n"
       "bridge\tantenna\tloss db\n1.50\t1.50\t0.00\t   2.00\t  10.00\tvolts\n"},
      {{"rods", "--diameter", "9.5", "--spacing", "12.8", "--shape", "square"}, "162.0\n"},
      {{"rods", "--diameter", "9.5", "--impedance", "100"}, "12.8\n"},
      {{"rods", "--spacing", "12.8", "--impedance", "200"},
       "Out of range\nCalculated Impedance outside range of algorithms (45-175 ohms)\n"},
      {{"quarterwave", "--velocity-factor", "0.66"},
       "Length of matching section (mm): 343.5\nImpedance of matching section (ohms): 100.0\n"},
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli(c.args);
    SCOPED_TRACE(c.args.front() + " " + run.err);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(SameText(c.out, run.out));
  }
}

TEST(CliCalculators, GainWithoutRulePrintsTheThreeBlocks) {
  const CliResult run = RunCli({"gain"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("VK3AUU\n" + std::string(kGainBlock) + "\nWA2PHW\n"), 0u) << run.out;
  EXPECT_NE(run.out.find("\nDJ9BV\n" + std::string(kGainBlock)), std::string::npos);
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(CliCalculators, SwrWithCoaxCompensation) {
  const CliResult run = RunCli({"swr", "--reverse", "1", "--forward", "100", "--coax",
                                "RG-213 (PE) 50 ohm", "--band", "144", "--length", "20"});
  ASSERT_EQ(run.status, 0) << run.err;
  // 20 m of 2.7 dB per 100 feet: 1.77 dB.
  EXPECT_NE(run.out.find("1.22\t1.35\t1.77\t   1.00\t 100.00\twatts\n"
                         "100 watts at bottom of coax delivers 66.53 watts to antenna\n"),
            std::string::npos)
      << run.out;
  const CliResult noFigure = RunCli({"swr", "--reverse", "1", "--forward", "100", "--coax",
                                     "RG-213 (PE) 50 ohm", "--band", "1296", "--length", "20"});
  EXPECT_EQ(noFigure.status, 0);
  EXPECT_NE(noFigure.err.find("No data for loss at this frequency - coax unsuitable?"),
            std::string::npos);
  EXPECT_NE(noFigure.out.find("1.22\tN/A\tN/A\t"), std::string::npos);
}

TEST(CliCalculators, CommaLocale) {
  const auto comma = CommaLocale();
  if (!comma) GTEST_SKIP() << kNoCommaLocale;
  const CliResult quarter = RunCli({"quarterwave"}, *comma);
  EXPECT_EQ(quarter.status, 0) << quarter.err;
  EXPECT_EQ(
      quarter.out,
      "Length of matching section (mm): 520,5\nImpedance of matching section (ohms): 100,0\n");
  // Coax.dta is written with full stops and still reads under a comma locale.
  const CliResult swr = RunCli({"swr", "--reverse", "1", "--forward", "100", "--coax",
                                "RG-213 (PE) 50 ohm", "--band", "144", "--length", "20,0"},
                               *comma);
  EXPECT_EQ(swr.status, 0) << swr.err;
  EXPECT_NE(swr.out.find("\t1.77\t"), std::string::npos) << swr.out;
  EXPECT_EQ(RunCli({"stack", "--freq", "144.1"}, *comma).status, 1);
}

TEST(CliCalculators, RefusalsAndUsageMistakes) {
  const struct {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      {{"stack", "--beamwidth", "-30"}, 1, "error: Beamwidth must be greater than 0"},
      {{"stack", "--beamwidth", "0"}, 1, "error: Floating point division by zero"},
      {{"swr", "--reverse", "10", "--forward", "1"},
       1,
       "error: Reverse reading is larger than forward reading: check the bridge connections"},
      {{"swr", "--reverse", "0", "--forward", "0"},
       1,
       "error: Forward reading must be greater than 0"},
      {{"swr", "--reverse", "1", "--forward", "2", "--coax", "RG-99", "--band", "50", "--length",
        "1"},
       1,
       "error: No coax called 'RG-99' in Coax.dta"},
      {{"gain", "--boom", "4000.5"}, 1, "error: --boom: '4000.5' is not a valid integer value"},
      {{"rods", "--diameter", "x", "--spacing", "12.8"},
       1,
       "error: Error in one of the entry boxes"},
      {{"rods", "--diameter", "9.5"}, 2, "exactly two"},
      {{"swr", "--reverse", "1", "--forward", "2", "--band", "144"}, 2, "--band requires --coax"},
      {{"swr", "--reverse", "1", "--forward", "2", "--coax", "RG-8"}, 2, "requires"},
      {{"gain", "--rule", "dl6wu"}, 2, "dl6wu"},
  };
  for (const auto& c : cases) {
    const CliResult run = RunCli(c.args);
    SCOPED_TRACE(c.message);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(c.status == 2 || run.out.empty()) << run.out;
  }
}

TEST(CliCalculators, JsonValues) {
  const json gain = json::parse(RunCli({"gain", "--json"}).out);
  ASSERT_EQ(gain["results"].size(), 3u);
  EXPECT_NEAR(gain["results"][1]["gainDbd"].get<double>(), 11.655, 0.0005);
  EXPECT_NEAR(gain["wavelength"].get<double>(), 2081.89, 0.005);
  const json stack = json::parse(RunCli({"stack", "--json"}).out);
  EXPECT_NEAR(stack["verticalDistance"].get<double>(), 4022.19, 0.005);
  EXPECT_EQ(stack["stackRatioPercent"].get<double>(), 97.5);
  const json rods =
      json::parse(RunCli({"rods", "--spacing", "12.8", "--impedance", "200", "--json"}).out);
  EXPECT_TRUE(rods["result"].is_null());
  EXPECT_EQ(rods["text"], "Out of range");
  const json swr = json::parse(RunCli({"swr", "--reverse", "1", "--forward", "100", "--json"}).out);
  EXPECT_NEAR(swr["bridgeSwr"].get<double>(), 11.0 / 9.0, 1e-12);
  EXPECT_TRUE(swr["sentence"].is_null());
}

}  // namespace
}  // namespace cli_test
