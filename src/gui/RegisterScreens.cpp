#include "gui/app/Screens.h"
#include "gui/design/DesignYagi.h"
#include "gui/design/Showdesign.h"

namespace bs::gui {

// Each folder of screens adds its registration here as its screens land.
void RegisterAllScreens() {
  RegisterScreen(ScreenId::DesignYagi, [](QWidget* owner) { return new TYagibaseform7(owner); });
  RegisterScreen(ScreenId::Results, [](QWidget* owner) { return new TYagibaseform2(owner); });
}

}  // namespace bs::gui
