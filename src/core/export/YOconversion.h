#pragma once
// Boom-mounting conversion of element lengths.
//
// A parasitic element (reflector or director) mounted through a metal boom must be longer than
// the same element on a non-metallic boom by the boom correction C; one insulated through a
// metal boom by C / 2. The conversion moves lengths between the three mountings and rounds
// every converted length to a whole millimetre. The driven element and all distances are never
// converted.
//
// Two levels:
//   - plain numbers (BoomCorrectionMm(boom, freq), ConvertLength): for any caller that holds a
//     length, for example a model writer that needs the non-metal lengths of a design;
//   - the YO screen's texts (ConvertLengths and the three ConvertTo... routines), which read and
//     rewrite the 17 length texts YOText[5, 7, ..., 35] and YOText[39].
#include <array>

#include "core/export/BoxCheck.h"
#include "core/state/YagiVar.h"

namespace bs::YOconversion {

// How the parasitic elements are mounted; the values are the YO screen's item indexes
// (YOBoomMountText) and the conversion dialog's.
enum Mounting : int { kThrough = 0, kInsulated = 1, kNonMetal = 2 };

// The design's mounting code ('Y' bonded through a metal boom, 'I' insulated through it, 'N' or
// anything else a non-metallic boom) as a Mounting.
Mounting MountingFromBoomMount(char16_t boomMount);

// Full boom correction in mm for a boom boomMm across at freqMHz: with lambda = 299792 / f and
// b = boom / lambda, the smaller of 12 b^2 + 0.15 b and 0.666 b, times lambda. A frequency of 0
// raises bs::MathError ("Floating point division by zero").
double BoomCorrectionMm(double boomMm, double freqMHz);

// A length L for mounting `from` converted to mounting `to` with the full correction C:
// through = non-metal + C, insulated = non-metal + C / 2, rounded to the nearest whole mm (ties to
// even). A length of 0 or below, the same mounting, or a mounting outside 0..2 give L unchanged.
double ConvertLength(double length, int from, int to, double correctionMm);

// The working copy of the lengths being converted: [1..16] directors, [17] the reflector.
using ConvLengths = std::array<double, 18>;

// The YO texts as the conversion reads them: YOText[2k+3] (k = 1..16) and YOText[39] as numbers.
// An empty or non-numeric text raises bs::ConvertError.
ConvLengths ReadConversionLengths(const bs::YagiVar::State& state);
// Writes the 17 lengths back into their texts in general format.
void WriteConversionLengths(bs::YagiVar::State& state, const ConvLengths& lengths);

// The boom correction of the YO texts: boom diameter YOText[38], frequency YOText[37].
double BoomCorrectionMm(const bs::YagiVar::State& state);

// Change every length above 0 from mounting `from` to the named mounting (C from the texts).
void ConvertToThrough(const bs::YagiVar::State& state, int from, ConvLengths& lengths);
void ConvertToInsulated(const bs::YagiVar::State& state, int from, ConvLengths& lengths);
void ConvertToNonMetal(const bs::YagiVar::State& state, int from, ConvLengths& lengths);

// Reads the 17 texts, converts them from `from` to `to` and rewrites all 17 in general format
// (also when nothing changes, so "1000.0" becomes "1000"). A text that is not a number raises
// bs::ConvertError before anything is changed.
void ConvertLengths(bs::YagiVar::State& state, int from, int to);

// The checks of the YO screen's "Convert" button, in their order: the first text (by box
// number) that is empty or zero, with its message; box 0 and an empty message when all pass.
// A non-empty text that is not a number raises bs::ConvertError.
BoxProblem CheckConversionTexts(const bs::YagiVar::State& state);

}  // namespace bs::YOconversion
