// The nec2c runner, output reader and sweep: stored outputs of small models, the process
// runner against small stand-in programs, and real sweeps when nec2c is installed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/platform/Numbers.h"
#include "core/simulate/ChildProcess.h"
#include "core/simulate/NecCards.h"
#include "core/simulate/NecOutput.h"
#include "core/simulate/SimulationError.h"
#include "core/simulate/Sweep.h"
#include "core/simulate/SweepReport.h"
#include "support/TextFiles.h"

namespace {

using namespace bs::simulate;
using namespace std::chrono_literals;

std::vector<FrequencyBlock> Fixture(const std::string& name) {
  return ReadNecOutput(testing_support::TestData(name));
}

TEST(NecOutputTest, ReadsImpedanceAndGainsOfEveryFrequency) {
  const auto blocks = Fixture("nec_sweep.out");
  ASSERT_EQ(blocks.size(), 3u);
  const double mhz[] = {144, 145, 146};
  const double fwd[] = {7.91, 8.03, 8.17};
  const double back[] = {-13.11, -18.60, -23.02};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(blocks[i].failed);
    EXPECT_DOUBLE_EQ(blocks[i].mhz, mhz[i]);
    ASSERT_EQ(blocks[i].patterns.size(), 1u);
    ASSERT_EQ(blocks[i].patterns[0].size(), 2u);
    EXPECT_DOUBLE_EQ(blocks[i].patterns[0][0].gainDbi, fwd[i]);
    EXPECT_DOUBLE_EQ(blocks[i].patterns[0][1].phiDeg, 180);
    EXPECT_DOUBLE_EQ(blocks[i].patterns[0][1].gainDbi, back[i]);
  }
  EXPECT_DOUBLE_EQ(blocks[0].impedance.real(), 28.457);
  EXPECT_DOUBLE_EQ(blocks[0].impedance.imag(), -15.984);
}

TEST(NecOutputTest, FrequencyWithoutNumbersIsFailedAndTheOthersKept) {
  const auto blocks = Fixture("nec_failed_frequency.out");
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_TRUE(blocks[0].failed);  // 0 MHz: nec2c prints NaN
  EXPECT_FALSE(blocks[1].failed);
  EXPECT_FALSE(blocks[2].failed);
  EXPECT_DOUBLE_EQ(blocks[2].impedance.real(), 894.72);
}

TEST(NecOutputTest, TruncatedOutputMarksTheUnfinishedFrequencyFailed) {
  const std::string text = testing_support::TestData("nec_sweep.out");
  const auto cut = text.find("ANTENNA INPUT PARAMETERS", text.find("FREQUENCY : 1.4600E+02"));
  const auto blocks = ReadNecOutput(std::string_view(text).substr(0, cut));
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_FALSE(blocks[1].failed);
  EXPECT_TRUE(blocks[2].failed);
}

TEST(NecOutputTest, PatternCutsAreSeparateTables) {
  const auto blocks = Fixture("nec_cuts.out");
  ASSERT_EQ(blocks.size(), 1u);
  ASSERT_EQ(blocks[0].patterns.size(), 2u);
  EXPECT_EQ(blocks[0].patterns[0].size(), 37u);
  EXPECT_EQ(blocks[0].patterns[1].size(), 37u);
  EXPECT_DOUBLE_EQ(blocks[0].patterns[0][9].phiDeg, 90);
  EXPECT_DOUBLE_EQ(blocks[0].patterns[0][9].gainDbi, -999.99);  // no field along the elements
  EXPECT_DOUBLE_EQ(blocks[0].patterns[1][36].thetaDeg, 450);
}

TEST(NecOutputTest, OutputWithoutResultsQuotesTheEngineError) {
  try {
    Fixture("nec_card_error.out");
    FAIL() << "no error";
  } catch (const SimulationError& e) {
    EXPECT_STREQ(e.what(),
                 "The nec2c output holds no results: nec2c reports \"GEOMETRY DATA CARD ERROR\".");
  }
  EXPECT_THROW(ReadNecOutput(""), SimulationError);
}

TEST(SweepMathTest, SwrAgainstTheReference) {
  struct Case {
    std::complex<double> z;
    double ref, swr;
  } cases[] = {{{50, 0}, 50, 1},
               {{100, 0}, 50, 2},
               {{25, 0}, 50, 2},
               {{200, 0}, 200, 1},
               {{50, 50}, 50, 2.6180339887}};
  for (const auto& c : cases) EXPECT_NEAR(Swr(c.z, c.ref), c.swr, 1e-9) << c.z;
  EXPECT_TRUE(std::isinf(Swr({0, 0}, 50)));  // a short circuit reflects everything
}

// A cut round the full circle in 2 degree steps, with the given gain function of the angle.
std::vector<CutPoint> Cut(double (*gain)(double)) {
  std::vector<CutPoint> cut;
  for (int k = 0; k <= 180; ++k) cut.push_back({2.0 * k, gain(2.0 * k)});
  return cut;
}

TEST(SweepMathTest, BeamwidthBetweenTheThreeDecibelPoints) {
  // Peak at 0 degrees, 3 dB down at +-30: the width is found across the 0/360 seam.
  const auto ahead = [](double a) {
    const double off = a > 180 ? a - 360 : a;
    return 10 - 3 * (off / 30) * (off / 30);
  };
  EXPECT_NEAR(BeamwidthDeg(Cut(ahead)), 60, 1e-9);
  const auto sideways = [](double a) { return 5 - 3 * ((a - 90) / 21) * ((a - 90) / 21); };
  EXPECT_NEAR(BeamwidthDeg(Cut(sideways)), 42, 0.2);
  EXPECT_DOUBLE_EQ(BeamwidthDeg(Cut([](double) { return 2.0; })), 360);
  // The stored three-element cut: a plausible main lobe.
  const auto blocks = Fixture("nec_cuts.out");
  std::vector<CutPoint> e;
  for (const auto& p : blocks[0].patterns[0]) e.push_back({p.phiDeg, p.gainDbi});
  EXPECT_GT(BeamwidthDeg(e), 60);
  EXPECT_LT(BeamwidthDeg(e), 80);
}

TEST(SweepMathTest, FrequenciesSpanTheDesignEvenly) {
  const auto f = SweepFrequencies(144.1, 5, 41);
  ASSERT_EQ(f.size(), 41u);
  EXPECT_NEAR(f.front(), 136.895, 1e-9);
  EXPECT_NEAR(f.back(), 151.305, 1e-9);
  EXPECT_NEAR(f[20], 144.1, 1e-9);
  EXPECT_EQ(SweepFrequencies(144.1, 5, 1), std::vector<double>{144.1});
}

TEST(SweepMathTest, BadRequestsAreRefusedWithAMessage) {
  SweepRequest good;
  good.designMhz = 144.1;
  EXPECT_NO_THROW(CheckSweepRequest(good));
  auto bad = [&](auto change) {
    SweepRequest r = good;
    change(r);
    EXPECT_THROW(CheckSweepRequest(r), SimulationError);
  };
  bad([](SweepRequest& r) { r.designMhz = 0; });
  bad([](SweepRequest& r) { r.designMhz = NAN; });
  bad([](SweepRequest& r) { r.steps = 0; });
  bad([](SweepRequest& r) { r.steps = kMaxSteps + 1; });
  bad([](SweepRequest& r) { r.spanPercent = 100; });
  bad([](SweepRequest& r) { r.spanPercent = -1; });
  bad([](SweepRequest& r) { r.referenceOhm = 0; });
}

TEST(NecCardsTest, NumbersUseAFullStopWhateverTheLocale) {
  EXPECT_EQ(NecNumber(144.1), "144.1");
  EXPECT_EQ(NecNumber(-0.0035), "-0.0035");
  EXPECT_EQ(NecNumber(0), "0");
  EXPECT_EQ(FrequencyCard(136.895, 0.3605, 5), "FR 0 5 0 0 136.895 0.3605\r\n");
}

// A folder with small stand-in programs, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "beamsmith-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  std::string Script(const std::string& name, const std::string& body) {
    const std::string file = path_ + "/" + name;
    std::ofstream(file) << "#!/bin/sh\n" << body;
    chmod(file.c_str(), 0755);
    return file;
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// True while the process runs (a zombie waiting for its parent no longer runs).
bool Running(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  const auto close = line.rfind(')');
  return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

std::vector<pid_t> Pids(const std::string& file) {
  std::vector<pid_t> pids;
  std::ifstream in(file);
  for (pid_t p; in >> p;) pids.push_back(p);
  return pids;
}

TEST(ChildProcessTest, ExitCodeAndErrorTextWithArgumentsPassedAsGiven) {
  ScratchFolder dir;
  // An argument with shell characters reaches the program unchanged: no shell in between.
  const auto program = dir.Script("echo-args", "printf '%s|' \"$@\" >&2\nexit 3\n");
  const auto result = RunProcess({program, {"a b", "$(x)", "; rm -rf /"}}, {});
  EXPECT_EQ(result.end, ProcessEnd::Exited);
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_EQ(result.errorText, "a b|$(x)|; rm -rf /|");
}

TEST(ChildProcessTest, TimeLimitAndCancelEndTheWholeProcessGroup) {
  ScratchFolder dir;
  const auto pids = dir.File("pids");
  const auto program = dir.Script("hang", "sleep 60 &\necho $$ $! > " + pids + "\nwait\n");
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    std::filesystem::remove(pids);
    const auto start = std::chrono::steady_clock::now();
    const CancelCheck check = [&] {
      return cancel && std::filesystem::exists(pids) && Pids(pids).size() == 2;
    };
    const auto result = RunProcess({program, {}, cancel ? 60s : 300ms}, check);
    EXPECT_EQ(result.end, cancel ? ProcessEnd::Cancelled : ProcessEnd::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    const auto started = Pids(pids);
    ASSERT_EQ(started.size(), 2u);
    for (int wait = 0; wait < 100 && Running(started[1]); ++wait) std::this_thread::sleep_for(10ms);
    for (pid_t p : started) EXPECT_FALSE(Running(p)) << p;
  }
}

// Sets PATH for one test and restores it.
class PathOverride {
 public:
  explicit PathOverride(const char* value) : old_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    setenv("PATH", value, 1);
  }
  ~PathOverride() { setenv("PATH", old_.c_str(), 1); }

 private:
  std::string old_;
};

TEST(SweepTest, MissingEngineNamesThePackage) {
  PathOverride empty("");
  EXPECT_EQ(FindProgram("nec2c"), "");
  SweepRequest request;
  request.designMhz = 144.1;
  try {
    RunSweep(request, {}, {});
    FAIL() << "no error";
  } catch (const EngineMissingError& e) {
    EXPECT_STREQ(e.what(), kEngineMissing);
    EXPECT_NE(std::string(e.what()).find("package nec2c"), std::string::npos);
  }
}

TEST(SweepTest, CancelStopsEveryEngineProcess) {
  ScratchFolder dir;
  const auto pids = dir.File("pids");
  SweepRequest request;
  request.designMhz = 144.1;
  request.steps = 9;
  request.processes = 2;
  request.engine = dir.Script("slow-nec2c", "echo $$ >> " + pids + "\nexec sleep 60\n");
  const CancelCheck check = [&] { return Pids(pids).size() >= 2; };
  EXPECT_THROW(RunSweep(request, {}, check), SimulationCancelled);
  for (pid_t p : Pids(pids)) EXPECT_FALSE(Running(p)) << p;
}

TEST(SweepTest, FailingEngineGivesItsMessage) {
  ScratchFolder dir;
  SweepRequest request;
  request.designMhz = 144.1;
  request.steps = 3;
  request.engine = dir.Script("broken-nec2c", "echo 'cannot open input' >&2\nexit 1\n");
  try {
    RunSweep(request, {}, {});
    FAIL() << "no error";
  } catch (const SimulationError& e) {
    EXPECT_STREQ(e.what(), "nec2c ended with exit code 1: cannot open input.");
  }
}

const char* kThreeElements =
    "CM three-element test model\r\nCE\r\n"
    "GW 1 11 -0.4 -0.5 0 -0.4 0.5 0 0.005\r\nGW 2 11 0 -0.48 0 0 0.48 0 0.005\r\n"
    "GW 3 11 0.3 -0.45 0 0.3 0.45 0 0.005\r\nGE 0\r\nEK\r\nEX 0 2 6 0 1 0\r\nPT -1\r\n";

TEST(SweepTest, RealSweepFillsEveryPointAndBothCuts) {
  if (FindProgram("nec2c").empty()) GTEST_SKIP() << "nec2c is not installed";
  SweepRequest request;
  request.geometryCards = kThreeElements;
  request.designMhz = 145;
  request.steps = 7;
  request.processes = 2;
  int lastDone = 0, total = 0;
  const auto result = RunSweep(request,
                               [&](int done, int all) {
                                 EXPECT_GT(done, lastDone);
                                 lastDone = done;
                                 total = all;
                               },
                               {});
  EXPECT_EQ(lastDone, total);
  ASSERT_EQ(result.points.size(), 7u);
  for (const auto& p : result.points) EXPECT_TRUE(p.ok) << p.mhz;
  const SweepPoint* design = DesignPoint(result);
  ASSERT_NE(design, nullptr);
  EXPECT_DOUBLE_EQ(design->mhz, 145);
  // The same model as the stored output at 145 MHz.
  EXPECT_NEAR(design->forwardDbi, 8.03, 0.005);
  EXPECT_NEAR(design->frontToBackDb, 8.03 + 18.60, 0.01);
  EXPECT_NEAR(design->impedance.real(), 26.685, 0.001);
  EXPECT_NEAR(design->swr, Swr({26.685, -10.767}, 50), 1e-3);
  EXPECT_EQ(result.ePlane.points.size(), static_cast<std::size_t>(kCutPoints));
  EXPECT_EQ(result.hPlane.points.size(), static_cast<std::size_t>(kCutPoints));
  EXPECT_DOUBLE_EQ(result.hPlane.points.front().angleDeg, 0);
  EXPECT_NEAR(result.ePlane.points.front().gainDbi, 8.03, 0.005);
  EXPECT_GT(result.hPlane.beamwidthDeg, result.ePlane.beamwidthDeg);
}

}  // namespace

namespace {

TEST(SweepReportTest, FailedFrequencyStaysVisibleInTableAndCsv) {
  using namespace bs::simulate;
  SweepResult result;
  result.designMhz = 144;
  result.referenceOhm = 50;
  SweepPoint good;
  good.mhz = 144;
  good.ok = true;
  good.forwardDbi = 12.345;
  good.backDbi = -2;
  good.frontToBackDb = 14.345;
  good.impedance = {41.7, -20.7};
  good.swr = 1.62;
  SweepPoint failed;
  failed.mhz = 145;
  result.points = {good, failed};
  const std::string csv = SweepCsv(result, "\r\n");
  EXPECT_EQ(csv,
            "MHz,Gain dBi,F/B dB,R ohm,X ohm,SWR\r\n144.0000,12.35,14.35,41.70,-20.70,1.620\r\n"
            "145.0000,,,,,\r\n");
  bs::SetDecimalSeparator(',');
  const std::string table = SweepTableText(result, {true, 12.67, 47.2});
  bs::SetDecimalSeparator('.');
  EXPECT_NE(table.find("  144,000     12,35    14,3     41,7    -20,7    1,62\n"),
            std::string::npos)
      << table;
  EXPECT_NE(table.find("  145,000   failed\n"), std::string::npos);
  EXPECT_NE(table.find("  Forward gain    12,35 dBi\n    report        12,67 dBi\n"),
            std::string::npos)
      << table;
}

}  // namespace
