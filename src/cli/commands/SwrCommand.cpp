// "beamsmith-cli swr": one row of the SWR screen's table under its heading, with the coax loss
// compensation when a coax of Coax.dta, a band and a length are given.
#include <CLI/CLI.hpp>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/LineEnds.h"
#include "core/calculators/CoaxData.h"
#include "core/calculators/Swr.h"
#include "core/platform/Errors.h"
#include "core/platform/TextFile.h"

namespace bs::cli {

namespace {

using bs::calculators::Measure;

struct Compensation {
  std::string line;  // the coax line of Coax.dta
  double loss = 0;   // dB over the length, or kNoLossData
};

std::map<std::string, Measure> MeasureNames() {
  std::map<std::string, Measure> names;
  for (int i = 0; i < 4; ++i)
    names[bs::calculators::kMeasures[i].keyword] = static_cast<Measure>(i);
  return names;
}

std::string CoaxLine(const std::string& name) {
  const std::string path = bs::calculators::CoaxFilePath();
  if (!bs::FileExists(path)) throw bs::Error(bs::calculators::kNoCoaxFile);
  const auto line = bs::calculators::FindCoaxLine(bs::calculators::ReadCoaxFile(path), name);
  if (!line) throw bs::Error("No coax called '" + name + "' in Coax.dta");
  return *line;
}

class SwrCommand final : public Command {
 public:
  void Define(CLI::App& app) override {
    app.add_option("--measure", measure_, "What the bridge reads (power)")
        ->transform(CLI::CheckedTransformer(MeasureNames(), CLI::ignore_case));
    app.add_option("--reverse", reverse_, "Reverse reading, or the low impedance")->required();
    app.add_option("--forward", forward_, "Forward reading, or the high impedance")->required();
    auto* coax = app.add_option("--coax", coax_,
                                "Compensate the loss of this coax, named as in Coax.dta (the "
                                "text before the five spaces)");
    auto* band = app.add_option("--band", band_, "Band of the loss figure in MHz")
                     ->check(CLI::IsMember({"50", "144", "432", "1296"}));
    auto* length = app.add_option("--length", length_, "Length of the coax in metres");
    coax->needs(band, length);
    band->needs(coax);
    length->needs(coax);
    app.add_flag("--json", json_, "Print the values as JSON");
    app.footer("Numbers are typed as on the screen, with the locale's decimal separator.");
  }

  int Run(std::ostream& out, std::ostream& err) override {
    std::optional<Compensation> compensation;
    if (coax_) compensation = Compensate(err);
    const double loss = compensation ? compensation->loss : 0;
    const auto row = bs::calculators::FindSWR(measure_, reverse_, forward_, loss);
    // The sentence of the screen: Power read with compensation on.
    std::optional<std::string> sentence;
    if (measure_ == Measure::Power && compensation)
      sentence = bs::calculators::PowerSentence(forward_, loss);
    if (json_) {
      PrintJson(out, ValuesJson(row, compensation, sentence));
      return kExitOk;
    }
    out << WithLfLineEnds(bs::calculators::SetUpMemo() + row.text);
    if (sentence) out << *sentence << '\n';
    return kExitOk;
  }

 private:
  Compensation Compensate(std::ostream& err) {
    Compensation c;
    c.line = CoaxLine(*coax_);
    const std::string bandText = *band_ + " MHz";
    if (bs::calculators::GetLoss(c.line, bandText, *length_, c.loss) ==
        bs::calculators::LossOutcome::NoData)
      err << "warning: " << bs::calculators::kNoLossForBand << '\n';
    return c;
  }

  Json ValuesJson(const bs::calculators::SwrRow& row, const std::optional<Compensation>& c,
                  const std::optional<std::string>& sentence) const {
    const bool known = c && !row.lossUnknown;
    return Json{
        {"measure", bs::calculators::TextsOf(measure_).keyword},
        {"units", bs::calculators::TextsOf(measure_).units},
        {"reverseText", reverse_},
        {"forwardText", forward_},
        {"reverse", row.reverse},
        {"forward", row.forward},
        {"bridgeSwr", row.bridgeSwr},
        {"antennaSwr", row.lossUnknown ? Json(nullptr) : Json(row.antennaSwr)},
        {"coax", c ? Json(*coax_) : Json(nullptr)},
        {"bandMhz", c ? Json(*band_) : Json(nullptr)},
        {"lengthText", c ? Json(*length_) : Json(nullptr)},
        {"coaxLossDb", known ? Json(c->loss)
                       : c   ? Json(nullptr)
                             : Json(0.0)},
        {"powerAtAntennaText",
         sentence ? Json(bs::calculators::PowerAtAntenna(forward_, c->loss)) : Json(nullptr)},
        {"row", WithLfLineEnds(row.text)},
        {"sentence", sentence ? Json(*sentence) : Json(nullptr)}};
  }

  Measure measure_ = Measure::Power;
  std::string reverse_, forward_;
  std::optional<std::string> coax_, band_, length_;
  bool json_ = false;
};

const Registration kSwr{"swr", "SWR from bridge readings, with optional coax loss compensation",
                        [] { return std::make_unique<SwrCommand>(); }};

}  // namespace

}  // namespace bs::cli
