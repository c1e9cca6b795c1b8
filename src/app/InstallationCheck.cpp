#include "app/InstallationCheck.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <string>

#include "core/platform/Dialogs.h"
#include "core/platform/Manual.h"
#include "core/platform/ProgramFiles.h"
#include "core/platform/TextFile.h"
#include "core/state/SaveInfo.h"
#include "core/state/YagiVar.h"

namespace bs::app {

namespace {

void Print(const std::string& key, const std::string& value) {
  std::printf("%s: %s\n", key.c_str(), value.c_str());
  std::fflush(stdout);
}

std::string Found(const std::string& path) {
  return path + (QFileInfo(QString::fromStdString(path)).isFile() ? " (found)" : " (missing)");
}

// Every question answered with OK; every message and help request printed.
class CheckDialogs : public bs::Dialogs {
 public:
  void ShowMessage(const std::string& text) override { Print("message", text); }
  bool Confirm(const std::string& text, bs::ConfirmButtons) override {
    Print("confirm", text);
    return true;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string& answer) override {
    return answer;
  }
  std::optional<std::string> OpenFile(const bs::FileDialogOptions&) override { return {}; }
  std::optional<std::string> SaveFile(const bs::FileDialogOptions&) override { return {}; }
  bool PrintDialog() override { return false; }
  void Beep() override {}
  void ShowHelp(const std::string& helpFile, int topic) override {
    Print("help", Found(bs::ManualPage(helpFile, topic)));
  }
};

void PrintPlacement(const QWidget& window) {
  const QRect g = window.geometry();
  Print("placement", QString("%1,%2,%3,%4")
                         .arg(g.left())
                         .arg(g.top())
                         .arg(g.width())
                         .arg(g.height())
                         .toStdString());
}

}  // namespace

int RunInstallationCheck(bs::gui::TYagibaseform1& mainWindow, const QString& placeAt) {
  CheckDialogs dialogs;
  bs::InstallDialogs(&dialogs);
  auto& state = bs::YagiVar::Global();
  mainWindow.show();
  QApplication::processEvents();
  Print("program-dir", state.ProgramDir);
  Print("ini", mainWindow.IniPath());
  PrintPlacement(mainWindow);
  Print("coax", Found(bs::ShippedFile("Coax.dta")));
  Print("manual", Found(bs::ManualContentsFile()));
  for (const bs::ManualTopic& topic : bs::ManualTopics())
    Print("topic " + std::to_string(topic.topic),
          Found(bs::ManualPage(bs::ManualContentsFile(), topic.topic)));
  mainWindow.ContentsHTML1->trigger();
  mainWindow.Save1->trigger();
  Print("saved", Found(bs::JoinPath(state.ProgramDir, bs::SaveInfo::kDataFileName)));

  const QStringList rect = placeAt.split(',');
  if (rect.size() == 4) {
    mainWindow.setGeometry(rect[0].toInt(), rect[1].toInt(), rect[2].toInt(), rect[3].toInt());
    QApplication::processEvents();
  }
  mainWindow.close();
  bs::InstallDialogs(nullptr);
  return mainWindow.isVisible() ? 1 : 0;
}

}  // namespace bs::app
