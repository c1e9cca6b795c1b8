#include "state/StartUp.h"

#include "state/SaveInfo.h"

namespace YagiVar {

void StartUpSequence(State& state) {
  StartUp(state);
  SaveInfo::CaptureProgramDir(state);
  state.YOFreqFromText = "3";
  state.YOBoomMountText = "2";
}

}  // namespace YagiVar
