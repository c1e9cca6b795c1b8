#include "gui/app/Opening.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "core/platform/Dialogs.h"
#include "core/platform/Errors.h"
#include "core/platform/IniFile.h"
#include "core/platform/ProgramFiles.h"
#include "core/state/YagiVar.h"
#include "gui/app/Pictures.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/Text.h"
#include "gui/platform/WidgetKit.h"

namespace bs::gui {

std::vector<bs::Monitor> DesktopMonitors() {
  std::vector<bs::Monitor> monitors;
  const QScreen* primary = QGuiApplication::primaryScreen();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    monitors.push_back({g.left(), g.top(), g.width(), g.height(), screen == primary});
  }
  return monitors;
}

TYagibaseform1::TYagibaseform1(QWidget* parent) : TYagibaseform(parent) {
  setObjectName("Yagibaseform1");
  setWindowTitle("Beamsmith");
  setWindowFlag(Qt::Window, true);
  iniPath_ = bs::PlacementIniPath();
  BuildWelcomePage();
  FinishLayout();
  connect(ResizeKit1, &ResizeKit::ExitResize, this,
          GuardedSlot(this, &TYagibaseform1::ResizeKit1ExitResize));
  SetMainWindow(this);
}

void TYagibaseform1::BuildWelcomePage() {
  Label1->setText("  Beamsmith  for VHF/UHF");
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFont(ComicSans(27));
  Label1->setGeometry(0, 0, kDesignWidth, 44);

  Panel1 = SunkenPanel(Client(), "Panel1", QRect(171, 56, 904, 544), std::nullopt, 1);
  Image1 = new DrawingWidget(&WelcomePicture(), Panel1);
  Image1->setObjectName("Image1");
  Image1->setGeometry(2, 2, 900, 540);

  Label3 = WhiteLabel(Client(), "Label3", "WELCOME", QRect(0, 640, kDesignWidth, 40), ComicSans(21),
                      Qt::AlignCenter);
  Label4 = WhiteLabel(Client(), "Label4", "   Beamsmith  builds on the work of many experimenters ",
                      QRect(0, 700, kDesignWidth, 32), Arial(19), Qt::AlignCenter);
}

void TYagibaseform1::showEvent(QShowEvent* event) {
  TYagibaseform::showEvent(event);
  if (!placed_) {
    placed_ = true;
    Guarded([this] { FormCreate(); });
  }
}

std::string TYagibaseform1::MonitorProfile() const {
  return bs::MonitorProfile(DesktopMonitors());
}

void TYagibaseform1::FormCreate() {
  // A first run is one without the ini file that this program reads and writes (wherever the
  // working directory is), so a start from another folder keeps the saved placement.
  if (!QFileInfo::exists(ToQ(iniPath_))) {
    FirstRunSizing();
  } else {
    RestorePlacement();
  }
}

void TYagibaseform1::FirstRunSizing() {
  auto& state = bs::YagiVar::Global();
  const QScreen* screen = QGuiApplication::primaryScreen();
  state.WorkAreaHeight = screen ? screen->availableGeometry().height() : height();
  state.StartFormHeight = frameGeometry().height();
  const auto scale = bs::FirstRunSizing(state.WorkAreaHeight, state.StartFormHeight);
  state.DefSizeA = scale.defSizeA;
  state.DefSizeB = scale.defSizeB;
  if (state.DefSizeA > 0 && state.DefSizeB > 0) {
    resize(width() * state.DefSizeA / state.DefSizeB, height() * state.DefSizeA / state.DefSizeB);
  }
  // centred on the whole desktop
  if (screen) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->virtualGeometry().center());
    move(frame.topLeft());
  }
}

void TYagibaseform1::RestorePlacement() {
  auto& state = bs::YagiVar::Global();
  const bs::IniFile ini(iniPath_);
  const std::string section = MonitorProfile();
  const int top = ini.ReadInteger(section, "Top", 100);
  const int left = ini.ReadInteger(section, "Left", 100);
  const int height = ini.ReadInteger(section, "Height", 480);
  const int width = ini.ReadInteger(section, "Width", 640);
  const int windowState = ini.ReadInteger(section, "WindowState", 1);
  state.DefSizeA = ini.ReadInteger(section, "DefSizeA", 1);
  state.DefSizeB = ini.ReadInteger(section, "DefSizeB", 1);
  setWindowState(Qt::WindowNoState);
  setGeometry(left, top, width, height);
  if (windowState == 3) setWindowState(Qt::WindowMaximized);
  if (windowState == 2) setWindowState(Qt::WindowMinimized);
}

void TYagibaseform1::WritePlacement() {
  const auto& state = bs::YagiVar::Global();
  bs::IniFile ini(iniPath_);
  const std::string section = MonitorProfile();
  const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
  QRect restored = normal ? geometry() : normalGeometry();
  if (restored.isEmpty()) restored = geometry();
  const int showState = windowState() & Qt::WindowMinimized   ? 2
                        : windowState() & Qt::WindowMaximized ? 3
                                                              : 1;
  ini.WriteInteger(section, "Top", restored.top());
  ini.WriteInteger(section, "Left", restored.left());
  ini.WriteInteger(section, "Height", restored.height());
  ini.WriteInteger(section, "Width", restored.width());
  ini.WriteInteger(section, "WindowState", showState);
  ini.WriteInteger(section, "DefSizeA", state.DefSizeA);
  ini.WriteInteger(section, "DefSizeB", state.DefSizeB);
  ini.UpdateFile();
}

bool TYagibaseform1::ShutIt() {
  return bs::TheDialogs().Confirm("Close program?", bs::ConfirmButtons::OkCancel);
}

bool TYagibaseform1::FormCloseQuery() {
  // A placement that cannot be written is reported, and the user can still quit.
  Guarded([this] { WritePlacement(); });
  return ShutIt();
}

void TYagibaseform1::closeEvent(QCloseEvent* event) {
  bool close = false;
  Guarded([&] { close = FormCloseQuery(); });
  if (close) {
    event->accept();
    QCoreApplication::quit();
  } else {
    event->ignore();
  }
}

void TYagibaseform1::reject() {
  close();
}

void TYagibaseform1::ResizeKit1ExitResize() {
  auto& state = bs::YagiVar::Global();
  state.MainHeight = frameGeometry().height();
  state.MainWidth = frameGeometry().width();
  SetMainFrame(frameGeometry().size() - size());
}

}  // namespace bs::gui
