#pragma once
// Dimensions that cannot be cut. A length, spacing or distance of zero or below (as the report
// would round it) is never shown as a dimension: the design is refused with the cause instead.
#include "core/state/YagiVar.h"

namespace bs::design {

inline constexpr const char* kElementsTooThick =
    "The elements are too thick for this frequency: an element length or spacing would be zero "
    "or less. Use thinner elements or a lower frequency.";
inline constexpr const char* kBoomTooThick =
    "The boom is too thick for the elements at this frequency: an insert-to distance (IT) would "
    "be zero or less. Use a thinner boom or a lower frequency.";
inline constexpr const char* kBendTooLarge =
    "The bend diameter or the feed gap is too large for the folded dipole: a bending distance "
    "would be zero or less. Use a smaller bend diameter or gap.";

// Raises bs::Error naming the cause when the last calculation (Yagidimensions) left a length,
// spacing, insert-to distance or folded dipole distance that the report would show as zero or
// below.
void CheckBuildable(const bs::YagiVar::State& state);

// Calculates a copy of the state after StoreDesignInputs and raises as CheckBuildable does, so
// that an impossible design is refused before its results are shown. Faults of the calculation
// itself are left to the real calculation, which reports them at their step.
void RefuseUnbuildableDesign(const bs::YagiVar::State& state);

}  // namespace bs::design
