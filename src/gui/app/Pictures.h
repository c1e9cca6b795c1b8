#pragma once
// The pictures of the welcome page and the About box, drawn with QPainter.
#include "gui/platform/Drawing.h"

namespace bs::gui {

// Long Zuzo antennas on a mast against the sky.
const Drawing& WelcomePicture();
// A small Zuzo seen from above, for the About box.
const Drawing& AboutPicture();

}  // namespace bs::gui
