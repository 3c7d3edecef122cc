#pragma once

#include "search/fingering.h"

namespace corvanta {

// Returned when a full barre is needed while full barres are excluded: more
// fingers than a hand has, so the fingering is rejected.
inline constexpr int kRejectedFingerCount = 6;

// The number of fingers a fingering needs, one per barre and one per other
// held string. Writes -f markers into the values for the barres it uses.
int CountFingers(Frets& values, bool noFullBarres);

}  // namespace corvanta
