// "beamsmith-cli simulate": a frequency sweep of a design (or of a .yag file's dimensions) with
// the NEC-2 engine nec2c, printed as a table, CSV or JSON.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/commands/DesignOptions.h"
#include "cli/commands/DesignRequest.h"
#include "core/export/MaaFile.h"
#include "core/export/NecDeck.h"
#include "core/export/YagFile.h"
#include "core/platform/Errors.h"
#include "core/simulate/Sweep.h"
#include "core/simulate/SweepReport.h"
#include "core/state/YagiVar.h"

namespace bs::cli {

namespace {

using bs::simulate::SweepResult;

// A number for JSON: null where there is none (a failed frequency, an infinite SWR).
Json JsonNumber(double value) {
  return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json CutJson(const bs::simulate::PatternCut& cut) {
  Json points = Json::array();
  for (const auto& p : cut.points) points.push_back({p.angleDeg, JsonNumber(p.gainDbi)});
  return {{"beamwidthDeg", JsonNumber(cut.beamwidthDeg)}, {"points", points}};
}

Json SweepJson(const SweepResult& result, const bs::simulate::ReportEstimate& estimate) {
  Json points = Json::array();
  for (const auto& p : result.points) {
    Json point = {{"mhz", p.mhz}, {"ok", p.ok}};
    if (p.ok) {
      point["gainDbi"] = JsonNumber(p.forwardDbi);
      point["frontToBackDb"] = JsonNumber(p.frontToBackDb);
      point["r"] = JsonNumber(p.impedance.real());
      point["x"] = JsonNumber(p.impedance.imag());
      point["swr"] = JsonNumber(p.swr);
    }
    points.push_back(point);
  }
  Json json = {{"designMHz", result.designMhz},
               {"referenceOhm", result.referenceOhm},
               {"points", points},
               {"ePlane", CutJson(result.ePlane)},
               {"hPlane", CutJson(result.hPlane)}};
  if (estimate.present)
    json["reportEstimate"] = {{"gainDbi", estimate.gainDbi},
                              {"beamwidthDeg", estimate.beamwidthDeg}};
  return json;
}

// The element table of a .yag file, as "Make Mmana" takes it from the YO screen.
bs::YagiVar::State StateFromYag(const std::string& path) {
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  if (!bs::exporting::ReadYagFile(state, path)) throw bs::Error("Could not read " + path);
  std::array<std::string, 40> boxes{};
  for (int i = 1; i <= bs::YagiVar::kYOBoxes; ++i) boxes[i] = state.YOText[i];
  const std::string problem = bs::exporting::StoreTypedDimensions(state, boxes);
  if (!problem.empty()) throw bs::Error(problem);
  return state;
}

class SimulateCommand final : public Command {
 public:
  void Define(CLI::App& app) override {
    AddDesignEntryOptions(app, design_);
    app.add_option("--yag", yagFile_,
                   "Simulate the dimensions of a .yag file (non-metal lengths) instead of a "
                   "design");
    app.add_option("--span", span_, "Sweep from design - PERCENT to design + PERCENT (5)")
        ->check(CLI::Range(0.0, 99.0));
    app.add_option("--steps", steps_, "Number of sweep frequencies (41)")
        ->check(CLI::Range(1, bs::simulate::kMaxSteps));
    app.add_option("--reference", reference_,
                   "SWR reference in ohm (50 for a single, 200 for a folded dipole)")
        ->check(CLI::PositiveNumber);
    app.add_option("--dipole", dipole_, "Driven element of the model (single)")
        ->check(CLI::IsMember({"single", "folded"}));
    app.add_option("--time-limit", timeLimitS_, "Seconds each nec2c process may run (600)")
        ->check(CLI::PositiveNumber);
    auto* csv = app.add_flag("--csv", csv_, "Print the table as comma-separated values");
    app.add_flag("--json", json_, "Print the sweep and both pattern cuts as JSON")->excludes(csv);
    app.footer(
        "Needs the NEC-2 engine nec2c (Debian package nec2c). The sweep runs as parallel nec2c\n"
        "processes, one per core. Progress goes to standard error when it is a terminal.\n\n" +
        DesignEntryFooter());
  }

  int Run(std::ostream& out, std::ostream& err) override {
    if (const auto conflict = RequestConflict(design_)) throw UsageError(*conflict);
    if (yagFile_ &&
        (design_.fromFile || !design_.boxes.empty() || !design_.choices.empty() || design_.coax))
      throw UsageError("--yag takes the dimensions from the file: give no design options with it");
    bs::YagiVar::State state;
    bs::simulate::ReportEstimate estimate;
    if (yagFile_) {
      state = StateFromYag(*yagFile_);
    } else {
      state = RunDesign(design_, err).results;
      estimate = bs::exporting::DesignReportEstimate(state);
    }
    const SweepResult result = Sweep(state, err);
    if (json_)
      PrintJson(out, SweepJson(result, estimate));
    else if (csv_)
      out << bs::simulate::SweepCsv(result, "\n");
    else
      out << bs::simulate::SweepTableText(result, estimate);
    return kExitOk;
  }

 private:
  SweepResult Sweep(const bs::YagiVar::State& state, std::ostream& err) const {
    bs::exporting::NecOptions options;
    options.folded = dipole_ == "folded";
    options.spanPercent = span_;
    options.steps = steps_;
    auto request = bs::exporting::NecSweepRequest(state, options);
    if (reference_) request.referenceOhm = *reference_;
    request.timeLimit = std::chrono::milliseconds(static_cast<long long>(timeLimitS_ * 1000));
    bs::simulate::ProgressFn progress;
    if (isatty(STDERR_FILENO))
      progress = [&err](int done, int total) {
        err << "\rSimulating with nec2c: " << done << " of " << total << " frequencies"
            << std::flush;
        if (done == total) err << "\n";
      };
    return bs::simulate::RunSweep(request, progress, {});
  }

  DesignRequest design_;
  std::optional<std::string> yagFile_;
  double span_ = 5;
  int steps_ = 41;
  std::optional<double> reference_;
  std::string dipole_ = "single";
  double timeLimitS_ = 600;
  bool csv_ = false;
  bool json_ = false;
};

const Registration kSimulate{"simulate", "Simulate a design with the NEC-2 engine nec2c",
                             [] { return std::make_unique<SimulateCommand>(); }};

}  // namespace

}  // namespace bs::cli
