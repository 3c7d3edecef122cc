#pragma once

#include <array>
#include <vector>

#include "instrument/tuning.h"

namespace corvanta {

inline constexpr int kNoTone = -1;

// Per string and fret: the pitch class of a wanted note sounding there, else
// kNoTone. Frets 0..fretCount+4 are filled; the rest stay kNoTone.
using ToneMap = std::array<std::array<int, kFretSlots>, kStringCount>;

ToneMap BuildToneMap(const Tuning& tuning, int fretCount, const std::vector<int>& notes);

}  // namespace corvanta
