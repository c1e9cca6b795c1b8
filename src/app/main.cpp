// Beamsmith start-up: shared state, program directory, platform services, main window.
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/InstallationCheck.h"
#include "core/platform/Numbers.h"
#include "core/state/StartUp.h"
#include "core/state/YagiVar.h"
#include "gui/app/Opening.h"
#include "gui/app/Screens.h"
#include "gui/platform/Desktop.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/QtDialogs.h"
#include "gui/platform/QtPrinter.h"

namespace {

bool DisplayAvailable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

// The user's decimal separator; a full stop where the locale's is not a plain comma or stop.
char LocaleDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point == QStringLiteral(",") ? ',' : '.';
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "Beamsmith needs a graphical display and none was found (DISPLAY is not set).\n"
                 "Use beamsmith-cli for designs on this machine.\n");
    return 1;
  }
  bs::SetDecimalSeparator(LocaleDecimalSeparator());
  // An installed program starts in the user's documents folder, which becomes ProgramDir.
  const std::string folderProblem = bs::gui::SettleUserFolders();
  auto& state = bs::YagiVar::Global();
  bs::YagiVar::StartUpSequence(state);

  bs::gui::Application app(argc, argv);
  // No application display name: Qt would append it to every window's caption.
  QApplication::setApplicationName("Beamsmith");
  QGuiApplication::setDesktopFileName("org.beamsmith.Beamsmith");
  // The installed icon (share/icons/hicolor); a portable copy has none and keeps the default.
  QApplication::setWindowIcon(QIcon::fromTheme("org.beamsmith.Beamsmith"));
  bs::gui::InstallFontSubstitutes();

  bs::gui::QtDialogs dialogs;
  bs::InstallDialogs(&dialogs);
  bs::gui::QtPrinter printer(bs::gui::SharedPrinter());
  bs::InstallPrinter(&printer);
  bs::gui::RegisterAllScreens();

  bs::gui::TYagibaseform1 mainWindow;
  const QStringList arguments = QApplication::arguments();
  const qsizetype check = arguments.indexOf(bs::app::kCheckInstallationOption);
  if (check >= 0) {
    if (!folderProblem.empty()) std::printf("message: %s\n", folderProblem.c_str());
    const int status = bs::app::RunInstallationCheck(mainWindow, arguments.value(check + 1));
    bs::InstallPrinter(nullptr);
    return status;
  }
  if (!folderProblem.empty()) dialogs.ShowMessage(folderProblem);
  mainWindow.show();
  const int result = app.exec();
  bs::InstallPrinter(nullptr);
  bs::InstallDialogs(nullptr);
  return result;
}
