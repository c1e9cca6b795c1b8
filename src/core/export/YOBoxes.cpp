#include "core/export/YOBoxes.h"

namespace bs::exporting {

std::string YOBoxLabel(int box) {
  switch (box) {
    case 38:
      return "Boom diam";
    case 39:
      return "Reflector length";
    case 2:
      return "Dipole dist from ref";
    case 3:
      return "Dipole length";
    case 1:
      return "Dipole diameter";
    case 4:
      return "Director/Reflector diameter";
    case 37:
      return "Frequency";
    default:
      break;
  }
  const int k = (box - 3) / 2;
  return "Dir " + std::to_string(k) + (box % 2 ? " length" : " dist from reflector");
}

const std::array<int, 39>& YOBoxOrder() {
  static const std::array<int, 39> order = [] {
    std::array<int, 39> o{38, 39, 2, 3, 1, 4, 37};
    for (int box = 5; box <= 36; ++box) o[box + 2] = box;
    return o;
  }();
  return order;
}

}  // namespace bs::exporting
