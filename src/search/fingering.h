#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "instrument/instrument.h"
#include "instrument/tuning.h"

namespace corvanta {

// Fret values, string 0 (lowest-pitched) first: 99 muted, 0 open, f held at
// fret f, -f held at fret f as the lowest string of a barre.
using Frets = std::array<int, kStringCount>;

inline constexpr int kMuted = kMutedString;
inline constexpr int kOpen = 0;
// A fingering whose highest fret is at most this counts as the first
// position, and its diagram starts at fret 1.
inline constexpr int kFirstPositionHighestFret = 5;

// A key is "MMCCXX " followed by the six values, each with a trailing blank.
inline constexpr std::size_t kKeyPrefixLength = 7;

// The six values of a key text (the characters after the prefix, without the
// final blank, trimmed and split at single blanks); nullopt when the text does
// not hold exactly six values, each 99 (muted) or a fret -29..29.
std::optional<Frets> ParseKeyFrets(std::string_view key);

// The value part of a key: each value followed by one blank.
std::string FretText(const Frets& frets);

}  // namespace corvanta
