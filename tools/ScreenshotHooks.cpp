#include "tools/ScreenshotHooks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QThread>

#include "core/design/Design.h"
#include "core/state/YagiVar.h"
#include "gui/design/BalunF.h"
#include "gui/design/DesignYagi.h"
#include "gui/design/Showdesign.h"
#include "gui/simulate/Simulate.h"
#include "tools/CalculatorShots.h"

namespace bs::gui {

namespace {

// The entry screen as a user leaves it, RG-58 chosen for the balun; then the design inputs of
// that screen are stored as Calculate stores them.
void DesignEntryShot(QWidget& mainWindow, const QDir& dir, const SaveShot& save) {
  TYagibaseform7 entry(&mainWindow);
  entry.resize(mainWindow.size());
  entry.ListBox1->setCurrentRow(12);
  save(entry, dir, "03-design-entry");
  bs::design::StoreDesignInputs(entry.Entries(), bs::YagiVar::Global());
  entry.hide();
}

// Flat-ribbon dipole and square directors, with the band presets in the boxes.
void ShapesShot(QWidget& mainWindow, const QDir& dir, const SaveShot& save) {
  auto& state = bs::YagiVar::Global();
  const std::string choices = state.DesignChoicesText;
  state.DesignChoicesText = "11210";
  TYagibaseform7 shapes(&mainWindow);
  shapes.resize(mainWindow.size());
  shapes.Edit1Exit();
  save(shapes, dir, "04-design-entry-shapes");
  shapes.hide();
  state.DesignChoicesText = choices;
}

// The Simulate screen after a sweep of the design with nec2c (when it is installed).
void SimulateShot(QWidget& results, const QDir& dir, const SaveShot& save) {
  TSimulateForm simulate(&results, true);
  simulate.resize(results.size());
  simulate.show();
  simulate.RunButtonClick();
  QElapsedTimer timer;
  timer.start();
  while (simulate.Running() && timer.elapsed() < 120000) {
    QCoreApplication::processEvents();
    QThread::msleep(20);
  }
  QCoreApplication::processEvents();
  save(simulate, dir, "07-simulate");
  simulate.hide();
}

}  // namespace

void SaveExtraScreenshots(QWidget& mainWindow, const QDir& dir, const SaveShot& save) {
  ShapesShot(mainWindow, dir, save);
  DesignEntryShot(mainWindow, dir, save);
  TYagibaseform2 results(&mainWindow);
  results.resize(mainWindow.size());
  save(results, dir, "05-results");
  TfmBalunBox balun(&results);
  save(balun, dir, "06-balun");
  balun.hide();
  SimulateShot(results, dir, save);
  SaveExportScreenshots(mainWindow, results, dir, save);
  results.hide();
  SaveCalculatorScreenshots(mainWindow, dir, save);
}

}  // namespace bs::gui
