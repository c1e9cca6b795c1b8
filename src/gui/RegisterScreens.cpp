#include "gui/app/Screens.h"
#include "gui/calculators/GainCalc.h"
#include "gui/calculators/Impedance.h"
#include "gui/calculators/SWR.h"
#include "gui/calculators/Stacking.h"
#include "gui/design/DesignYagi.h"
#include "gui/design/Showdesign.h"
#include "gui/export/MmanaFile.h"
#include "gui/export/YOdetails.h"

namespace bs::gui {

// Each folder of screens adds its registration here as its screens land.
void RegisterAllScreens() {
  RegisterScreen(ScreenId::DesignYagi, [](QWidget* owner) { return new TYagibaseform7(owner); });
  RegisterScreen(ScreenId::Results, [](QWidget* owner) { return new TYagibaseform2(owner); });
  RegisterScreen(ScreenId::YO, [](QWidget* owner) { return new TYagibaseform5(owner); });
  RegisterScreen(ScreenId::Mmana, [](QWidget* owner) { return new TYagibaseform6(owner); });
  RegisterScreen(ScreenId::Gain, [](QWidget* owner) { return new TYagibaseform3(owner); });
  RegisterScreen(ScreenId::Stacking, [](QWidget* owner) { return new TYagibaseform4(owner); });
  RegisterScreen(ScreenId::SWR, [](QWidget* owner) { return new TForm1(owner); });
  RegisterScreen(ScreenId::Impedance, [](QWidget* owner) { return new TForm2(owner); });
}

}  // namespace bs::gui
