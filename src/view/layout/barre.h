#pragma once

#include <span>
#include <vector>

#include "search/fingering.h"

namespace corvanta {

// A string a barre already covers, so that it gets no marker of its own.
inline constexpr int kCoveredByBarre = 100;

// The positions a barre at fret covers, walking from position `from` by
// `step` (towards the higher strings): it runs over strings held higher and
// over muted strings, and stops before an open string, a string held lower or
// one another barre covered. Strings held at the barre's fret are marked
// covered in values.
std::vector<int> CoverBarre(std::span<int> values, int from, int step, int fret);

}  // namespace corvanta
