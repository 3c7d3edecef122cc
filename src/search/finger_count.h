// The fingers a fingering takes, and whether a full barre is needed.
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

// Barres as players lay them, beyond the strict rules (the practical
// voicings'): a barre may stop short of an open string it does not cover
// (Abm9 as 4 1 1 1 0 2, the first finger across strings 1 to 3), and a
// two-string barre may lie on any two adjacent strings (Caug9 as
// x 3 2 3 3 4, the ring finger across G and B).
struct PlayedBarres {
  bool stopShortOfOpen = false;
  bool twoStringsAnywhere = false;
};

// The number of fingers a fingering needs, one per barre and one per other
// held string. Writes -f markers into the values for the barres it uses.
// Any number of strings, lowest first.
int CountFingers(std::span<int> values, bool noFullBarres, PlayedBarres played = {});

}  // namespace corvanta
