#include "tools/CalculatorShots.h"

#include <QApplication>
#include <QListWidget>
#include <functional>

#include "gui/calculators/GainCalc.h"
#include "gui/calculators/Impedance.h"
#include "gui/calculators/SWR.h"
#include "gui/calculators/Stacking.h"

namespace bs::gui {

namespace {

template <typename Screen>
void Shot(QWidget& mainWindow, const QDir& dir, const SaveShot& save, const QString& name,
          const std::function<void(Screen&)>& act) {
  Screen screen(&mainWindow);
  screen.resize(mainWindow.size());
  screen.show();
  QApplication::processEvents();
  act(screen);
  save(screen, dir, name);
  screen.hide();
}

}  // namespace

void SaveCalculatorScreenshots(QWidget& mainWindow, const QDir& dir, const SaveShot& save) {
  Shot<TYagibaseform3>(mainWindow, dir, save, "20-gain", [](auto& s) { s.FindWA2PHW(); });
  Shot<TYagibaseform4>(mainWindow, dir, save, "21-stacking", [](auto& s) { s.FindBeamGain(); });
  Shot<TYagibaseform4>(mainWindow, dir, save, "22-stacking-horizontal", [](auto& s) {
    s.RadioGroup1->SetItemIndex(1);
    s.ClearBoxV();
    s.FindBeamGain();
  });
  Shot<TForm1>(mainWindow, dir, save, "23-swr", [](auto& s) {
    s.RadioGroup2->SetItemIndex(0);
    s.Docoax();
    s.ComboBox1->setCurrentIndex(1);
    s.Edit3->setText("20");
    if (s.ListBox1->count() > 0) s.ListBox1->setCurrentRow(s.ListBox1->count() - 2);
    s.Edit1->setText("1");
    s.Edit2->setText("100");
    s.FindSWR();
    s.Edit1->setText("4");
    s.FindSWR();
  });
  Shot<TForm2>(mainWindow, dir, save, "24-impedance", [](auto& s) {
    s.RadioGroup1->SetItemIndex(1);
    s.RadioGroup1Click();
    s.Edit3->setText("200");
    s.Button1Click();
    s.Button2Click();
  });
}

}  // namespace bs::gui
