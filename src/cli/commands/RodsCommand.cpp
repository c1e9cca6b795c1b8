// "beamsmith-cli rods": the impedance of two parallel rods, or the rod size or separation that
// gives an impedance; the result box text and the range warning.
#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "core/calculators/Impedance.h"

namespace bs::cli {

namespace {

using bs::calculators::RodShape;
using bs::calculators::RodUnknown;

const char* UnknownName(RodUnknown unknown) {
  switch (unknown) {
    case RodUnknown::CrossSection:
      return "diameter";
    case RodUnknown::Separation:
      return "spacing";
    case RodUnknown::Impedance:
      break;
  }
  return "impedance";
}

Json TextOrNull(const std::optional<std::string>& text) {
  return text ? Json(*text) : Json(nullptr);
}

class RodsCommand final : public Command {
 public:
  void Define(CLI::App& app) override {
    app.add_option("--shape", shape_, "Section of the rods (round)")
        ->transform(
            CLI::CheckedTransformer(std::map<std::string, RodShape>{{"round", RodShape::Round},
                                                                    {"square", RodShape::Square}},
                                    CLI::ignore_case));
    app.add_option("--diameter", diameter_, "Rod cross section in mm (diameter, or side)");
    app.add_option("--spacing", spacing_,
                   "Rod separation in mm: centre to centre (round), face to face (square)");
    app.add_option("--impedance", impedance_, "Line impedance in ohms");
    app.add_flag("--json", json_, "Print the values as JSON");
    app.footer("Give exactly two of --diameter, --spacing and --impedance; the third is found.");
  }

  int Run(std::ostream& out, std::ostream&) override {
    const RodUnknown unknown = Unknown();
    const auto r = bs::calculators::CalculateRods(unknown, shape_, diameter_.value_or(""),
                                                  spacing_.value_or(""), impedance_.value_or(""));
    if (json_) {
      PrintJson(out, Json{{"shape", shape_ == RodShape::Round ? "round" : "square"},
                          {"find", UnknownName(unknown)},
                          {"diameterText", TextOrNull(diameter_)},
                          {"spacingText", TextOrNull(spacing_)},
                          {"impedanceText", TextOrNull(impedance_)},
                          {"result", r.value ? Json(static_cast<double>(*r.value)) : Json(nullptr)},
                          {"text", r.text},
                          {"warning", r.warning.empty() ? Json(nullptr) : Json(r.warning)}});
      return kExitOk;
    }
    out << r.text << '\n';
    if (!r.warning.empty()) out << r.warning << '\n';
    return kExitOk;
  }

 private:
  RodUnknown Unknown() const {
    const int given =
        int(diameter_.has_value()) + int(spacing_.has_value()) + int(impedance_.has_value());
    if (given != 2) throw UsageError("give exactly two of --diameter, --spacing, --impedance");
    if (!impedance_) return RodUnknown::Impedance;
    return diameter_ ? RodUnknown::Separation : RodUnknown::CrossSection;
  }

  RodShape shape_ = RodShape::Round;
  std::optional<std::string> diameter_, spacing_, impedance_;
  bool json_ = false;
};

const Registration kRods{"rods", "Impedance, cross section or separation of two parallel rods",
                         [] { return std::make_unique<RodsCommand>(); }};

}  // namespace

}  // namespace bs::cli
