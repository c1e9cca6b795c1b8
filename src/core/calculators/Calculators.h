#pragma once
// The side calculators in the core, for their screens and the command-line program.
//
// How data flows: the gain and stacking screens keep their box texts in the shared state and
// leave DesignFreq, Wavelength (and for the gain BoomLength) there after each calculation
// (FindGain, FindBeamGain). The SWR screen reads the coax lines of the shipped "Coax.dta"
// (ReadCoaxFile), turns a picked coax, band and length into a loss (GetLoss) and adds one row
// per calculation to its running table (FindSWR), which prints through the printer interface
// (PrintTheMemo). The impedance screen's two panels share nothing (CalculateRods, the quarter-
// wave formulas). Every result text is built here, so screen and command line show the same
// bytes; a calculator's own refusal of an entry is a Refusal whose message the user sees.
#include "core/calculators/CoaxData.h"
#include "core/calculators/Gain.h"
#include "core/calculators/Impedance.h"
#include "core/calculators/Refusal.h"
#include "core/calculators/Stacking.h"
#include "core/calculators/Swr.h"
