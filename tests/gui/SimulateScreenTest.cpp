// The Simulate screen and the results screen's "Save .nec" and "Simulate" buttons.
#include <QChart>
#include <QLineSeries>
#include <cstdlib>
#include <filesystem>

#include "DesignScreenSupport.h"
#include "core/design/Design.h"
#include "core/simulate/ChildProcess.h"
#include "core/simulate/SimulationError.h"
#include "gui/simulate/Simulate.h"
#include "support/RecordingPrinter.h"
#include "support/TextFiles.h"

namespace design_screens {
namespace {

using bs::gui::TSimulateForm;
using bs::gui::TYagibaseform2;

class SimulateScreenTest : public DesignScreenTest {
 protected:
  void SetUp() override {
    DesignScreenTest::SetUp();
    auto& state = State();
    bs::design::StoreDesignInputs(bs::design::EntriesFromState(state), state);
    results = Open<TYagibaseform2>();  // runs the element calculation
    folder = testing_support::FreshTempDir("simulate_screen");
  }
  void TearDown() override {
    results.reset();
    std::filesystem::remove_all(folder);
    DesignScreenTest::TearDown();
  }

  std::unique_ptr<TSimulateForm> OpenSimulate() {
    auto form = std::make_unique<TSimulateForm>(results.get(), true);
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return form;
  }

  static bool WaitUntilDone(TSimulateForm& form) {
    for (int i = 0; i < 6000 && form.Running(); ++i) QTest::qWait(10);
    QCoreApplication::processEvents();
    return !form.Running();
  }

  std::unique_ptr<TYagibaseform2> results;
  std::filesystem::path folder;
};

bool HaveNec2c() {
  return !bs::simulate::FindProgram("nec2c").empty();
}

TEST_F(SimulateScreenTest, SweepFillsPlotsAndFiguresThenSavesCsvAndPrints) {
  if (!HaveNec2c()) GTEST_SKIP() << "nec2c is not installed";
  auto form = OpenSimulate();
  EXPECT_FALSE(form->PrintButton->isEnabled());
  Type(form->Edit2, "5");
  QTest::mouseClick(form->RunButton, Qt::LeftButton);
  EXPECT_TRUE(form->CancelButton->isEnabled());
  ASSERT_TRUE(WaitUntilDone(*form));
  EXPECT_TRUE(dialogs.Messages().empty());
  ASSERT_TRUE(form->Result());
  ASSERT_EQ(form->Result()->points.size(), 5u);
  for (const auto& p : form->Result()->points) EXPECT_TRUE(p.ok);
  EXPECT_EQ(form->ProgressBar1->value(), form->ProgressBar1->maximum());
  const QString memo = form->Memo1->toPlainText();
  EXPECT_TRUE(memo.startsWith("At 144.100 MHz:\n  Forward gain")) << memo.toStdString();
  EXPECT_TRUE(memo.contains("    report ")) << "the report's estimates beside the simulation";
  auto* gain = qobject_cast<QLineSeries*>(form->Charts->GainChart->chart()->series().at(0));
  ASSERT_NE(gain, nullptr);
  EXPECT_EQ(gain->count(), 5);
  EXPECT_EQ(form->Charts->EPlaneChart->chart()->series().size(), 1);

  const std::string csv = (folder / "sweep.csv").string();
  dialogs.fileAnswers.push_back(csv);
  QTest::mouseClick(form->CsvButton, Qt::LeftButton);
  const auto lines = testing_support::SplitLines(testing_support::ReadBytes(csv));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "MHz,Gain dBi,F/B dB,R ohm,X ohm,SWR");

  testing_support::RecordingPrinter printer;
  QTest::mouseClick(form->PrintButton, Qt::LeftButton);
  ASSERT_FALSE(printer.calls.empty());
  EXPECT_EQ(printer.calls.front(), "title Beamsmith simulation");
  EXPECT_EQ(printer.calls.back(), "end");
}

TEST_F(SimulateScreenTest, CancelEndsTheRunWithoutAMessage) {
  if (!HaveNec2c()) GTEST_SKIP() << "nec2c is not installed";
  auto form = OpenSimulate();
  Type(form->Edit2, "201");
  QTest::mouseClick(form->RunButton, Qt::LeftButton);
  QTest::mouseClick(form->CancelButton, Qt::LeftButton);
  ASSERT_TRUE(WaitUntilDone(*form));
  EXPECT_EQ(form->StatusLabel->text(), "Cancelled");
  EXPECT_FALSE(form->Result());
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_TRUE(form->RunButton->isEnabled());
}

TEST_F(SimulateScreenTest, KeyboardRunsWithEnterOnRunAndClosingEndsARunningSweep) {
  if (!HaveNec2c()) GTEST_SKIP() << "nec2c is not installed";
  auto form = OpenSimulate();
  Type(form->Edit2, "201");
  QTest::keyClick(form->Edit2, Qt::Key_Tab);
  EXPECT_EQ(form->focusWidget(), form->Edit3);
  // Enter moves on as Tab does; on the focused Run button it runs.
  QTest::keyClick(form->Edit3, Qt::Key_Return);
  EXPECT_EQ(form->focusWidget(), form->ComboBox1);
  QTest::keyClick(form->ComboBox1, Qt::Key_Return);
  ASSERT_EQ(form->focusWidget(), form->RunButton);
  QTest::keyClick(form->RunButton, Qt::Key_Return);
  EXPECT_TRUE(form->Running());
  QTest::keyClick(form.get(), Qt::Key_Escape);  // Escape closes no screen
  EXPECT_TRUE(form->isVisible());
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Running()) << "closing the screen ends the run";
}

TEST_F(SimulateScreenTest, RefusedEntriesAndAMissingEngineGiveOneMessage) {
  auto form = OpenSimulate();
  Type(form->Edit2, "abc");
  QTest::mouseClick(form->RunButton, Qt::LeftButton);
  Type(form->Edit2, "41");
  form->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(form->Edit3->text(), "200");
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", "", 1);
  QTest::mouseClick(form->RunButton, Qt::LeftButton);
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"'abc' is not a valid integer value",
                                                          bs::simulate::kEngineMissing}));
  EXPECT_FALSE(form->Running());
}

TEST_F(SimulateScreenTest, ResultsScreenSavesTheNecDeckAndOpensSimulate) {
  const std::string deck = (folder / "design.nec").string();
  dialogs.fileAnswers.push_back(deck);
  QTest::mouseClick(results->Button6, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{deck + " saved"});
  EXPECT_EQ(testing_support::ReadBytes(deck).rfind("CM Beamsmith DL6WU long Zuzo", 0), 0u);

  bool opened = false;
  testing_support::OnNextModal([&opened](QDialog* dialog) {
    opened = qobject_cast<TSimulateForm*>(dialog) != nullptr;
    if (dialog) dialog->reject();
  });
  QTest::mouseClick(results->Button7, Qt::LeftButton);
  EXPECT_TRUE(opened);
}

}  // namespace
}  // namespace design_screens
