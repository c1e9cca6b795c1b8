// The entry screen's table: one row per box, each tied to its own shared text, option and key.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/design/EntryTable.h"
#include "core/state/BoxTable.h"

namespace {

TEST(BoxTable, DesignRowsAreDistinctAndEachMovesItsOwnText) {
  std::set<int> boxes;
  std::set<std::string> names, options, keys;
  bs::YagiVar::State state;
  for (const bs::BoxRow& row : bs::design::DesignBoxes()) {
    boxes.insert(row.box);
    names.insert(row.name);
    options.insert(row.option);
    keys.insert(row.jsonKey);
    row.text.Of(state) = row.name;
  }
  const auto count = bs::design::DesignBoxes().size();
  EXPECT_EQ(count, 11u);
  EXPECT_EQ(boxes.size(), count);
  EXPECT_EQ(names.size(), count);
  EXPECT_EQ(options.size(), count);
  EXPECT_EQ(keys.size(), count);
  // No two rows write the same text: each text still holds its own row's name.
  for (const bs::BoxRow& row : bs::design::DesignBoxes()) EXPECT_EQ(row.text.Of(state), row.name);
  EXPECT_EQ(state.DesignGapText, "Edit8");
}

TEST(BoxTable, ChoiceRowsHaveOneOptionValuePerItem) {
  for (const bs::ChoiceRow& row : bs::design::DesignChoices()) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.items.size(), row.optionItems.size());
    EXPECT_EQ(static_cast<int>(row.items.size()), bs::design::kGroupItems[row.group]);
  }
}

TEST(BoxTable, YOBoxesNameTheirEntryAndUnknownRowsRaise) {
  bs::YagiVar::State state;
  bs::StateText::YOBox(39).Of(state) = "last";
  EXPECT_EQ(state.YOText[39], "last");
  EXPECT_EQ(bs::RowOf(bs::design::DesignBoxes(), bs::design::kBoomBox).option,
            std::string("--boom"));
  EXPECT_THROW(bs::RowOf(bs::design::DesignBoxes(), 12), std::out_of_range);
  EXPECT_THROW(bs::RowOf(bs::design::DesignChoices(), 0), std::out_of_range);
}

}  // namespace
