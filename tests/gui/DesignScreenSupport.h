#pragma once
// Shared set-up for the design screens' tests: the shared state as at program start, scripted
// dialogs, a full stop as decimal separator, and helpers that drive the entry screen as a user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <optional>
#include <string>

#include "core/platform/Numbers.h"
#include "core/state/YagiVar.h"
#include "gui/design/DesignYagi.h"
#include "gui/design/Showdesign.h"
#include "gui/platform/Text.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedDialogs.h"

namespace design_screens {

// Shows a screen as the active window, so that focus moves as it does for a user.
template <typename Screen>
std::unique_ptr<Screen> Open() {
  auto screen = std::make_unique<Screen>(nullptr);
  screen->show();
  screen->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
  return screen;
}

class DesignScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bs::SetDecimalSeparator('.');
    auto& state = bs::YagiVar::Global();
    state = bs::YagiVar::State{};
    bs::YagiVar::StartUp(state);
    state.ProgramDir = "prog";
  }
  void TearDown() override { QCoreApplication::processEvents(); }

  static bs::YagiVar::State& State() { return bs::YagiVar::Global(); }

  // Types a text into a box that has the focus, as the user would.
  static void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  // Clicks an item of a radio group on its round indicator.
  static void ClickItem(bs::gui::RadioGroup* group, int index) {
    QRadioButton* button = group->Button(index);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }

  // Clicks Calculate with the mouse (the focus moves to the button first). Returns the text that
  // the results screen showed, or nothing when it did not open.
  static std::optional<QString> ClickCalculate(bs::gui::TYagibaseform7& entry) {
    std::optional<QString> shown;
    testing_support::OnNextModal([&shown](QDialog* dialog) {
      if (auto* results = qobject_cast<bs::gui::TYagibaseform2*>(dialog)) {
        shown = results->Memo1->toPlainText();
        results->accept();
      }
    });
    QTest::mouseClick(entry.Button1, Qt::LeftButton);
    QCoreApplication::processEvents();  // the pending check runs also when nothing opened
    return shown;
  }

  testing_support::ScriptedDialogs dialogs;
};

}  // namespace design_screens
