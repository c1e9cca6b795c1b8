// The export subcommands: design --yag/--maa, yag and estimate.
#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "support/TextFiles.h"

namespace cli_test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kExampleA = {"design",       "--gap",          "10",
                                            "--boom-shape", "round",          "--mount",
                                            "nonmetal",     "--dipole-mount", "insulated"};

std::string Out(const std::string& name) {
  return WorkDir() + "/" + name;
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CliExport, DesignWritesTheFilesOfCreateYOAndSaveMaa) {
  const CliResult run =
      RunCli(With(kExampleA, {"--yag", Out("a.yag"), "--description", "Example A 144.1 MHz",
                              "--maa", Out("ExampleA.maa")}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(Out("a.yag")),
            ReadFile(std::string(BEAMSMITH_TEST_DATA_DIR) + "/yag_design_a.yag"));
  EXPECT_EQ(ReadFile(Out("ExampleA.maa")),
            ReadFile(std::string(BEAMSMITH_TEST_DATA_DIR) + "/maa_example_a_single.maa"));
  const CliResult folded =
      RunCli(With(kExampleA, {"--maa", Out("ExampleA.maa"), "--maa-dipole", "folded"}));
  ASSERT_EQ(folded.status, 0) << folded.err;
  EXPECT_EQ(ReadFile(Out("ExampleA.maa")),
            ReadFile(std::string(BEAMSMITH_TEST_DATA_DIR) + "/maa_example_a_folded.maa"));
}

TEST(CliExport, MaaChoices) {
  const CliResult run =
      RunCli(With(kExampleA, {"--maa", Out("c.maa"), "--dm1", "3000", "--ground", "real",
                              "--height", "20", "--material", "cu-wire"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = testing_support::SplitLines(ReadFile(Out("c.maa")));
  EXPECT_EQ(lines.front(), "c");
  EXPECT_EQ(lines[lines.size() - 3], "3000,   80,   2.0,   2");
  EXPECT_EQ(lines.back(), "2,   20,   1,   50.0,   120,    60,    0.0");
  EXPECT_EQ(RunCli(With(kExampleA, {"--maa", Out("c.maa"), "--ground", "sand"})).status, 2);
}

TEST(CliExport, YagListsTheBoxesAndConverts) {
  std::ofstream(Out("in.yag"), std::ios::binary)
      << "In\r\n144.1 MHz\r\n3  elements,  millimeters\r\n\t7\t10\r\n0\t1000\r\n416\t\t980\r\n"
         "572\t934\r\n";
  const CliResult list = RunCli({"yag", Out("in.yag")});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_NE(list.out.find("Reflector length: 1000\n"), std::string::npos);
  EXPECT_NE(list.out.find("Dir 1 dist from reflector: 572\n"), std::string::npos);
  const CliResult json = RunCli({"yag", Out("in.yag"), "--json"});
  EXPECT_NE(json.out.find("\"texts\": [\n    \"10\",\n    \"416\",\n    \"980\",\n    \"7\","),
            std::string::npos)
      << json.out;
  const CliResult convert = RunCli({"yag", Out("in.yag"), "--convert", "nonmetal:through", "--boom",
                                    "25", "-o", Out("through.yag")});
  ASSERT_EQ(convert.status, 0) << convert.err;
  EXPECT_EQ(ReadFile(Out("through.yag")),
            "\r\n144.1 MHz\r\n3  elements,  millimeters\r\n\t7\t10\r\n0\t1007\r\n416\t\t980\r\n"
            "572\t941\r\n");
  const CliResult noBoom = RunCli(
      {"yag", Out("in.yag"), "--convert", "nonmetal:through", "--boom", "0", "-o", Out("x.yag")});
  EXPECT_EQ(noBoom.status, 1);
  EXPECT_NE(noBoom.err.find("Boom diameter box empty or zero!"), std::string::npos);
  EXPECT_EQ(RunCli({"yag", Out("in.yag"), "--convert", "metal:through", "--boom", "25", "-o",
                    Out("x.yag")})
                .status,
            2);
  const CliResult maa = RunCli({"yag", Out("in.yag"), "--maa", Out("in.maa")});
  ASSERT_EQ(maa.status, 0) << maa.err;
  EXPECT_EQ(testing_support::SplitLines(ReadFile(Out("in.maa")))[4], "3");
  const CliResult folded =
      RunCli({"yag", Out("in.yag"), "--maa", Out("f.maa"), "--maa-dipole", "folded"});
  EXPECT_EQ(folded.status, 1);
  EXPECT_FALSE(fs::exists(Out("f.maa")));
  // The NEC-2 model of the typed dimensions: one wire card per element, the three of the file.
  const CliResult nec = RunCli({"yag", Out("in.yag"), "--nec", Out("in.nec")});
  ASSERT_EQ(nec.status, 0) << nec.err;
  int wires = 0;
  for (const std::string& line : testing_support::SplitLines(ReadFile(Out("in.nec"))))
    wires += line.rfind("GW", 0) == 0;
  EXPECT_EQ(wires, 3);
  const CliResult missing = RunCli({"yag", Out("none.yag")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("No yag file found"), std::string::npos);
}

TEST(CliExport, Estimate) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* text;  // standard output, or part of standard error
  };
  const Case cases[] = {
      {{"estimate", "--reflector", "1000", "--element-diam", "10"}, 0, "146.2\n"},
      {{"estimate", "--dipole", "980", "--dipole-diam", "10"}, 0, "144.1\n"},
      {{"estimate", "--reflector", "1000", "--element-diam", "10", "--mount", "through"},
       1,
       "Boom Diameter box empty or zero!"},
      {{"estimate", "--reflector", "0", "--element-diam", "10"}, 1, "Reflector Length box empty"},
      {{"estimate", "--reflector", "1000", "--element-diam", "-10"},
       1,
       "No estimate for these entries"},
      {{"estimate", "--dipole", "980"}, 1, "Dipole Diameter box empty or zero!"},
      {{"estimate", "--dipole", "-980", "--dipole-diam", "10"},
       1,
       "Invalid floating point operation"},
      {{"estimate"}, 2, "give --reflector"},
      {{"estimate", "--dipole", "980", "--reflector", "1000"}, 2, "excludes"},
  };
  for (const Case& c : cases) {
    const CliResult run = RunCli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[1] << " " << run.err;
    if (c.status == 0)
      EXPECT_EQ(run.out, c.text);
    else
      EXPECT_NE(run.err.find(c.text), std::string::npos) << run.err;
  }
  const CliResult json = RunCli({"estimate", "--dipole", "1", "--dipole-diam", "1", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"steps\": "), std::string::npos);
}

TEST(CliExport, EstimateReadsTheLocalesComma) {
  const auto comma = CommaLocale();
  if (!comma) GTEST_SKIP() << kNoCommaLocale;
  const CliResult run = RunCli({"estimate", "--dipole", "980,0", "--dipole-diam", "10"}, *comma);
  EXPECT_EQ(run.out, "144,1\n") << run.err;
}

}  // namespace
}  // namespace cli_test
