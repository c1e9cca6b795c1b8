// The keyboard on the screens of the base form: Enter moves on as Tab does, only a focused
// button takes Enter, Escape closes nothing, the coax list starts from its selected entry.
#include <QListWidget>

#include "DesignScreenSupport.h"
#include "core/design/Design.h"
#include "gui/app/Opening.h"

namespace design_screens {
namespace {

using bs::gui::TYagibaseform2;
using bs::gui::TYagibaseform7;

class KeyboardTest : public DesignScreenTest {
 protected:
  // The default entries stored as Calculate stores them.
  static void StoreDefaultDesign() {
    bs::design::StoreDesignInputs(bs::design::EntriesFromState(State()), State());
  }
};

TEST_F(KeyboardTest, EnterInTheFrequencyBoxAppliesThePresetsAndCalculatesNothing) {
  auto entry = Open<TYagibaseform7>();
  bool opened = false;
  testing_support::OnNextModal([&opened](QDialog* dialog) {
    opened = dialog != nullptr;
    if (dialog) dialog->reject();
  });
  Type(entry->Edit1, "432");
  QTest::keyClick(entry->Edit1, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_FALSE(opened);
  EXPECT_FALSE(entry->Edit1->hasFocus());
  EXPECT_EQ(entry->Edit3->text(), "6");
  EXPECT_EQ(entry->Edit7->text(), "35");
  EXPECT_EQ(entry->Edit8->text(), "10");

  // Calculate taken with the keyboard stores the presets of 432 MHz.
  std::optional<QString> report;
  testing_support::OnNextModal([&report](QDialog* dialog) {
    if (auto* results = qobject_cast<TYagibaseform2*>(dialog)) {
      report = results->Memo1->toPlainText();
      results->accept();
    }
  });
  entry->Button1->setFocus(Qt::TabFocusReason);
  QTest::keyClick(entry->Button1, Qt::Key_Enter, Qt::KeypadModifier);
  ASSERT_TRUE(report.has_value());
  EXPECT_DOUBLE_EQ(State().DesignFreq, 432);
  EXPECT_DOUBLE_EQ(State().ElementDiamMm, 6);
  EXPECT_DOUBLE_EQ(State().DipoleBendDiam, 35);
  EXPECT_DOUBLE_EQ(State().FeedGap, 10);
  EXPECT_TRUE(report->contains("Director/reflector diam =6 mm"));
}

TEST_F(KeyboardTest, EnterWalksTheBoxesInTabOrder) {
  auto entry = Open<TYagibaseform7>();
  const QList<QLineEdit*> boxes = {entry->Edit2, entry->Edit5, entry->Edit7, entry->Edit8,
                                   entry->Edit1};
  boxes.front()->setFocus(Qt::TabFocusReason);
  for (int i = 0; i + 1 < boxes.size(); ++i) {
    QTest::keyClick(boxes[i], Qt::Key_Return);
    EXPECT_TRUE(boxes[i + 1]->hasFocus()) << i;
  }
}

TEST_F(KeyboardTest, NoButtonIsTheDefaultAndOnlyAFocusedOneTakesEnter) {
  StoreDefaultDesign();
  auto results = Open<TYagibaseform2>();
  for (const QPushButton* button : results->findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
  }
  results->Button4->setFocus(Qt::TabFocusReason);  // Back
  QTest::keyClick(results->Button4, Qt::Key_Return);
  EXPECT_FALSE(results->isVisible());
}

TEST_F(KeyboardTest, EscapeClosesNoScreen) {
  auto entry = Open<TYagibaseform7>();
  QTest::keyClick(entry->Edit2, Qt::Key_Escape);
  EXPECT_TRUE(entry->isVisible());
  entry->close();

  StoreDefaultDesign();
  auto results = Open<TYagibaseform2>();
  results->Button1->setFocus(Qt::TabFocusReason);
  QTest::keyClick(results->Button1, Qt::Key_Escape);
  EXPECT_TRUE(results->isVisible());
  results->close();

  auto main = Open<bs::gui::TYagibaseform1>();
  main->SetIniPath("/nonexistent/Beamsmith.ini");
  QTest::keyClick(main.get(), Qt::Key_Escape);
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(dialogs.events.empty());  // not even "Close program?"
}

TEST_F(KeyboardTest, TheFirstArrowKeyInTheCoaxListChoosesTheFirstCoax) {
  auto entry = Open<TYagibaseform7>();
  entry->Edit2->setFocus(Qt::TabFocusReason);
  QTest::keyClick(entry->Edit2, Qt::Key_Backtab);
  ASSERT_TRUE(entry->ListBox1->hasFocus());
  QTest::keyClick(entry->ListBox1, Qt::Key_Down);
  EXPECT_EQ(entry->ListBox1->currentRow(), 0);
  EXPECT_EQ(State().CoaxName, "RG-8X (foam PE) ");

  // Back in the list later, the arrow moves on from the chosen coax.
  QTest::keyClick(entry->ListBox1, Qt::Key_Down);
  QTest::keyClick(entry->ListBox1, Qt::Key_Tab);
  entry->ListBox1->setFocus(Qt::BacktabFocusReason);
  QTest::keyClick(entry->ListBox1, Qt::Key_Down);
  EXPECT_EQ(entry->ListBox1->currentRow(), 2);
}

}  // namespace
}  // namespace design_screens
