#include "cli/commands/ExportOptions.h"

#include <vector>

#include "core/export/YagFile.h"

namespace bs::cli {

namespace {

// Adds an option whose value is one of `names`; the value sets `index` to its position.
void AddNamedChoice(CLI::App& app, const std::string& flag, const std::string& help,
                    const std::vector<std::string>& names, int& index) {
  app.add_option_function<std::string>(
         flag,
         [&index, names](const std::string& name) {
           index = static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
         },
         help)
      ->check(CLI::IsMember(names));
}

}  // namespace

void AddMaaChoiceOptions(CLI::App& app, bs::exporting::MaaChoices& c) {
  app.add_option_function<std::string>(
         "--maa-dipole", [&c](const std::string& v) { c.folded = v == "folded"; },
         "Driven element in the .maa file (single)")
      ->check(CLI::IsMember({"single", "folded"}));
  app.add_option("--dm1", c.dm1, "DM1, the start interval for tapering (800)");
  app.add_option("--dm2", c.dm2, "DM2, the final interval for tapering (80)");
  app.add_option("--sc", c.sc, "SC, the easing parameter (2.0)");
  app.add_option("--ec", c.ec, "EC, number of DM1 segments at the taper end (2)");
  AddNamedChoice(app, "--ground", "Ground (free)", {"free", "perfect", "real"}, c.ground);
  app.add_option("--height", c.height, "Height in metres (15)");
  AddNamedChoice(
      app, "--material", "Element material (al-tube)",
      {"no-loss", "cu-wire", "cu-tube", "al-wire", "al-tube", "fe-wire", "fe-tube", "user-wire"},
      c.material);
}

void WriteMaaTo(const bs::YagiVar::State& state, bs::exporting::MaaChoices choices,
                const std::string& path) {
  std::string name =
      path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
  const std::string ext = ".maa";
  if (name.size() >= ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0)
    name.resize(name.size() - ext.size());
  choices.name = name;
  bs::exporting::WriteMaaFile(state, choices, path);
}

void AddDesignExportOptions(CLI::App& design, DesignExports& exports) {
  design.add_option("--yag", exports.yag,
                    "Write the .yag file of \"Create YO\" for the design to FILE");
  design.add_option("--description", exports.description, "First line of the .yag file (empty)");
  design.add_option("--maa", exports.maa,
                    "Write the .maa file of \"Save .MAA\" for the design to FILE");
  AddMaaChoiceOptions(design, exports.maaChoices);
}

void WriteDesignExports(const DesignExports& exports, const bs::YagiVar::State& results) {
  if (exports.yag) {
    bs::YagiVar::State state = results;
    state.YODescription = exports.description;
    bs::exporting::WriteDesignYag(state, *exports.yag);
  }
  if (exports.maa) WriteMaaTo(results, exports.maaChoices, *exports.maa);
}

}  // namespace bs::cli
