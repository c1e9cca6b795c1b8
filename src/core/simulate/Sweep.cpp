#include "core/simulate/Sweep.h"

#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <filesystem>
#include <mutex>
#include <thread>

#include "core/platform/TextFile.h"
#include "core/simulate/NecCards.h"
#include "core/simulate/NecOutput.h"
#include "core/simulate/SimulationError.h"

namespace bs::simulate {
namespace {

// A private folder for the decks and outputs of one sweep, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "beamsmith-nec-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw SimulationError("Could not create a folder for the simulation files.");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// One nec2c run: a sub-range of the sweep, or the pattern cuts at the design frequency.
struct Task {
  int first = 0;
  int count = 0;
  bool patterns = false;
};

std::vector<Task> SplitTasks(int steps, unsigned workers) {
  std::vector<Task> tasks{{0, 1, true}};
  // Several sub-ranges per worker keep every core busy to the end and the progress moving.
  const int pieces = std::min(steps, static_cast<int>(workers) * 3);
  for (int k = 0; k < pieces; ++k) {
    const int first = steps * k / pieces;
    const int last = steps * (k + 1) / pieces;
    tasks.push_back({first, last - first, false});
  }
  return tasks;
}

std::string TaskDeck(const SweepRequest& request, const std::vector<double>& freqs,
                     const Task& task) {
  std::string deck = request.geometryCards;
  if (task.patterns) {
    deck += FrequencyCard(request.designMhz, 0, 1) + EPlaneCard() + HPlaneCard();
  } else {
    const double step = task.count > 1 ? freqs[1] - freqs[0] : 0;
    deck += FrequencyCard(freqs[static_cast<std::size_t>(task.first)], step, task.count) +
            ForwardBackCard();
  }
  return deck + EndCard();
}

std::string FirstLine(const std::string& text) {
  const auto end = text.find('\n');
  return text.substr(0, end);
}

void CheckEnd(const ProcessResult& run, const SweepRequest& request) {
  switch (run.end) {
    case ProcessEnd::Cancelled:
      throw SimulationCancelled();
    case ProcessEnd::TimedOut:
      throw SimulationError("nec2c did not finish within " +
                            std::to_string(request.timeLimit.count() / 1000) + " s and was ended.");
    case ProcessEnd::Signalled:
      throw SimulationError("nec2c ended abnormally.");
    case ProcessEnd::Exited:
      break;
  }
}

// nec2c stopped with an error: its own error line from the output when there is one, else
// the exit code and the first line it wrote to standard error.
[[noreturn]] void ThrowEngineFailure(const ProcessResult& run, const std::string& outputPath) {
  if (std::filesystem::exists(outputPath)) ReadNecOutputFile(outputPath);
  std::string message = "nec2c ended with exit code " + std::to_string(run.exitCode);
  if (!run.errorText.empty()) message += ": " + FirstLine(run.errorText);
  throw SimulationError(message + ".");
}

PatternCut CutFrom(const std::vector<PatternPoint>& table, bool hPlane) {
  PatternCut cut;
  for (const auto& p : table) {
    const double angle = hPlane ? p.thetaDeg - 90 : p.phiDeg;
    cut.points.push_back({angle, p.gainDbi});
  }
  cut.beamwidthDeg = BeamwidthDeg(cut.points);
  return cut;
}

class SweepRun {
 public:
  SweepRun(const SweepRequest& request, const ProgressFn& progress, const CancelCheck& cancelled)
      : request_(request),
        progress_(progress),
        cancelled_(cancelled),
        freqs_(SweepFrequencies(request.designMhz, request.spanPercent, request.steps)) {
    result_.designMhz = request.designMhz;
    result_.referenceOhm = request.referenceOhm;
    for (double f : freqs_) {
      SweepPoint point;
      point.mhz = f;
      result_.points.push_back(point);
    }
  }

  SweepResult Run() {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned workers = request_.processes > 0 ? request_.processes : cores;
    tasks_ = SplitTasks(request_.steps, workers);
    total_ = request_.steps + 1;
    {
      std::vector<std::jthread> threads;
      const auto count = std::min<std::size_t>(workers, tasks_.size());
      for (std::size_t i = 0; i < count; ++i) threads.emplace_back([this] { Work(); });
    }
    if (failure_) std::rethrow_exception(failure_);
    return std::move(result_);
  }

 private:
  bool Stopped() const { return stop_.load() || (cancelled_ && cancelled_()); }

  void Work() {
    for (;;) {
      const std::size_t index = next_.fetch_add(1);
      if (index >= tasks_.size() || stop_.load()) return;
      try {
        RunTask(index);
      } catch (...) {
        std::lock_guard lock(mutex_);
        if (!failure_) failure_ = std::current_exception();
        stop_ = true;
        return;
      }
    }
  }

  void RunTask(std::size_t index) {
    const Task& task = tasks_[index];
    const std::string deck = folder_.File("run" + std::to_string(index) + ".nec");
    const std::string out = folder_.File("run" + std::to_string(index) + ".out");
    WriteTextFile(deck, TaskDeck(request_, freqs_, task));
    ProcessRequest process{request_.engine, {"-i" + deck, "-o" + out}, request_.timeLimit};
    const ProcessResult run = RunProcess(process, [this] { return Stopped(); });
    if (run.end == ProcessEnd::Cancelled && stop_.load()) return;  // another task failed
    CheckEnd(run, request_);
    if (run.exitCode != 0) ThrowEngineFailure(run, out);
    const auto blocks = ReadNecOutputFile(out);
    std::lock_guard lock(mutex_);
    if (task.patterns)
      StorePatterns(blocks);
    else
      StorePoints(task, blocks);
    done_ += task.count;
    if (progress_) progress_(done_, total_);
  }

  void StorePatterns(const std::vector<FrequencyBlock>& blocks) {
    const auto& block = blocks.front();
    if (block.failed || block.patterns.size() < 2)
      throw SimulationError("nec2c gave no radiation pattern at the design frequency.");
    result_.ePlane = CutFrom(block.patterns[0], false);
    result_.hPlane = CutFrom(block.patterns[1], true);
  }

  void StorePoints(const Task& task, const std::vector<FrequencyBlock>& blocks) {
    for (int i = 0; i < task.count && i < static_cast<int>(blocks.size()); ++i) {
      const auto& block = blocks[static_cast<std::size_t>(i)];
      auto& point = result_.points[static_cast<std::size_t>(task.first + i)];
      if (block.failed || block.patterns.empty() || block.patterns[0].size() < 2) continue;
      point.ok = true;
      point.forwardDbi = block.patterns[0][0].gainDbi;
      point.backDbi = block.patterns[0][1].gainDbi;
      point.frontToBackDb = point.forwardDbi - point.backDbi;
      point.impedance = block.impedance;
      point.swr = Swr(block.impedance, request_.referenceOhm);
    }
  }

  const SweepRequest& request_;
  const ProgressFn& progress_;
  const CancelCheck& cancelled_;
  std::vector<double> freqs_;
  std::vector<Task> tasks_;
  TempFolder folder_;
  SweepResult result_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::exception_ptr failure_;
  int done_ = 0;
  int total_ = 0;
};

}  // namespace

void CheckSweepRequest(const SweepRequest& request) {
  if (!(request.designMhz > 0) || !std::isfinite(request.designMhz))
    throw SimulationError("The design frequency must be above 0 MHz.");
  if (request.steps < 1 || request.steps > kMaxSteps)
    throw SimulationError("The number of sweep steps must be 1 to " + std::to_string(kMaxSteps) +
                          ".");
  if (!(request.spanPercent >= 0 && request.spanPercent < 100))
    throw SimulationError("The sweep span must be 0 to below 100 %.");
  if (!(request.referenceOhm > 0) || !std::isfinite(request.referenceOhm))
    throw SimulationError("The SWR reference must be above 0 ohm.");
}

std::vector<double> SweepFrequencies(double designMhz, double spanPercent, int steps) {
  if (steps <= 1) return {designMhz};
  const double low = designMhz * (1 - spanPercent / 100);
  const double step = 2 * designMhz * spanPercent / 100 / (steps - 1);
  std::vector<double> freqs;
  for (int i = 0; i < steps; ++i) freqs.push_back(low + i * step);
  return freqs;
}

SweepResult RunSweep(const SweepRequest& request, const ProgressFn& progress,
                     const CancelCheck& cancelled) {
  CheckSweepRequest(request);
  if (FindProgram(request.engine).empty()) throw EngineMissingError(kEngineMissing);
  SweepRun run(request, progress, cancelled);
  SweepResult result = run.Run();
  if (cancelled && cancelled()) throw SimulationCancelled();
  return result;
}

double Swr(std::complex<double> impedance, double referenceOhm) {
  const double gamma = std::abs((impedance - referenceOhm) / (impedance + referenceOhm));
  if (!std::isfinite(gamma) || gamma >= 1) return std::numeric_limits<double>::infinity();
  return (1 + gamma) / (1 - gamma);
}

double BeamwidthDeg(const std::vector<CutPoint>& cut) {
  if (cut.size() < 3) return 0;
  // The cut runs round the full circle with its last point on its first: drop the repeat.
  std::size_t n = cut.size();
  if (std::fabs(cut.back().angleDeg - cut.front().angleDeg - 360) < 1e-6) --n;
  std::size_t peak = 0;
  for (std::size_t i = 1; i < n; ++i)
    if (cut[i].gainDbi > cut[peak].gainDbi) peak = i;
  const double level = cut[peak].gainDbi - 3;
  const double step = 360.0 / static_cast<double>(n);
  // Walks from the peak in one direction to the first point below the level; the angle
  // beyond the peak where the gain crosses it, interpolated linearly.
  const auto side = [&](int dir) -> double {
    for (std::size_t k = 1; k < n; ++k) {
      const auto at = [&](std::size_t j) {
        const auto signedIndex = static_cast<long>(peak) + dir * static_cast<long>(j);
        return cut[static_cast<std::size_t>(
                       (signedIndex % static_cast<long>(n) + static_cast<long>(n)) %
                       static_cast<long>(n))]
            .gainDbi;
      };
      const double g1 = at(k - 1);
      const double g2 = at(k);
      if (g2 < level) return step * (static_cast<double>(k - 1) + (g1 - level) / (g1 - g2));
    }
    return -1;
  };
  const double up = side(+1);
  const double down = side(-1);
  if (up < 0 || down < 0) return 360;
  return std::min(360.0, up + down);
}

const SweepPoint* DesignPoint(const SweepResult& result) {
  const SweepPoint* best = nullptr;
  for (const auto& p : result.points)
    if (!best || std::fabs(p.mhz - result.designMhz) < std::fabs(best->mhz - result.designMhz))
      best = &p;
  return best;
}

}  // namespace bs::simulate
