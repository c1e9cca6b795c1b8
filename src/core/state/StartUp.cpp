#include "state/StartUp.h"

#include <algorithm>

#include "platform/Numbers.h"
#include "state/SaveInfo.h"

namespace YagiVar {

void StartUpSequence(State& state) {
  StartUp(state);
  LocalizeStartTexts(state);
  SaveInfo::CaptureProgramDir(state);
  state.YOFreqFromText = "3";
  state.YOBoomMountText = "2";
}

void LocalizeStartTexts(State& state) {
  for (std::string* text : {&state.DesignFreqText, &state.GainFreqText, &state.StackFreqText})
    std::replace(text->begin(), text->end(), '.', bs::DecimalSeparator());
}

}  // namespace YagiVar
