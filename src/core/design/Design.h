#pragma once
// The DL6WU design path in the core, for the screens and the command-line program.
//
// How data flows: the entry screen keeps its box texts in the shared state (EntriesFromState,
// SaveEntries); leaving the frequency box applies the band presets (ApplyBandPresets); choosing a
// coax sets the balun's velocity factor (NoteCoax). Calculate stores the converted inputs
// (StoreDesignInputs) and refuses a design whose dimensions could not be cut
// (RefuseUnbuildableDesign), then the results run Yagidimensions, which fills the element table in
// the state and builds the whole report, ending with the folded dipole details and materials guide.
// The report and the balun sheet print through the printer interface (Printing.h).
#include "core/design/Buildable.h"
#include "core/design/Engine.h"
#include "core/design/Entry.h"
#include "core/design/FoldedDipole.h"
#include "core/design/Printing.h"
#include "core/design/Report.h"
#include "core/design/ReportText.h"
