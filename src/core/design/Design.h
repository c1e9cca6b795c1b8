#pragma once
// The DL6WU design path in the core, for the screens and the command-line program.
//
// How data flows: the entry screen keeps its box texts in the shared state (EntriesFromState,
// SaveEntries); leaving the frequency box applies the band presets (ApplyBandPresets); choosing a
// coax sets the balun's velocity factor (NoteCoax). Calculate stores the converted inputs
// (StoreDesignInputs), then the results run Yagidimensions, which fills the element table in the
// state and builds the whole report, ending with the folded dipole details and materials guide.
// The report and the balun sheet print through the printer interface (Printing.h).
#include "design/Engine.h"
#include "design/Entry.h"
#include "design/FoldedDipole.h"
#include "design/Printing.h"
#include "design/Report.h"
#include "design/ReportText.h"
