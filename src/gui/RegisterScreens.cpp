#include "app/Screens.h"

namespace gui {

// Each folder of screens adds its registration here as its screens land.
void RegisterAllScreens() {}

}  // namespace gui
