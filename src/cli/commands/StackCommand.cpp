// "beamsmith-cli stack": the stacking screen's result text.
#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/LineEnds.h"
#include "core/calculators/Stacking.h"
#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"

namespace bs::cli {

namespace {

using bs::calculators::StackPlane;

class StackCommand final : public Command {
 public:
  StackCommand() {
    bs::YagiVar::StartUp(state_);
    freq_ = state_.StackFreqText;
    beamwidth_ = state_.StackBeamwidthText;
  }

  void Define(CLI::App& app) override {
    app.add_option("--freq", freq_, "Frequency in MHz (" + freq_ + ")");
    app.add_option("--beamwidth", beamwidth_,
                   "Half-power beamwidth of one Zuzo in degrees (" + beamwidth_ + ")");
    app.add_option("--plane", plane_, "The plane of the beamwidth (vertical)")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, StackPlane>{{"vertical", StackPlane::Vertical},
                                              {"horizontal", StackPlane::Horizontal}},
            CLI::ignore_case));
    app.add_flag("--json", json_, "Print the values as JSON");
    app.footer("Numbers are typed as on the screen, with the locale's decimal separator.");
  }

  int Run(std::ostream& out, std::ostream&) override {
    std::string memo;
    const auto r =
        bs::calculators::FindBeamGain(state_, freq_, beamwidth_, static_cast<int>(plane_), memo);
    if (!json_) {
      out << WithLfLineEnds(memo);
      return kExitOk;
    }
    const bool vertical = plane_ == StackPlane::Vertical;
    PrintJson(out, Json{{"freqText", freq_},
                        {"beamwidthText", beamwidth_},
                        {"plane", vertical ? "vertical" : "horizontal"},
                        {"designFreq", state_.DesignFreq},
                        {"wavelength", state_.Wavelength},
                        {"gainDbd", r.gain},
                        {"stackRatioPercent", bs::calculators::StackRatio(r.gain)},
                        {vertical ? "verticalDistance" : "horizontalDistance", r.distance},
                        {vertical ? "horizontalDistance" : "verticalDistance", r.otherDistance},
                        {"arrayGainDbd", r.arrayGain},
                        {"text", WithLfLineEnds(memo)}});
    return kExitOk;
  }

 private:
  bs::YagiVar::State state_;
  std::string freq_, beamwidth_;
  StackPlane plane_ = StackPlane::Vertical;
  bool json_ = false;
};

const Registration kStack{"stack", "Stacking distance and gain of two Yagis from the beamwidth",
                          [] { return std::make_unique<StackCommand>(); }};

}  // namespace

}  // namespace bs::cli
