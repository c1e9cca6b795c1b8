#pragma once
// The stacking arrangements, seen from the front along the booms: vertical stacking (two
// horizontal Zuzos one above the other on a mast) and horizontal stacking (two vertical Zuzos
// side by side on a cross boom), each with the stacking distance "Dist" marked. The shipped
// pictures "vertical.bmp" and "horizontal.bmp" are rendered from these drawings by a tool.
#include "gui/platform/Drawing.h"

namespace bs::gui {

const Drawing& VerticalStackingPicture();
const Drawing& HorizontalStackingPicture();
// Both arrangements with "or" between them: the picture the screen holds until it loads one.
const Drawing& BothStackingPicture();

}  // namespace bs::gui
