#pragma once
// A screen's boxes as one table. Each row ties a box to its text in the shared state, the label
// the screen shows beside it, its command-line option and its JSON key, so the screen, the
// core's conversions and the command line all read the same row. The saved-data file's layout
// names its texts the same way (StateText).
//
// A screen declares its table once, for example
//   const bs::BoxRow kGainBoxes[] = {
//       {1, "Edit1", bs::StateText(&bs::YagiVar::State::GainFreqText), "Label2",
//        "Frequency in MHz", "--freq", "frequency", nullptr},
//   };
// and the YO screen's boxes name their entry of YOText: bs::StateText::YOBox(12).
#include <span>
#include <string>
#include <vector>

#include "core/state/YagiVar.h"

namespace bs {

// Where a text lives in the shared state: a string field, or an entry of the YO screen's YOText
// (indexed 1 to 39 by box number).
class StateText {
 public:
  constexpr explicit StateText(std::string YagiVar::State::*field) : field_(field) {}
  static constexpr StateText YOBox(int box) { return StateText(box); }

  std::string& Of(YagiVar::State& state) const {
    return field_ ? state.*field_ : state.YOText.at(static_cast<std::size_t>(yoBox_));
  }
  const std::string& Of(const YagiVar::State& state) const {
    return field_ ? state.*field_ : state.YOText.at(static_cast<std::size_t>(yoBox_));
  }

 private:
  constexpr explicit StateText(int yoBox) : yoBox_(yoBox) {}
  std::string YagiVar::State::*field_ = nullptr;
  int yoBox_ = 0;
};

struct BoxRow {
  int box;                // the box's number on its screen (the index of its entry)
  const char* name;       // the box's object name ("Edit1")
  StateText text;         // the box's text in the shared state
  const char* labelName;  // the object name of the label beside it ("Label4"); nullptr: none
  const char* label;      // what that label says
  const char* option;     // the command-line option ("--freq"); nullptr: none
  const char* jsonKey;    // the key among the JSON entries; nullptr: none
  const char* help;       // the option's help line; nullptr: the label
};

using BoxTable = std::span<const BoxRow>;

// A radio group as a row: its items on the screen and as the values of its option.
struct ChoiceRow {
  int group;                             // the group's number on its screen
  const char* name;                      // its object name ("RadioGroup1")
  const char* title;                     // its caption on the screen
  std::vector<const char*> items;        // its items on the screen, in order
  const char* option;                    // the command-line option; nullptr: none
  const char* jsonKey;                   // the key among the JSON entries; nullptr: none
  const char* help;                      // the option's help line
  std::vector<const char*> optionItems;  // the option's values, one per item
};

using ChoiceTable = std::span<const ChoiceRow>;

// The row of group number `group`; raises std::out_of_range when the table has none.
const ChoiceRow& RowOf(ChoiceTable table, int group);

// The row of box number `box`; raises std::out_of_range when the table has none.
const BoxRow& RowOf(BoxTable table, int box);
// The option's help line: `help`, or else the label.
std::string OptionHelp(const BoxRow& row);

}  // namespace bs
