// The design entry screen driven as a user drives it: focus changes, clicks and keys.
#include <array>
#include <vector>

#include "DesignScreenSupport.h"
#include "core/design/Design.h"
#include "core/platform/Manual.h"

namespace design_screens {
namespace {

using bs::gui::TYagibaseform7;

// The nine size boxes in the order of the band-preset table.
std::vector<QString> SizeBoxes(const TYagibaseform7& s) {
  return {s.Edit8->text(), s.Edit7->text(),  s.Edit6->text(),  s.Edit4->text(), s.Edit9->text(),
          s.Edit3->text(), s.Edit10->text(), s.Edit11->text(), s.Edit5->text()};
}

const std::vector<QString> kUpTo200 = {"15", "50", "10", "10", "2", "7", "7", "2", "25"};
const std::vector<QString> kBelow1000 = {"10", "35", "6", "6", "2", "6", "6", "2", "25"};
const std::vector<QString> k1000Up = {"5", "25", "4", "4", "2", "4", "4", "2", "15"};

TEST_F(DesignScreenTest, LeavingTheFrequencyBoxWritesTheBandPresets) {
  const struct {
    const char* frequency;
    const std::vector<QString>& presets;
  } cases[] = {{"200", kUpTo200},
               {"200.01", kBelow1000},
               {"999.99", kBelow1000},
               {"1000", k1000Up},
               {"144.1", kUpTo200}};
  auto entry = Open<TYagibaseform7>();
  for (const auto& c : cases) {
    Type(entry->Edit1, c.frequency);
    QTest::keyClick(entry->Edit1, Qt::Key_Tab);
    EXPECT_FALSE(entry->Edit1->hasFocus());
    EXPECT_EQ(SizeBoxes(*entry), c.presets) << c.frequency;
  }
  EXPECT_EQ(State().DesignFreq, 0) << "presets change no shared field";
}

TEST_F(DesignScreenTest, LeavingTheFrequencyUnchangedStillRewritesTheSizes) {
  auto entry = Open<TYagibaseform7>();
  Type(entry->Edit3, "33");
  Type(entry->Edit5, "40");
  entry->Edit1->setFocus();
  QTest::keyClick(entry->Edit1, Qt::Key_Tab);
  EXPECT_EQ(SizeBoxes(*entry), kUpTo200);
}

TEST_F(DesignScreenTest, ABadFrequencyChangesNoBoxAndSaysWhy) {
  auto entry = Open<TYagibaseform7>();
  Type(entry->Edit3, "33");
  Type(entry->Edit1, "14x");
  entry->Edit2->setFocus();
  EXPECT_EQ(entry->Edit3->text(), "33");
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"'14x' is not a valid floating point value"});
}

TEST_F(DesignScreenTest, ShapesShowTheirBoxesAndGiveTheEquivalentDiameter) {
  const struct {
    int shape;
    const char* width;
    const char* thickness;
    bool thicknessShown;
    double diameter;
  } cases[] = {{1, "10", "", false, 11.8}, {2, "10", "2", true, 6.712}, {2, "6", "6", true, 7.08}};
  for (const auto& c : cases) {
    auto entry = Open<TYagibaseform7>();
    ClickItem(entry->RadioGroup4, c.shape);
    EXPECT_FALSE(entry->Edit3->isVisible());
    EXPECT_TRUE(entry->Edit10->isVisible());
    EXPECT_EQ(entry->Edit11->isVisible(), c.thicknessShown);
    EXPECT_EQ(entry->Label17->isVisible(), c.thicknessShown);
    Type(entry->Edit10, c.width);
    Type(entry->Edit11, c.thickness);
    ASSERT_TRUE(ClickCalculate(*entry));
    EXPECT_DOUBLE_EQ(State().ElementDiamMm, c.diameter) << c.width << " by " << c.thickness;
    EXPECT_EQ(State().ElementShape, c.shape);
  }
}

TEST_F(DesignScreenTest, DipoleShapeSwitchesItsOwnPanelOnly) {
  auto entry = Open<TYagibaseform7>();
  ClickItem(entry->RadioGroup3, 2);
  EXPECT_FALSE(entry->Edit6->isVisible());
  EXPECT_TRUE(entry->Edit4->isVisible());
  EXPECT_TRUE(entry->Edit9->isVisible());
  EXPECT_TRUE(entry->Edit3->isVisible());
  ClickItem(entry->RadioGroup3, 0);
  EXPECT_TRUE(entry->Edit6->isVisible());
  EXPECT_FALSE(entry->Edit4->isVisible());
}

TEST_F(DesignScreenTest, EntriesAndChoicesComeBackAtTheNextOpening) {
  {
    auto entry = Open<TYagibaseform7>();
    ClickItem(entry->RadioGroup1, 1);
    ClickItem(entry->RadioGroup3, 2);
    ClickItem(entry->RadioGroup5, 1);
    Type(entry->Edit2, "12");
    entry->ListBox1->setCurrentRow(12);
    QTest::mouseClick(entry->Button3, Qt::LeftButton);  // Back
    EXPECT_FALSE(entry->isVisible());
  }
  EXPECT_EQ(State().DesignChoicesText, "10201");
  auto again = Open<TYagibaseform7>();
  const std::array<int, 5> indexes = {
      again->RadioGroup1->ItemIndex(), again->RadioGroup2->ItemIndex(),
      again->RadioGroup3->ItemIndex(), again->RadioGroup4->ItemIndex(),
      again->RadioGroup5->ItemIndex()};
  EXPECT_EQ(indexes, (std::array<int, 5>{1, 0, 2, 0, 1}));
  EXPECT_EQ(again->Edit2->text(), "12");
  EXPECT_TRUE(again->Edit4->isVisible()) << "the restored flat-ribbon dipole shows its width";
  EXPECT_FALSE(again->Edit6->isVisible());
  // the coax chosen earlier is kept, but the list opens without a selection
  EXPECT_EQ(State().CoaxName, "RG-58 (PE) ");
  EXPECT_TRUE(again->ListBox1->selectedItems().isEmpty());
  EXPECT_EQ(again->Label12->text(), "No coax selected for 4:1 balun");
  EXPECT_TRUE(again->ListBox1->hasFocus());
}

TEST_F(DesignScreenTest, UserCoaxAsksForTheVelocityFactor) {
  const struct {
    std::optional<std::string> answer;  // nothing: Cancel
    const char* label;
    double factor;
  } cases[] = {{"1", "4:1 balun uses velocity factor of 1", 1.0},
               {"1.5", "Velocity factor not in range", 1.5},
               {std::nullopt, "Velocity factor not in range", 0.0}};
  for (const auto& c : cases) {
    auto entry = Open<TYagibaseform7>();
    dialogs.events.clear();
    dialogs.inputAnswers = {c.answer};
    entry->ListBox1->setFocus();
    QTest::keyClick(entry->ListBox1, Qt::Key_End);  // "USER set velocity factor"
    EXPECT_EQ(dialogs.events, std::vector<std::string>{"input: Coax balun construction | Enter "
                                                       "velocity factor of coax 0<X<1 | 0"});
    EXPECT_EQ(entry->Label12->text(), c.label);
    EXPECT_EQ(State().VelocityFactor, c.factor);
    EXPECT_EQ(State().CoaxName, "USER set velocity fa");
  }
}

TEST_F(DesignScreenTest, EachMouseClickOnTheUserCoaxAsksOnce) {
  auto entry = Open<TYagibaseform7>();
  QListWidgetItem* user = entry->ListBox1->item(31);
  entry->ListBox1->scrollToItem(user);
  const QPoint at = entry->ListBox1->visualItemRect(user).center();
  dialogs.inputAnswers = {std::string("0.8"), std::string("0.9")};
  QTest::mouseClick(entry->ListBox1->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(dialogs.events.size(), 1u);
  EXPECT_EQ(State().VelocityFactor, 0.8);
  QTest::mouseClick(entry->ListBox1->viewport(), Qt::LeftButton, {}, at);  // the same entry again
  EXPECT_EQ(dialogs.events.size(), 2u);
  EXPECT_EQ(entry->Label12->text(), "4:1 balun uses velocity factor of 0.9");
}

TEST_F(DesignScreenTest, UserCoaxWithATextThatIsNoNumberKeepsTheLabel) {
  auto entry = Open<TYagibaseform7>();
  entry->ListBox1->setCurrentRow(12);
  dialogs.inputAnswers = {std::string("fast")};
  entry->ListBox1->setCurrentRow(31);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"'fast' is not a valid floating point "
                                                         "value"});
  EXPECT_EQ(entry->Label12->text(), "RG-58 (PE)  4:1 balun");
  EXPECT_EQ(State().VelocityFactor, 0);
  EXPECT_EQ(State().CoaxName, "RG-58 (PE) ");
}

TEST_F(DesignScreenTest, CalculateStopsAtAnEmptyHiddenWidthBox) {
  auto entry = Open<TYagibaseform7>();
  ClickItem(entry->RadioGroup4, 1);
  EXPECT_FALSE(ClickCalculate(*entry)) << "the results screen must not open";
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"'' is not a valid floating point value"});
  // the steps before the failing one have taken effect, the later ones have not
  EXPECT_EQ(State().DesignChoicesText, "00010");
  EXPECT_EQ(State().DesignFreq, 144.1);
  EXPECT_EQ(State().NumDirectors, 8);
  EXPECT_EQ(State().ElementShape, 1);
  EXPECT_EQ(State().BoomSize, 0);
}

TEST_F(DesignScreenTest, CalculateRefusesMoreThanAHundredDirectors) {
  auto entry = Open<TYagibaseform7>();
  Type(entry->Edit2, "101");
  EXPECT_FALSE(ClickCalculate(*entry));
  EXPECT_EQ(dialogs.Messages(),
            std::vector<std::string>{"Number of directors must not exceed 100"});
  EXPECT_EQ(State().NumDirectors, 0);
}

TEST_F(DesignScreenTest, CalculateRefusesDimensionsThatCouldNotBeCut) {
  auto entry = Open<TYagibaseform7>();
  Type(entry->Edit1, "10000");
  QTest::keyClick(entry->Edit1, Qt::Key_Tab);
  EXPECT_FALSE(ClickCalculate(*entry)) << "the results screen must not open";
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{bs::design::kBoomTooThick});
}

TEST_F(DesignScreenTest, CalculateRightAfterTypingTheFrequencyUsesItsPresets) {
  auto entry = Open<TYagibaseform7>();
  Type(entry->Edit3, "9");
  Type(entry->Edit1, "432");
  ASSERT_TRUE(entry->Edit1->hasFocus());
  ASSERT_TRUE(ClickCalculate(*entry));
  EXPECT_EQ(State().DesignFreq, 432);
  EXPECT_EQ(State().ElementDiamText, "6");
  EXPECT_EQ(State().DesignGapText, "10");
  EXPECT_EQ(State().FeedGap, 10);
}

TEST_F(DesignScreenTest, BalunLoopForRg58At144MHz) {
  auto entry = Open<TYagibaseform7>();
  entry->ListBox1->setFocus();
  QTest::keyClick(entry->ListBox1, Qt::Key_Home);
  for (int i = 0; i < 12; ++i) QTest::keyClick(entry->ListBox1, Qt::Key_Down);
  EXPECT_EQ(entry->Label12->text(), "RG-58 (PE)  4:1 balun");
  EXPECT_EQ(State().VelocityFactor, 0.66);
  const auto report = ClickCalculate(*entry);
  ASSERT_TRUE(report);
  EXPECT_NEAR(State().BalunLoopLength, 686.5465, 0.0001);
  EXPECT_TRUE(
      report->contains("A half wave 4:1 balun uses 0.66 velocity factor RG-58 (PE)  and is 687 mm "
                       "long plus leads\n"));
}

TEST_F(DesignScreenTest, MenuOfTheEntryScreen) {
  auto entry = Open<TYagibaseform7>();
  EXPECT_FALSE(entry->Exit1->isVisible());
  EXPECT_FALSE(entry->Exit1->isEnabled());
  EXPECT_FALSE(entry->Task->menuAction()->isVisible());
  EXPECT_FALSE(entry->Task->menuAction()->isEnabled());
  entry->ContentsHTML1->trigger();
  // the base command's contents and then topic 30: one page opens, the screen's own
  EXPECT_EQ(dialogs.events, std::vector<std::string>{"help: " + bs::ManualContentsFile() + " #30"});
}

}  // namespace
}  // namespace design_screens
