#include "core/state/YagiVar.h"

namespace bs::YagiVar {

void StartUp(State& s) {
  for (int i = 1; i <= kYOBoxes; ++i) s.YOText[i] = "0";
  s.YOFreqFromText = "-1";
  s.YOBoomMountText = "-1";
  s.DesignFreqText = "144.1";
  s.DesignDirectorsText = "8";
  s.DesignElemDiamText = "7";
  s.DesignDipoleWidthText = "10";
  s.DesignBoomText = "25";
  s.DesignDipoleDiamText = "10";
  s.DesignBendText = "50";
  s.DesignGapText = "15";
  s.GainFreqText = "144.1";
  s.GainBoomText = "4000";
  s.StackFreqText = "144.1";
  s.StackBeamwidthText = "30";
  s.StackPlaneText = "0";
  s.BoomIsSquare = false;
  s.DefSizeA = 19;
  s.DefSizeB = 23;
}

State& Global() {
  static State state;
  return state;
}

}  // namespace bs::YagiVar
