#pragma once
// The main window "Beamsmith" with its welcome page; it restores its placement from the ini file
// when first shown and writes it when closed.
#include <QFrame>
#include <vector>

#include "core/platform/Placement.h"
#include "gui/app/YagiForm.h"
#include "gui/platform/Drawing.h"

namespace bs::gui {

class TYagibaseform1 : public TYagibaseform {
  Q_OBJECT
 public:
  explicit TYagibaseform1(QWidget* parent = nullptr);

  QFrame* Panel1;
  DrawingWidget* Image1;
  QLabel* Label3;
  QLabel* Label4;

  void FormCreate();
  // Writes the placement, then asks "Close program?"; true when the program may end.
  bool FormCloseQuery();
  bool ShutIt();
  std::string MonitorProfile() const;
  void ResizeKit1ExitResize();

  // The placement ini file chosen at start-up (core/platform/ProgramFiles.h); tests point it
  // elsewhere.
  void SetIniPath(std::string path) { iniPath_ = std::move(path); }
  const std::string& IniPath() const { return iniPath_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void BuildWelcomePage();
  void FirstRunSizing();
  void RestorePlacement();
  void WritePlacement();

  std::string iniPath_;
  bool placed_ = false;
};

// The monitors of the desktop in the platform's order.
std::vector<bs::Monitor> DesktopMonitors();

}  // namespace bs::gui
