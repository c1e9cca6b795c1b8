// Saves a PNG of every screen of Beamsmith into the folder given as the first argument, so that
// all screens can be looked at at once. Runs on the offscreen platform or under Xvfb.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "core/platform/Numbers.h"
#include "core/state/StartUp.h"
#include "core/state/YagiVar.h"
#include "gui/app/About.h"
#include "gui/app/Opening.h"
#include "gui/app/Screens.h"
#include "gui/platform/Desktop.h"
#include "tools/ScreenshotHooks.h"

namespace {

void Save(QWidget& widget, const QDir& dir, const QString& name) {
  widget.show();
  QApplication::processEvents();
  const QString path = dir.filePath(name + ".png");
  if (widget.grab().save(path)) std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  auto& state = bs::YagiVar::Global();
  bs::YagiVar::StartUpSequence(state);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Beamsmith");
  bs::gui::InstallFontSubstitutes();
  bs::SetDecimalSeparator('.');
  const QDir dir(argc > 1 ? argv[1] : "screenshots");
  QDir().mkpath(dir.path());
  bs::gui::RegisterAllScreens();

  bs::gui::TYagibaseform1 mainWindow;
  mainWindow.SetIniPath(QDir::temp().filePath("beamsmith-screenshots.ini").toStdString());
  mainWindow.show();
  QApplication::processEvents();
  mainWindow.resize(1245, 929 + mainWindow.MainMenu1->height());
  Save(mainWindow, dir, "01-main-window");
  state.MainWidth = mainWindow.frameGeometry().width();
  state.MainHeight = mainWindow.frameGeometry().height();
  bs::gui::TfmAboutBox about(&mainWindow);
  Save(about, dir, "02-about");
  about.hide();
  bs::gui::SaveExtraScreenshots(mainWindow, dir, Save);
  return 0;
}
