#pragma once
// The 39 boxes of the YO screen by what they hold, for the screen's captions and for the
// command line's listing of a loaded .yag file.
#include <array>
#include <string>

namespace bs::exporting {

// The caption of a box (1..39): "Boom diam", "Reflector length", ..., "Frequency",
// "Dir k length", "Dir k dist from reflector".
std::string YOBoxLabel(int box);

// The boxes in the order the screen's tab order visits them.
const std::array<int, 39>& YOBoxOrder();

}  // namespace bs::exporting
