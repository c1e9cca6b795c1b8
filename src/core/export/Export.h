#pragma once
// Modelling-file export in the core, for the YO and MMANA-GAL screens, the results screen and
// the command-line program.
//
// How data flows: the YO screen keeps its 39 box texts in the shared state (YOText). From them
// the YO writer builds a .yag file exactly as typed (YagFile.h), the reader fills them back from
// a .yag file, the boom-mounting conversion rewrites the 17 parasitic lengths (YOconversion.h)
// and the frequency estimate writes the frequency text (Estimate.h). "Make Mmana" turns the
// typed texts into the element table (MaaFile.h, StoreTypedDimensions), the same fields a design
// calculation fills; the .maa writer and the results screen's .yag writer read that table.
// ElementTable.h offers the table as plain numbers, also in its non-metal lengths; NecDeck.h
// builds the NEC-2 model of that table and the sweep that simulates it with nec2c.
#include "core/export/ElementTable.h"
#include "core/export/Estimate.h"
#include "core/export/MaaFile.h"
#include "core/export/NecDeck.h"
#include "core/export/YOconversion.h"
#include "core/export/YagFile.h"
