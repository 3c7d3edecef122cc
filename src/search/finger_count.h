#pragma once

#include <span>

#include "search/fingering.h"

namespace corvanta {

// Returned when a full barre is needed while full barres are excluded: more
// fingers than a hand has, so the fingering is rejected.
inline constexpr int kRejectedFingerCount = 6;

// The fingers of the hand. A fingering with at most this many held strings
// needs no barre: CountFingers returns the count and leaves it unchanged.
inline constexpr int kFingerCount = 4;

// The number of fingers a fingering needs, one per barre and one per other
// held string. Writes -f markers into the values for the barres it uses.
// Any number of strings, lowest first.
int CountFingers(std::span<int> values, bool noFullBarres);

}  // namespace corvanta
