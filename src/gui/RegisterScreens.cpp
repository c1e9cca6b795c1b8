#include "app/Screens.h"
#include "design/DesignYagi.h"
#include "design/Showdesign.h"

namespace gui {

// Each folder of screens adds its registration here as its screens land.
void RegisterAllScreens() {
  RegisterScreen(ScreenId::DesignYagi, [](QWidget* owner) { return new TYagibaseform7(owner); });
  RegisterScreen(ScreenId::Results, [](QWidget* owner) { return new TYagibaseform2(owner); });
}

}  // namespace gui
