// The search's working values for the strings of a candidate fingering.
#pragma once

#include "instrument/instrument.h"
#include "instrument/tuning.h"

namespace corvanta {

// The search's working values for a string are the key text's (key_text.h):
// muted, open, a fret, or a barre's lowest string.
inline constexpr int kMuted = kMutedString;
inline constexpr int kOpen = 0;
// A fingering whose highest fret is at most this counts as the first
// position, and its diagram starts at fret 1.
inline constexpr int kFirstPositionHighestFret = 5;

// A key is "MMCCXX " followed by the six values, each with a trailing blank.
inline constexpr std::size_t kKeyPrefixLength = 7;

}  // namespace corvanta
