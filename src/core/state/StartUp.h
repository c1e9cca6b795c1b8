#pragma once
// The program's start-up of the shared state: start values, then the program directory and the
// YO screen's two saved choices.
#include "core/state/YagiVar.h"

namespace bs::YagiVar {

// Start values, then the program directory and the YO screen's two saved choices. The decimal
// separator must be set first: the start texts are written with it.
void StartUpSequence(State& state);

// The start texts with decimals ("144.1") take the user's decimal separator, so that the
// program's own start values read back where the locale writes a decimal comma.
void LocalizeStartTexts(State& state);

}  // namespace bs::YagiVar
