#pragma once
// The construction drawings of the design path, drawn with QPainter so that the screens and
// the printer share them.
#include "gui/platform/Drawing.h"

namespace bs::gui {

// The folded dipole as a long flat loop with its measuring points A to I and the feed gap
// between H and G, as the report's distances name them.
const Drawing& FoldedDipolePicture();

// The half-wave 4:1 coax balun: the U-shaped loop between the folded dipole's terminals, the
// feeder from the transmitter and receiver, and the optional earth of the coax outers. The
// loop's inside stays clear round (216, 80) and (32, 88) for the length and coax labels.
const Drawing& BalunPicture();
inline constexpr double kBalunPictureWidth = 393;
inline constexpr double kBalunPictureHeight = 201;

}  // namespace bs::gui
