// The application shell: main window placement, closing, About box, saved data, error handler.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/platform/Errors.h"
#include "core/platform/IniFile.h"
#include "core/platform/Manual.h"
#include "core/state/YagiVar.h"
#include "gui/app/About.h"
#include "gui/app/Opening.h"
#include "gui/app/Screens.h"
#include "gui/platform/ErrorGuard.h"
#include "support/GuiHelpers.h"
#include "support/ScriptedDialogs.h"

namespace {

using testing_support::Find;

// Each test runs in its own working folder, which is also the program directory.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    oldDir_ = QDir::currentPath();
    ASSERT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
    auto& state = bs::YagiVar::Global();
    state = bs::YagiVar::State();
    bs::YagiVar::StartUp(state);
    state.ProgramDir = dir_.path().toStdString();
  }
  void TearDown() override { QDir::setCurrent(oldDir_); }
  std::string IniPath() const { return dir_.filePath("Beamsmith.ini").toStdString(); }

  QString oldDir_;
  QTemporaryDir dir_;
  testing_support::ScriptedDialogs dialogs_;
};

TEST_F(ShellTest, IniWithOnlyTopAndLeftTakesTheDefaultsForTheRest) {
  bs::gui::TYagibaseform1 window;
  window.SetIniPath(IniPath());
  bs::IniFile ini(IniPath());
  ini.WriteInteger(window.MonitorProfile(), "Top", 40);
  ini.WriteInteger(window.MonitorProfile(), "Left", 60);
  ini.UpdateFile();
  window.FormCreate();
  EXPECT_EQ(window.geometry(), QRect(60, 40, 640, 480));
  EXPECT_EQ(window.windowState(), Qt::WindowNoState);
  EXPECT_EQ(bs::YagiVar::Global().DefSizeA, 1);
  EXPECT_EQ(bs::YagiVar::Global().DefSizeB, 1);
}

TEST_F(ShellTest, TheIniFileReadAndWrittenDecidesTheFirstRunWhereverTheProgramStarts) {
  QTemporaryDir config;
  const std::string iniPath = config.filePath("Beamsmith.ini").toStdString();
  {
    bs::gui::TYagibaseform1 window;
    window.SetIniPath(iniPath);
    bs::IniFile ini(iniPath);
    ini.WriteInteger(window.MonitorProfile(), "Top", 40);
    ini.WriteInteger(window.MonitorProfile(), "Left", 60);
    ini.WriteInteger(window.MonitorProfile(), "Height", 500);
    ini.WriteInteger(window.MonitorProfile(), "Width", 700);
    ini.UpdateFile();
    window.FormCreate();  // the working folder has no Beamsmith.ini
    EXPECT_EQ(window.geometry(), QRect(60, 40, 700, 500));
  }
  // and a start in a folder that happens to hold a Beamsmith.ini without the program's own
  // file is a first run
  std::ofstream(IniPath()) << "[x]\n";
  bs::gui::TYagibaseform1 fresh;
  fresh.SetIniPath(config.filePath("other.ini").toStdString());
  const int before = fresh.height();
  fresh.FormCreate();
  EXPECT_NE(fresh.height(), before);
}

TEST_F(ShellTest, FirstRunScalesFromTheWorkAreaAndCloseWritesThePair) {
  bs::gui::TYagibaseform1 window;
  window.SetIniPath(IniPath());
  const int before = window.height();
  window.FormCreate();  // no Beamsmith.ini in the working folder
  const auto& state = bs::YagiVar::Global();
  EXPECT_EQ(state.DefSizeB, state.StartFormHeight / 4);
  EXPECT_EQ(state.DefSizeA, state.WorkAreaHeight / 5);
  EXPECT_EQ(window.height(), before * state.DefSizeA / state.DefSizeB);

  dialogs_.confirmAnswers = {false};
  EXPECT_FALSE(window.FormCloseQuery());
  const bs::IniFile ini(IniPath());
  EXPECT_EQ(ini.ReadInteger(window.MonitorProfile(), "DefSizeA", 0), state.DefSizeA);
  EXPECT_EQ(ini.ReadInteger(window.MonitorProfile(), "DefSizeB", 0), state.DefSizeB);
  EXPECT_EQ(ini.ReadInteger(window.MonitorProfile(), "WindowState", 0), 1);
  EXPECT_EQ(dialogs_.events, std::vector<std::string>{"confirm: Close program?"});
}

TEST_F(ShellTest, CancelAtCloseKeepsTheWindowOpen) {
  bs::gui::TYagibaseform1 window;
  window.SetIniPath(IniPath());
  window.show();
  dialogs_.confirmAnswers = {false};
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(IniPath())));
  dialogs_.confirmAnswers = {true};
  window.close();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ShellTest, UnwritableIniIsReportedAndTheUserCanStillQuit) {
  bs::gui::TYagibaseform1 window;
  window.SetIniPath("/no/such/folder/Beamsmith.ini");
  dialogs_.confirmAnswers = {true};
  EXPECT_TRUE(window.FormCloseQuery());
  EXPECT_EQ(dialogs_.events,
            (std::vector<std::string>{"message: Unable to write to /no/such/folder/Beamsmith.ini",
                                      "confirm: Close program?"}));
}

TEST_F(ShellTest, ResizeStoresTheMainWindowSize) {
  bs::gui::TYagibaseform1 window;
  window.SetIniPath(IniPath());
  window.show();
  window.resize(900, 700);
  QApplication::processEvents();
  EXPECT_EQ(bs::YagiVar::Global().MainWidth, window.frameGeometry().width());
  EXPECT_EQ(bs::YagiVar::Global().MainHeight, window.frameGeometry().height());
}

TEST_F(ShellTest, SaveAndRecoverDataThroughTheFileMenu) {
  bs::gui::TYagibaseform1 window;
  window.SetIniPath(IniPath());
  bs::YagiVar::Global().GainBoomText = "5000";
  window.Save1->trigger();
  bs::YagiVar::Global().GainBoomText = "1";
  window.SaveAs1->trigger();
  EXPECT_EQ(bs::YagiVar::Global().GainBoomText, "5000");
  EXPECT_EQ(dialogs_.events, (std::vector<std::string>{"beep", "message: Program data saved",
                                                       "beep", "message: Old data reloaded"}));
}

TEST_F(ShellTest, AboutBoxShowsTheVersionInTheMiddleOfTheScreen) {
  bs::gui::TYagibaseform1 window;
  window.show();
  window.move(0, 0);  // centred over its owner would be elsewhere
  std::string caption, version;
  QPoint centre, screenCentre;
  testing_support::OnNextModal([&](QDialog* about) {
    ASSERT_NE(about, nullptr);
    caption = about->windowTitle().toStdString();
    version = Find<QLabel>(about, "Version")->text().toStdString();
    centre = about->frameGeometry().center();
    screenCentre = about->screen()->availableGeometry().center();
    QTest::mouseClick(Find<QPushButton>(about, "OKButton"), Qt::LeftButton);
  });
  window.About1->trigger();
  EXPECT_EQ(caption, "ABOUT ZUZO.EXE");
  EXPECT_EQ(version, bs::gui::VersionText().toStdString());
  EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
}

TEST_F(ShellTest, ScreensTakeTheMainWindowsOuterSizeWithItsFrameCountedOnce) {
  bs::gui::TYagibaseform1 window;
  window.SetIniPath(IniPath());
  window.show();
  window.resize(900, 700);
  QApplication::processEvents();
  QSize screenOuter;
  testing_support::OnNextModal([&](QDialog* screen) {
    screenOuter = screen->frameGeometry().size();
    screen->reject();
  });
  window.Design_yagi->trigger();
  EXPECT_EQ(screenOuter, window.frameGeometry().size());

  // A frame that the window manager added after the size was stored is not taken off again.
  auto& state = bs::YagiVar::Global();
  state.MainWidth = 1000;
  state.MainHeight = 800;
  bs::gui::SetMainFrame(QSize(0, 0));
  QSize screenInner;
  testing_support::OnNextModal([&](QDialog* screen) {
    screenInner = screen->size();
    screen->reject();
  });
  window.Design_yagi->trigger();
  EXPECT_EQ(screenInner, QSize(1000, 800));
}

TEST_F(ShellTest, ManualOpensTheContentsOfTheShippedManual) {
  const std::string manual = bs::ManualContentsFile();
  bs::gui::TYagibaseform1 window;
  window.ContentsHTML1->trigger();
  EXPECT_EQ(dialogs_.events, std::vector<std::string>{"help: " + manual + " #0"});
}

TEST_F(ShellTest, ErrorsInHandlersBecomeMessagesAndStopTheAction) {
  bool after = false;
  EXPECT_FALSE(bs::gui::Guarded([&] {
    throw bs::ConvertError("'abc' is not a valid floating point value");
    after = true;
  }));
  EXPECT_FALSE(after);
  EXPECT_EQ(dialogs_.Messages(),
            std::vector<std::string>{"'abc' is not a valid floating point value"});
}

}  // namespace
