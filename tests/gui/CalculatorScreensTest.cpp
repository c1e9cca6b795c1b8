// The four calculator screens: opened from their Task items, Back, the shared texts across
// openings, the results and messages as a user meets them, the SWR table's printout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "DesignScreenSupport.h"
#include "core/calculators/Calculators.h"
#include "core/platform/Numbers.h"
#include "core/platform/ProgramFiles.h"
#include "core/state/YagiVar.h"
#include "gui/calculators/GainCalc.h"
#include "gui/calculators/Impedance.h"
#include "gui/calculators/SWR.h"
#include "gui/calculators/Stacking.h"
#include "support/GuiHelpers.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

namespace {

using namespace bs::gui;

class CalculatorScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bs::SetDecimalSeparator('.');
    auto& state = bs::YagiVar::Global();
    state = bs::YagiVar::State{};
    bs::YagiVar::StartUp(state);
    state.ProgramDir = "prog";
    // The shipped files are found beside the "program": the source tree's data folder.
    oldExecutable_ = bs::ExecutablePath();
    bs::SetExecutablePath(std::string(BEAMSMITH_DATA_DIR) + "/Beamsmith");
  }
  void TearDown() override {
    bs::SetExecutablePath(oldExecutable_);
    bs::SetDecimalSeparator('.');
    QCoreApplication::processEvents();
  }

  template <typename Screen>
  static std::unique_ptr<Screen> Open() {
    return design_screens::Open<Screen>();
  }

  static void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  // Picks a radio item with the keyboard: focus on it, then the space bar.
  static void Pick(RadioGroup* group, int index) {
    group->Button(index)->setFocus();
    QTest::keyClick(group->Button(index), Qt::Key_Space);
  }

  static void Press(QPushButton* button) {
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
  }

  // Opens the screen from the Task item of a base form, runs `use` on it, and returns its
  // object name; the screen is closed by its Back button inside `use`.
  static QString OpenFromTask(QAction* TYagibaseform::*item,
                              const std::function<void(QDialog*)>& use) {
    TYagibaseform owner(nullptr);
    QString name;
    bool closed = false;
    testing_support::OnNextModal([&](QDialog* screen) {
      name = screen->objectName();
      use(screen);
      closed = !screen->isVisible();
      if (!closed) screen->reject();
    });
    (owner.*item)->trigger();
    EXPECT_TRUE(closed) << "Back closes " << name.toStdString();
    return name;
  }

  testing_support::ScriptedDialogs dialogs;
  std::string oldExecutable_;
};

QPushButton* Back(QDialog* screen, const char* name) {
  return testing_support::Find<QPushButton>(screen, name);
}

TEST_F(CalculatorScreenTest, TaskItemsOpenTheScreensAndBackClosesThem) {
  const struct {
    QAction* TYagibaseform::*item;
    const char* name;
    const char* back;
  } cases[] = {{&TYagibaseform::Gain_calc, "Yagibaseform3", "Button2"},
               {&TYagibaseform::Stacking_calc, "Yagibaseform4", "Button2"},
               {&TYagibaseform::SWR1, "Form1", "Button3"},
               {&TYagibaseform::Impedance1, "form2", "Button3"}};
  for (const auto& c : cases) {
    TYagibaseform probe(nullptr);
    EXPECT_TRUE((probe.*c.item)->isEnabled()) << c.name;
    EXPECT_EQ(OpenFromTask(c.item, [&](QDialog* s) { Press(Back(s, c.back)); }), c.name);
  }
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(CalculatorScreenTest, GainAndStackingTextsSurviveAReopening) {
  OpenFromTask(&TYagibaseform::Gain_calc, [](QDialog* s) {
    auto* gain = static_cast<TYagibaseform3*>(s);
    EXPECT_EQ(gain->Edit1->text(), "144.1");
    Type(gain->Edit1, "432");
    Type(gain->Edit2, "2500");
    Press(gain->Button2);
  });
  OpenFromTask(&TYagibaseform::Stacking_calc, [](QDialog* s) {
    auto* stack = static_cast<TYagibaseform4*>(s);
    Type(stack->Edit2, "25");
    Pick(stack->RadioGroup1, 1);
    Press(stack->Button2);
  });
  const auto& state = bs::YagiVar::Global();
  EXPECT_EQ(state.GainFreqText, "432");
  EXPECT_EQ(state.GainBoomText, "2500");
  EXPECT_EQ(state.StackBeamwidthText, "25");
  EXPECT_EQ(state.StackPlaneText, "1");
  OpenFromTask(&TYagibaseform::Gain_calc, [](QDialog* s) {
    auto* gain = static_cast<TYagibaseform3*>(s);
    EXPECT_EQ(gain->Edit1->text(), "432");
    EXPECT_EQ(gain->Edit2->text(), "2500");
    gain->close();  // the close box stores the texts too
  });
  OpenFromTask(&TYagibaseform::Stacking_calc, [](QDialog* s) {
    auto* stack = static_cast<TYagibaseform4*>(s);
    EXPECT_EQ(stack->Edit2->text(), "25");
    EXPECT_EQ(stack->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(stack->Label5->text(), "Half power horizontal beamwidth");
    Press(stack->Button2);
  });
}

TEST_F(CalculatorScreenTest, GainButtonsFillTheResultBox) {
  auto gain = Open<TYagibaseform3>();
  EXPECT_FALSE(gain->File1->menuAction()->isVisible());
  EXPECT_FALSE(gain->Task->menuAction()->isVisible());
  EXPECT_TRUE(gain->Memo1->isReadOnly());
  Press(gain->Button3);
  EXPECT_EQ(gain->Memo1->toPlainText(),
            "Gain is 11.7 dBd (referred to dipole)\nApproximate 3 dB beamwidth is 41.5 degrees\n"
            "(Assuming E-plane and H-plane are the same)");
  Type(gain->Edit2, "4000.5");
  Press(gain->Button1);
  EXPECT_EQ(gain->Memo1->toPlainText(), "");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"'4000.5' is not a valid integer value"});
  EXPECT_EQ(bs::YagiVar::Global().DesignFreq, 144.1);
}

TEST_F(CalculatorScreenTest, GainInACommaLocale) {
  bs::SetDecimalSeparator(',');
  auto gain = Open<TYagibaseform3>();
  Type(gain->Edit1, "144,1");
  Press(gain->Button4);
  EXPECT_TRUE(gain->Memo1->toPlainText().startsWith("Gain is 11,4 dBd"));
}

TEST_F(CalculatorScreenTest, StackingPlanesPicturesAndRefusals) {
  auto stack = Open<TYagibaseform4>();
  EXPECT_EQ(stack->Label6->text(), "Vertical stacking");
  EXPECT_FALSE(stack->Image1->Image().isNull());
  Press(stack->Button1);
  EXPECT_TRUE(stack->Memo1->toPlainText().contains("Estimated horiz. stacking:\t4125 mm"));
  Pick(stack->RadioGroup1, 1);
  EXPECT_EQ(stack->Memo1->toPlainText(), "") << "changing the plane empties the box";
  EXPECT_EQ(stack->Label5->text(), "Half power horizontal beamwidth");
  Press(stack->Button1);
  EXPECT_TRUE(stack->Memo1->toPlainText().contains("Estimated vertical stacking:\t3922 mm"));
  const QString before = stack->Memo1->toPlainText();
  Type(stack->Edit2, "-30");
  Press(stack->Button1);
  EXPECT_EQ(stack->Memo1->toPlainText(), before);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Beamwidth must be greater than 0"});
}

TEST_F(CalculatorScreenTest, MissingPictureIsReportedAndTheScreenStaysUsable) {
  bs::SetExecutablePath("/nonexistent/Beamsmith");
  auto stack = Open<TYagibaseform4>();
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].rfind("Cannot open file \"", 0), 0u) << dialogs.Messages()[0];
  EXPECT_EQ(stack->Label6->text(), "Vertical stacking");
  Press(stack->Button1);
  EXPECT_FALSE(stack->Memo1->toPlainText().isEmpty());
}

TEST_F(CalculatorScreenTest, SwrRowsRefusalsAndMeasures) {
  auto swr = Open<TForm1>();
  const QString heading =
      QString::fromStdString(bs::calculators::SetUpMemo()).replace("\r\n", "\n");
  EXPECT_EQ(swr->Memo1->toPlainText(), heading);
  Type(swr->Edit1, "1");
  Type(swr->Edit2, "100");
  Press(swr->Button1);
  EXPECT_EQ(swr->Memo1->toPlainText(), heading + "1.22\t1.22\t0.00\t   1.00\t 100.00\twatts\n");
  Type(swr->Edit1, "200");
  Press(swr->Button1);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{bs::calculators::kReverseLarger});
  EXPECT_EQ(swr->Memo1->toPlainText().count('\n'), 5) << "no row added";
  Pick(swr->RadioGroup1, 3);
  EXPECT_EQ(swr->Label3->text(), "Low impedance");
  EXPECT_EQ(swr->Edit1->text(), "") << "changing the measure empties the boxes";
  Type(swr->Edit1, "75");
  Type(swr->Edit2, "50");
  Press(swr->Button1);
  EXPECT_TRUE(swr->Memo1->toPlainText().endsWith("1.50\t1.50\t0.00\t  75.00\t  50.00\tohms\n"));
}

TEST_F(CalculatorScreenTest, SwrCoaxCompensation) {
  auto swr = Open<TForm1>();
  EXPECT_FALSE(swr->ListBox1->isVisible());
  Pick(swr->RadioGroup2, 0);
  ASSERT_TRUE(swr->ListBox1->isVisible());
  ASSERT_GT(swr->ListBox1->count(), 5);
  const auto rg213 = swr->ListBox1->findItems("RG-213", Qt::MatchStartsWith);
  ASSERT_EQ(rg213.size(), 1);
  swr->ListBox1->setFocus();
  swr->ListBox1->setCurrentItem(rg213[0]);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{bs::calculators::kSelectBandFirst});
  EXPECT_TRUE(swr->ListBox1->selectedItems().isEmpty());
  swr->ComboBox1->setCurrentIndex(1);
  Type(swr->Edit3, "20");
  swr->ListBox1->setCurrentItem(rg213[0]);
  EXPECT_EQ(swr->Label7->text(), "Coax loss= 1.77 dB");
  Type(swr->Edit1, "1");
  Type(swr->Edit2, "100");
  Press(swr->Button1);
  EXPECT_EQ(swr->Label9->text(), "100 watts at bottom of coax delivers 66.53 watts to antenna");
  swr->ComboBox1->setCurrentIndex(3);  // no 1296 MHz figure
  EXPECT_EQ(dialogs.Messages().back(), bs::calculators::kNoLossForBand);
  EXPECT_EQ(swr->CoaxLoss, bs::calculators::kNoLossData);
  Press(swr->Button1);
  EXPECT_TRUE(swr->Memo1->toPlainText().endsWith("1.22\tN/A\tN/A\t   1.00\t 100.00\twatts\n"));
  EXPECT_TRUE(swr->ListBox1->selectedItems().isEmpty());
  Pick(swr->RadioGroup2, 1);
  EXPECT_EQ(swr->CoaxLoss, 0);
  EXPECT_EQ(swr->ListBox1->count(), 0);
}

TEST_F(CalculatorScreenTest, SwrPrintsTheTableAndAsksToClearIt) {
  auto swr = Open<TForm1>();
  Type(swr->Edit1, "1");
  Type(swr->Edit2, "100");
  for (int i = 0; i < 96; ++i) swr->FindSWR();  // 4 heading lines and 96 rows
  testing_support::RecordingPrinter printer;
  dialogs.confirmAnswers = {false};
  Press(swr->Button2);
  EXPECT_EQ(dialogs.events.back(), "confirm: Do you want to clear the memo field?");
  EXPECT_EQ(printer.lines.size(), 3u + 100u + 2u * 3u) << "page breaks after lines 48 and 96";
  EXPECT_EQ(std::count(printer.lines.begin(), printer.lines.end(), "\f"), 2);
  EXPECT_EQ(swr->Memo1->toPlainText().count('\n'), 100);
  dialogs.printAnswers = {false};
  dialogs.confirmAnswers = {true};
  Press(swr->Button2);
  EXPECT_EQ(swr->Memo1->toPlainText(),
            QString::fromStdString(bs::calculators::SetUpMemo()).replace("\r\n", "\n"));
}

TEST_F(CalculatorScreenTest, ImpedancePanels) {
  auto imp = Open<TForm2>();
  EXPECT_FALSE(imp->Edit3->isVisible());
  EXPECT_FALSE(imp->Edit7->isVisible());
  EXPECT_EQ(imp->ListBox1->count(), 46);
  Press(imp->Button1);
  EXPECT_TRUE(imp->Edit3->isVisible());
  EXPECT_EQ(imp->Edit3->text(), "99.8");
  Pick(imp->RadioGroup2, 1);
  EXPECT_EQ(imp->Label11->text(), "Face to face (mm)");
  EXPECT_FALSE(imp->Edit3->isVisible());
  Press(imp->Button1);
  EXPECT_EQ(imp->Edit3->text(), "162.0");
  Pick(imp->RadioGroup1, 1);
  EXPECT_FALSE(imp->Edit1->isVisible());
  EXPECT_TRUE(imp->Edit3->isVisible());
  Type(imp->Edit3, "400");
  Press(imp->Button1);
  EXPECT_EQ(imp->Edit1->text(), "Out of range");
  EXPECT_EQ(imp->Label17->text(), bs::calculators::kSquareRangeWarning);
  Type(imp->Edit9, "0.66");
  Press(imp->Button2);
  EXPECT_TRUE(imp->Edit7->isVisible());
  EXPECT_EQ(imp->Edit7->text(), "343.5");
  EXPECT_EQ(imp->Edit8->text(), "100.0");
  Type(imp->Edit5, "x");
  Press(imp->Button2);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{bs::calculators::kEntryBoxError});
}

TEST_F(CalculatorScreenTest, EnterCalculatesAndNeverCloses) {
  auto imp = Open<TForm2>();
  Type(imp->Edit2, "12.9");
  QTest::keyClick(imp->Edit2, Qt::Key_Return);
  EXPECT_TRUE(imp->isVisible());
  EXPECT_EQ(imp->Edit3->text(), "101.3");
  auto stack = Open<TYagibaseform4>();
  QTest::keyClick(stack->Edit2, Qt::Key_Return);
  EXPECT_TRUE(stack->isVisible());
}

TEST_F(CalculatorScreenTest, ImpedanceStartTextsInACommaLocale) {
  bs::SetDecimalSeparator(',');
  auto imp = Open<TForm2>();
  EXPECT_EQ(imp->Edit4->text(), "144,0");
  Press(imp->Button2);
  EXPECT_EQ(imp->Edit7->text(), "520,5");
  Press(imp->Button1);
  EXPECT_EQ(imp->Edit3->text(), "99,8");
  EXPECT_TRUE(dialogs.Messages().empty());
}

}  // namespace
