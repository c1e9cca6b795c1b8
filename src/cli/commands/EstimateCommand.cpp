// "beamsmith-cli estimate": the YO screen's frequency estimate from a reflector or a dipole.
#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "core/export/BoxCheck.h"
#include "core/export/Estimate.h"
#include "core/platform/Errors.h"

namespace bs::cli {

namespace {

namespace ex = bs::exporting;

inline constexpr const char* kNoEstimate = "No estimate for these entries";

struct EstimateRequest {
  std::optional<std::string> reflector;
  std::optional<std::string> elementDiam;
  std::string boom;
  int mount = 2;  // the YO screen starts on "Non metal"
  std::optional<std::string> dipole;
  std::optional<std::string> dipoleDiam;
  bool folded = false;
  bool json = false;
};

// The screen's check of one box: empty or 0 is refused with its message.
double Checked(const std::string& text, const char* message) {
  if (bs::EmptyOrZero(text)) throw bs::Error(message);
  return bs::BoxNumber(text);
}

class EstimateCommand final : public Command {
 public:
  void Define(CLI::App& app) override {
    auto* reflector = app.add_option("--reflector", request_.reflector, "Reflector length mm");
    app.add_option("--element-diam", request_.elementDiam, "Director/reflector diameter mm")
        ->needs(reflector);
    app.add_option("--boom", request_.boom, "Boom diameter mm (needed unless --mount nonmetal)")
        ->needs(reflector);
    app.add_option_function<std::string>(
           "--mount",
           [this](const std::string& m) {
             request_.mount = m == "through" ? 0 : m == "insulated" ? 1 : 2;
           },
           "Elements in boom (nonmetal)")
        ->check(CLI::IsMember({"through", "insulated", "nonmetal"}))
        ->needs(reflector);
    auto* dipole = app.add_option("--dipole", request_.dipole, "Dipole length mm tip to tip");
    app.add_option("--dipole-diam", request_.dipoleDiam, "Dipole diameter mm")->needs(dipole);
    app.add_flag("--folded", request_.folded, "The dipole is a DL6WU folded dipole")->needs(dipole);
    dipole->excludes(reflector);
    app.add_flag("--json", request_.json,
                 "Print the frequency text, the unrounded frequency and the step count as JSON");
    app.footer("Lengths are texts as typed on the YO screen, with the locale's decimal separator.");
  }

  int Run(std::ostream& out, std::ostream&) override {
    if (!request_.reflector && !request_.dipole)
      throw UsageError("give --reflector and --element-diam, or --dipole and --dipole-diam");
    const ex::EstimateResult result = request_.reflector ? FromReflector() : FromDipole();
    const std::string text = ex::EstimateText(result);
    if (request_.json)
      PrintJson(
          out,
          Json{{"frequency", text}, {"frequencyMHz", result.freqMHz}, {"steps", result.steps}});
    else
      out << text << '\n';
    return kExitOk;
  }

 private:
  ex::EstimateResult FromReflector() const {
    const double length = Checked(*request_.reflector, ex::kReflectorLengthMissing);
    double boom = bs::BoxNumber(request_.boom);
    if (request_.mount != 2) boom = Checked(request_.boom, ex::kBoomDiameterMissing);
    const double diameter =
        Checked(request_.elementDiam.value_or(""), ex::kReflectorDiameterMissing);
    // The screen ends silently for a length or diameter below 0.
    if (!(length > 0) || !(diameter > 0)) throw bs::Error(kNoEstimate);
    return ex::SearchReflector(length, diameter, boom, request_.mount);
  }

  ex::EstimateResult FromDipole() const {
    const double diameter = Checked(request_.dipoleDiam.value_or(""), ex::kDipoleDiameterMissing);
    double length = Checked(*request_.dipole, ex::kDipoleLengthMissing);
    // The folded dipole is 1.02 times as long as the single dipole.
    if (request_.folded) length = length * 100.0 / 102.0;
    return ex::SearchDipole(length, diameter);
  }

  EstimateRequest request_;
};

const Registration kEstimate{"estimate", "Estimate the frequency of a reflector or dipole length",
                             [] { return std::make_unique<EstimateCommand>(); }};

}  // namespace

}  // namespace bs::cli
