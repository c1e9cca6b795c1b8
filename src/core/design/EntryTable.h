#pragma once
// The design entry screen's boxes and radio groups as tables: the screen builds its rows from
// them, the entry conversions move the texts through them and beamsmith-cli makes its options
// and JSON keys from them.
#include <array>

#include "core/state/BoxTable.h"

namespace bs::design {

// Box numbers of the entry screen (Edit1 .. Edit11).
enum Box : int {
  kFreqBox = 1,
  kDirectorsBox = 2,
  kElemDiamBox = 3,
  kDipoleWidthBox = 4,
  kBoomBox = 5,
  kDipoleDiamBox = 6,
  kBendBox = 7,
  kGapBox = 8,
  kDipoleThickBox = 9,
  kElemWidthBox = 10,
  kElemThickBox = 11,
};

// Radio group numbers (RadioGroup1 .. RadioGroup5) and their item counts.
enum Group : int {
  kBoomTypeGroup = 1,      // 0 "Square section", 1 "Round"
  kMountingGroup = 2,      // 0 bonded ('Y'), 1 insulated ('I'), 2 non-metal boom ('N')
  kDipoleShapeGroup = 3,   // 0 round, 1 square, 2 flat ribbon
  kElementShapeGroup = 4,  // 0 round, 1 square, 2 flat ribbon
  kDipoleMountGroup = 5,   // 0 same as directors/reflector, 1 fully insulated
};
inline constexpr std::array<int, 6> kGroupItems = {0, 2, 3, 3, 3, 2};

// The boxes that take the band presets when the frequency box is left.
inline constexpr std::array<Box, 9> kSizeBoxes = {kElemDiamBox,    kDipoleWidthBox, kBoomBox,
                                                  kDipoleDiamBox,  kBendBox,        kGapBox,
                                                  kDipoleThickBox, kElemWidthBox,   kElemThickBox};

// Every box of the entry screen, in the order of the command-line options.
BoxTable DesignBoxes();
// Every radio group of the entry screen, in the order of the command-line options.
ChoiceTable DesignChoices();

}  // namespace bs::design
