#include "core/state/StartUp.h"

#include <algorithm>

#include "core/platform/Numbers.h"
#include "core/state/SaveInfo.h"

namespace bs::YagiVar {

void StartUpSequence(State& state) {
  StartUp(state);
  LocalizeStartTexts(state);
  bs::SaveInfo::CaptureProgramDir(state);
  state.YOFreqFromText = "3";
  state.YOBoomMountText = "2";
}

void LocalizeStartTexts(State& state) {
  for (std::string* text : {&state.DesignFreqText, &state.GainFreqText, &state.StackFreqText})
    std::replace(text->begin(), text->end(), '.', bs::DecimalSeparator());
}

}  // namespace bs::YagiVar
