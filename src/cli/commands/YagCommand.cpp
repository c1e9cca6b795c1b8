// "beamsmith-cli yag": a .yag file read as the YO screen's "Load Yag file" reads it; converted
// between boom mountings and written again, or written as a .maa file as "Make Mmana" does.
#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/commands/ExportOptions.h"
#include "core/export/MaaFile.h"
#include "core/export/NecDeck.h"
#include "core/export/YOBoxes.h"
#include "core/export/YOconversion.h"
#include "core/export/YagFile.h"
#include "core/platform/Errors.h"
#include "core/state/StartUp.h"

namespace bs::cli {

namespace {

const std::vector<std::string> kMountNames = {"through", "insulated", "nonmetal"};

struct YagRequest {
  std::string file;
  bool json = false;
  std::optional<std::string> convert;  // FROM:TO
  std::optional<std::string> boom;
  std::optional<std::string> freq;
  std::optional<std::string> output;
  std::string description;
  std::optional<std::string> maa;
  std::optional<std::string> nec;
  bs::exporting::MaaChoices maaChoices;
};

int MountIndex(const std::string& name) {
  const auto at = std::find(kMountNames.begin(), kMountNames.end(), name);
  if (at == kMountNames.end())
    throw UsageError("--convert: '" + name + "' is not through, insulated or nonmetal");
  return static_cast<int>(at - kMountNames.begin());
}

std::pair<int, int> ConversionOf(const std::string& fromTo) {
  const auto colon = fromTo.find(':');
  if (colon == std::string::npos) throw UsageError("--convert wants FROM:TO");
  return {MountIndex(fromTo.substr(0, colon)), MountIndex(fromTo.substr(colon + 1))};
}

void PrintTexts(std::ostream& out, const bs::YagiVar::State& state, bool json) {
  if (json) {
    Json texts = Json::array();
    Json labels = Json::array();
    for (int box = 1; box <= bs::YagiVar::kYOBoxes; ++box) {
      texts.push_back(state.YOText[box]);
      labels.push_back(bs::exporting::YOBoxLabel(box));
    }
    PrintJson(out, Json{{"texts", texts},
                        {"labels", labels},
                        {"boomMount", state.YOBoomMountText},
                        {"frequencyFrom", state.YOFreqFromText}});
    return;
  }
  for (const int box : bs::exporting::YOBoxOrder())
    out << bs::exporting::YOBoxLabel(box) << ": " << state.YOText[box] << '\n';
}

class YagCommand final : public Command {
 public:
  void Define(CLI::App& app) override {
    app.add_option("FILE", request_.file, "The .yag file to read")->required();
    app.add_flag("--json", request_.json,
                 "Print the 39 box texts as JSON (\"texts\", Edit1 first, with their \"labels\")");
    app.add_option("--convert", request_.convert,
                   "FROM:TO, each through|insulated|nonmetal: convert the reflector and director "
                   "lengths as the conversion dialog does (needs --boom and -o)");
    app.add_option("--boom", request_.boom, "Boom diameter mm for the conversion");
    app.add_option("--freq", request_.freq,
                   "Frequency MHz for the conversion (the file's frequency)");
    app.add_option("-o,--output", request_.output,
                   "Write the converted dimensions with the YO screen's writer to this file");
    app.add_option("--description", request_.description,
                   "First line of the written .yag file (empty)");
    app.add_option("--maa", request_.maa,
                   "Write the .maa file of \"Make Mmana\" for the dimensions to this file");
    AddMaaChoiceOptions(app, request_.maaChoices);
    app.add_option("--nec", request_.nec,
                   "Write the NEC-2 model of the dimensions (single dipole, non-metal lengths) to "
                   "this file");
    app.footer(
        "Without --convert, -o or --maa the box texts are printed by their labels.\n"
        "Numbers are texts as typed on the YO screen, with the locale's decimal separator.");
  }

  int Run(std::ostream& out, std::ostream&) override {
    CheckUsage();
    bs::YagiVar::State state;
    bs::YagiVar::StartUpSequence(state);
    if (!bs::exporting::ReadYagFile(state, request_.file))
      throw bs::Error(bs::exporting::kNoYagFile);
    if (request_.convert) Convert(state);
    if (request_.maa) WriteMaa(state);
    if (request_.nec) WriteNec(state);
    if (!request_.convert && !request_.maa && !request_.nec) PrintTexts(out, state, request_.json);
    return kExitOk;
  }

 private:
  void CheckUsage() const {
    if (request_.convert && (!request_.boom || !request_.output))
      throw UsageError("--convert needs --boom and -o");
    if (request_.output && !request_.convert) throw UsageError("-o goes with --convert");
    if (request_.convert) ConversionOf(*request_.convert);
  }

  void Convert(bs::YagiVar::State& state) const {
    const auto [from, to] = ConversionOf(*request_.convert);
    state.YOText[38] = *request_.boom;
    if (request_.freq) state.YOText[37] = *request_.freq;
    if (const bs::BoxProblem problem = bs::YOconversion::CheckConversionTexts(state))
      throw bs::Error(problem.message);
    bs::YOconversion::ConvertLengths(state, from, to);
    state.YOBoomMountText = std::to_string(to);
    state.YODescription = request_.description;
    bs::exporting::GenerateYOfile(state, *request_.output);
  }

  static void StoreTyped(bs::YagiVar::State& state) {
    const std::string refusal = bs::exporting::StoreTypedDimensions(state, state.YOText);
    if (!refusal.empty()) throw bs::Error(refusal);
  }

  void WriteMaa(bs::YagiVar::State& state) const {
    StoreTyped(state);
    WriteMaaTo(state, request_.maaChoices, *request_.maa);
  }

  void WriteNec(bs::YagiVar::State& state) const {
    StoreTyped(state);
    bs::exporting::WriteNecDeck(*request_.nec, state, bs::exporting::NecOptions{});
  }

  YagRequest request_;
};

const Registration kYag{
    "yag", "Read a .yag file; convert it between boom mountings, write a .maa or a NEC-2 model",
    [] { return std::make_unique<YagCommand>(); }};

}  // namespace

}  // namespace bs::cli
