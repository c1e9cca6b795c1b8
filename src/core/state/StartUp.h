#pragma once
// The program's start-up of the shared state: start values, then the program directory and the
// YO screen's two saved choices.
#include "state/YagiVar.h"

namespace YagiVar {

void StartUpSequence(State& state);

}  // namespace YagiVar
