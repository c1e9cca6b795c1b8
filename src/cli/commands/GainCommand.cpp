// "beamsmith-cli gain": the gain screen's result text for one rule, or for all three.
#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/LineEnds.h"
#include "core/calculators/Gain.h"
#include "core/state/YagiVar.h"

namespace bs::cli {

namespace {

using bs::calculators::GainRule;

constexpr GainRule kRules[] = {GainRule::VK3AUU, GainRule::WA2PHW, GainRule::DJ9BV};

class GainCommand final : public Command {
 public:
  GainCommand() {
    bs::YagiVar::StartUp(state_);
    freq_ = state_.GainFreqText;
    boom_ = state_.GainBoomText;
  }

  void Define(CLI::App& app) override {
    app.add_option("--freq", freq_, "Frequency in MHz (" + freq_ + ")");
    app.add_option("--boom", boom_, "Boom length in mm, a whole number (" + boom_ + ")");
    app.add_option("--rule", rule_, "Gain rule; without it all three, one after the other")
        ->check(CLI::IsMember({"vk3auu", "wa2phw", "dj9bv"}, CLI::ignore_case));
    app.add_flag("--json", json_, "Print the values as JSON");
    app.footer("Numbers are typed as on the screen, with the locale's decimal separator.");
  }

  int Run(std::ostream& out, std::ostream&) override {
    std::vector<GainRule> rules(std::begin(kRules), std::end(kRules));
    if (rule_) rules = {RuleFromName(*rule_)};
    Json results = Json::array();
    std::string text;
    for (const GainRule rule : rules) {
      const auto result = bs::calculators::FindGain(state_, freq_, boom_, rule);
      results.push_back(Json{{"rule", GainRuleName(rule)},
                             {"gainDbd", result.gain},
                             {"beamwidthDegrees", result.beamwidth},
                             {"text", WithLfLineEnds(result.text)}});
      if (!text.empty()) text += "\n";
      // Without --rule each block is headed by its rule, as the screen's button names it.
      if (!rule_) text += std::string(GainRuleName(rule)) + "\n";
      text += WithLfLineEnds(result.text) + "\n";
    }
    if (!json_) {
      out << text;
      return kExitOk;
    }
    PrintJson(out, Json{{"freqText", freq_},
                        {"boomText", boom_},
                        {"designFreq", state_.DesignFreq},
                        {"boomLength", state_.BoomLength},
                        {"wavelength", state_.Wavelength},
                        {"results", results}});
    return kExitOk;
  }

 private:
  static GainRule RuleFromName(const std::string& name) {
    for (const GainRule rule : kRules)
      if (CLI::detail::to_lower(GainRuleName(rule)) == CLI::detail::to_lower(name)) return rule;
    return GainRule::VK3AUU;
  }

  bs::YagiVar::State state_;
  std::string freq_, boom_;
  std::optional<std::string> rule_;
  bool json_ = false;
};

const Registration kGain{"gain", "Forward gain and beamwidth of a long Zuzo from its boom length",
                         [] { return std::make_unique<GainCommand>(); }};

}  // namespace

}  // namespace bs::cli
