#include "gui/app/YagiForm.h"

#include <QApplication>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/Version.h"
#include "core/platform/Dialogs.h"
#include "core/platform/TextFile.h"
#include "core/state/SaveInfo.h"
#include "core/state/YagiVar.h"
#include "gui/app/About.h"
#include "gui/platform/ErrorGuard.h"
#include "gui/platform/KeyboardRules.h"
#include "gui/platform/Text.h"
#include "gui/platform/WidgetKit.h"

namespace bs::gui {

QString VersionText() {
  return QStringLiteral("Beamsmith version ") + QString::fromUtf8(bs::kVersion);
}

void CentreOnScreen(QWidget* dialog) {
  const QScreen* screen = dialog->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = dialog->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  dialog->move(frame.topLeft());
}

TYagibaseform::TYagibaseform(QWidget* owner) : QDialog(owner), client_(new QWidget(this)) {
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  client_->setObjectName("Client");
  FillBackground(client_, Olive());
  layout->addWidget(client_);
  BuildMenu();
  layout->setMenuBar(MainMenu1);
  BuildLabels();
  ResizeKit1 = new ResizeKit(client_, QSize(kDesignWidth, kDesignHeight));
  resize(kDesignWidth, kDesignHeight + MainMenu1->sizeHint().height());
  BindMenu();
}

void TYagibaseform::BuildMenu() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName("MainMenu1");
  File1 = MainMenu1->addMenu("&File");
  File1->setObjectName("File1");
  Save1 = File1->addAction("&Save data");
  SaveAs1 = File1->addAction("&Recover data");
  N1 = File1->addSeparator();
  Exit1 = File1->addAction("E&xit");
  Task = MainMenu1->addMenu("&Task");
  Task->setObjectName("Task");
  Design_yagi = Task->addAction("&Design Zuzo");
  Gain_calc = Task->addAction("&Gain");
  Stacking_calc = Task->addAction("&Stacking");
  YO_calc = Task->addAction("&YO or Mmana file");
  SWR1 = Task->addAction("&SWR");
  Impedance1 = Task->addAction("&Impedance");
  Help1 = MainMenu1->addMenu("&Help");
  Help1->setObjectName("Help1");
  ContentsHTML1 = Help1->addAction("Manual");
  About1 = Help1->addAction("&About...");
  const std::pair<QAction*, const char*> names[] = {{Save1, "Save1"},
                                                    {SaveAs1, "SaveAs1"},
                                                    {N1, "N1"},
                                                    {Exit1, "Exit1"},
                                                    {Design_yagi, "Design_yagi"},
                                                    {Gain_calc, "Gain_calc"},
                                                    {Stacking_calc, "Stacking_calc"},
                                                    {YO_calc, "YO_calc"},
                                                    {SWR1, "SWR1"},
                                                    {Impedance1, "Impedance1"},
                                                    {ContentsHTML1, "ContentsHTML1"},
                                                    {About1, "About1"}};
  for (const auto& [action, name] : names) action->setObjectName(name);
  UpdateTaskItems();
}

void TYagibaseform::UpdateTaskItems() {
  const std::pair<QAction*, ScreenId> items[] = {{Design_yagi, ScreenId::DesignYagi},
                                                 {Gain_calc, ScreenId::Gain},
                                                 {Stacking_calc, ScreenId::Stacking},
                                                 {YO_calc, ScreenId::YO},
                                                 {SWR1, ScreenId::SWR},
                                                 {Impedance1, ScreenId::Impedance}};
  for (const auto& [action, id] : items)
    if (!HasScreen(id)) action->setEnabled(false);
}

void TYagibaseform::BuildLabels() {
  Label1 = WhiteLabel(client_, "Label1", "Beamsmith  ", QRect(0, 0, kDesignWidth, 32),
                      ComicSans(21), Qt::AlignRight | Qt::AlignVCenter);
  Label2 = WhiteLabel(client_, "Label2", QString(), QRect(0, kDesignHeight - 24, kDesignWidth, 24),
                      ComicSans(15), Qt::AlignCenter);
}

void TYagibaseform::BindMenu() {
  // Every handler is looked up at the time of the click, so a screen's override runs.
  const auto bind = [this](QAction* action, void (TYagibaseform::*handler)()) {
    connect(action, &QAction::triggered, this, GuardedSlot(this, handler));
  };
  bind(Save1, &TYagibaseform::Save_Data);
  bind(SaveAs1, &TYagibaseform::Recoverdata);
  bind(Exit1, &TYagibaseform::Shutdown);
  bind(Design_yagi, &TYagibaseform::Design_yagiClick);
  bind(Gain_calc, &TYagibaseform::Gain_calcClick);
  bind(Stacking_calc, &TYagibaseform::Stacking_calcClick);
  bind(YO_calc, &TYagibaseform::YO_calcClick);
  bind(SWR1, &TYagibaseform::SWR1Click);
  bind(Impedance1, &TYagibaseform::Impedance1Click);
  bind(ContentsHTML1, &TYagibaseform::RunManualCommand);
  bind(About1, &TYagibaseform::About1Click);
}

void TYagibaseform::FinishLayout() {
  Label1->raise();
  Label2->raise();
  ResizeKit1->Capture();
}

void TYagibaseform::HideItem(QAction* item) {
  item->setVisible(false);
  item->setEnabled(false);
}

void TYagibaseform::Save_Data() {
  bs::SaveInfo::SaveDataFile(bs::YagiVar::Global());
}

void TYagibaseform::Recoverdata() {
  if (bs::SaveInfo::RecoverDataFile(bs::YagiVar::Global()))
    bs::TheDialogs().ShowMessage("Old data reloaded");
}

void TYagibaseform::Shutdown() {
  close();
}

void TYagibaseform::Design_yagiClick() {
  ModalScreen(ScreenId::DesignYagi);
}
void TYagibaseform::Gain_calcClick() {
  ModalScreen(ScreenId::Gain);
}
void TYagibaseform::Stacking_calcClick() {
  ModalScreen(ScreenId::Stacking);
}
void TYagibaseform::YO_calcClick() {
  ModalScreen(ScreenId::YO);
}
void TYagibaseform::SWR1Click() {
  ModalScreen(ScreenId::SWR);
}
void TYagibaseform::Impedance1Click() {
  ModalScreen(ScreenId::Impedance);
}
void TYagibaseform::EnableShowDesign() {
  ModalScreen(ScreenId::Results);
}

void TYagibaseform::ModalScreen(ScreenId id) {
  std::unique_ptr<QDialog> screen(CreateScreen(id, this));
  if (!screen) return;
  const auto& state = bs::YagiVar::Global();
  if (state.MainWidth > 0 && state.MainHeight > 0) {
    // MainWidth and MainHeight are outer sizes; a screen's frame is like the main window's.
    const QSize frame = MainFrame();
    screen->resize(state.MainWidth - frame.width(), state.MainHeight - frame.height());
  }
  screen->exec();
}

void TYagibaseform::ContentsHTML1Click() {
  ShowManualContents();
}

void TYagibaseform::RunManualCommand() {
  ManualCommand command;
  ContentsHTML1Click();
  command.Finish();
}

void TYagibaseform::About1Click() {
  TfmAboutBox about(this);
  about.exec();
}

void TYagibaseform::FormActivate() {
  // 11 points at the design size, scaled with the window like every other font
  Label2->setFont(ComicSans(int(std::lround(11 * 96 / 72.0 * ResizeKit1->FontRatio()))));
  Label2->setText(VersionText());
}

void TYagibaseform::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  KeyboardRules::Apply(this);
  Guarded([this] { FormActivate(); });
}

void TYagibaseform::done(int result) {
  Guarded([this] { FormClose(); });
  QDialog::done(result);
}

}  // namespace bs::gui
