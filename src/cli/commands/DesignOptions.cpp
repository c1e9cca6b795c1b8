#include "cli/commands/DesignOptions.h"

#include <algorithm>

namespace bs::cli {

namespace {

// The start value a box shows at the first opening of a run, for the help text.
std::string StartValueNote(bs::design::Box box) {
  bs::YagiVar::State state;
  bs::YagiVar::StartUp(state);
  const std::string text = bs::design::EntriesFromState(state).edit[box];
  return text.empty() ? " (empty)" : " (" + text + ")";
}

std::string CoaxTableText() {
  std::string text = "Coax list (--coax INDEX or TEXT):\n";
  for (int i = 0; i < bs::design::kCoaxEntries; ++i)
    text += "  " + std::to_string(i) + "  " + bs::design::CoaxTable[i].text + "\n";
  return text;
}

void AddBoxOptions(CLI::App& design, DesignRequest& request) {
  for (const bs::BoxRow& row : bs::design::DesignBoxes()) {
    const auto box = static_cast<bs::design::Box>(row.box);
    design.add_option_function<std::string>(
        row.option, [&request, box](const std::string& text) { request.boxes[box] = text; },
        bs::OptionHelp(row) + StartValueNote(box));
  }
}

void AddChoiceOptions(CLI::App& design, DesignRequest& request) {
  for (const bs::ChoiceRow& row : bs::design::DesignChoices()) {
    const auto group = static_cast<bs::design::Group>(row.group);
    const std::vector<std::string> items(row.optionItems.begin(), row.optionItems.end());
    design
        .add_option_function<std::string>(
            row.option,
            [&request, group, items](const std::string& text) {
              const auto at = std::find(items.begin(), items.end(), text);
              request.choices[group] = static_cast<int>(at - items.begin());
            },
            std::string(row.help) + " (" + items.front() + ")")
        ->check(CLI::IsMember(items));
  }
}

void AddCoaxOptions(CLI::App& design, DesignRequest& request) {
  const CLI::Validator coaxEntry(
      [](std::string& text) {
        return CoaxIndexFromText(text) ? std::string() : "not in the coax list: " + text;
      },
      "INDEX|TEXT");
  design
      .add_option_function<std::string>(
          "--coax", [&request](const std::string& text) { request.coax = CoaxIndexFromText(text); },
          "Coax of the 4:1 balun, by its index or exact text in the list below (none)")
      ->check(coaxEntry);
  design.add_option_function<std::string>(
      "--velocity-factor", [&request](const std::string& text) { request.velocityFactor = text; },
      "Velocity factor of the USER coax entry; given alone it selects that entry");
}

}  // namespace

void AddDesignEntryOptions(CLI::App& app, DesignRequest& request) {
  AddBoxOptions(app, request);
  AddChoiceOptions(app, request);
  AddCoaxOptions(app, request);
  app.add_option("--from", request.fromFile,
                 "Take the design entries from a saved-data file (Zuzo.cnf); the options "
                 "given override them");
}

std::string DesignEntryFooter() {
  return "Sizes are texts as typed on the entry screen, with the locale's decimal separator.\n"
         "Giving --freq is like typing the frequency on the entry screen: the size boxes take "
         "that\nband's presets, and the size options given override them.\n\n" +
         CoaxTableText();
}

}  // namespace bs::cli
