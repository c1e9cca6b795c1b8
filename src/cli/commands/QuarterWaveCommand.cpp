// "beamsmith-cli quarterwave": length and impedance of a quarter-wave matching section.
#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "core/calculators/Impedance.h"
#include "core/platform/Numbers.h"

namespace bs::cli {

namespace {

class QuarterWaveCommand final : public Command {
 public:
  void Define(CLI::App& app) override {
    app.add_option("--freq", freq_, "Frequency in MHz (" + freq_ + ")");
    app.add_option("--zin", zin_, "Input impedance in ohms (" + zin_ + ")");
    app.add_option("--zout", zout_, "Output impedance in ohms (" + zout_ + ")");
    app.add_option("--velocity-factor", velocityFactor_,
                   "Velocity factor of the line (" + velocityFactor_ + ")");
    app.add_flag("--json", json_, "Print the values as JSON");
    app.footer("Numbers are typed as on the screen, with the locale's decimal separator.");
  }

  int Run(std::ostream& out, std::ostream&) override {
    const auto e = bs::calculators::ParseQuarterWave(freq_, zin_, zout_, velocityFactor_);
    const long double length = bs::calculators::QuarterWaveLength(e);
    const long double impedance = bs::calculators::QuarterWaveImpedance(e);
    const std::string lengthText = bs::FormatFixed(length, 5, 1);
    const std::string impedanceText = bs::FormatFixed(impedance, 5, 1);
    if (json_) {
      PrintJson(out, Json{{"freqText", freq_},
                          {"zinText", zin_},
                          {"zoutText", zout_},
                          {"velocityFactorText", velocityFactor_},
                          {"lengthMm", static_cast<double>(length)},
                          {"impedanceOhms", static_cast<double>(impedance)},
                          {"lengthText", lengthText},
                          {"impedanceText", impedanceText}});
      return kExitOk;
    }
    out << "Length of matching section (mm): " << lengthText << '\n'
        << "Impedance of matching section (ohms): " << impedanceText << '\n';
    return kExitOk;
  }

 private:
  // The screen's start texts; the frequency and the factor take the locale's separator.
  std::string freq_ = std::string("144") + bs::DecimalSeparator() + "0";
  std::string zin_ = "200", zout_ = "50";
  std::string velocityFactor_ = std::string("1") + bs::DecimalSeparator() + "0";
  bool json_ = false;
};

const Registration kQuarterWave{"quarterwave",
                                "Length and impedance of a quarter-wave matching section",
                                [] { return std::make_unique<QuarterWaveCommand>(); }};

}  // namespace

}  // namespace bs::cli
