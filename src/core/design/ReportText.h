#pragma once
// The texts of the results report, block by block. Lines end in CR LF; numbers use the
// process-wide decimal separator. The element calculation appends these as it goes.
#include <string>

#include "core/state/YagiVar.h"

namespace bs::design {

// Title, frequency, wavelength, boom, dipole mounting and the two element lines.
std::string HeadingBlock(const bs::YagiVar::State& state);
// Reflector length, boom position and IT.
std::string ReflectorBlock(const bs::YagiVar::State& state);
// Single and folded dipole with spacing, boom position and IT.
std::string RadiatorBlock(const bs::YagiVar::State& state);
// "DIRECTORS" and the two column heading lines.
std::string DirectorTableHeading();

// One director row is appended in four pieces as the loop computes them; joined they give
// number, length, spacing, boom position, an empty cell, IT, gain dBd and gain dBi.
std::string DirectorCells(int number, double length, double spacing);
std::string BoomPositionCell(double boomPosition);
std::string ITCell(long double insertTo);
std::string GainCells(double gain);

// Comments: IT explained, tolerance, total boom length and beamwidth.
std::string CommentsBlock(const bs::YagiVar::State& state);
// "A half wave 4:1 balun uses ..."; the caller appends it only for a usable velocity factor.
std::string BalunLine(const bs::YagiVar::State& state);

}  // namespace bs::design
