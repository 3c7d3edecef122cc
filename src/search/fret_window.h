// The frets each free string may take while the search walks a chord.
#pragma once

// The fret windows of the walk: which frets each free string may take while
// the hand stays in one place on the neck.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "instrument/tuning.h"
#include "theory/note_names.h"

namespace corvanta::enumeration {

// A fretted bass opens this many windows: the one ending at its fret and one
// ending at each of the four frets above, the reach of a hand that holds it.
inline constexpr int kFrettedBassWindows = 5;
// The free strings lie at most four frets below a window's top.
inline constexpr int kWindowWidth = 4;

struct FretWindow {
  int lo;
  int hi;
};

// The frets first..last (inclusive) as bits; empty when last < first.
inline std::uint32_t FretRange(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, kFretSlots - 1);
  if (last < first) return 0;
  return static_cast<std::uint32_t>(((std::uint64_t{1} << (last + 1)) - 1) &
                                    ~((std::uint64_t{1} << first) - 1));
}

// The values each free string takes in a window, in the odometer's order:
// its first choice (the open string when it sounds a chord tone, else the
// lowest chord-tone fret from lo to hi-1), then each next chord-tone fret up
// to hi. Listing them once makes each odometer step a few integer moves.
struct StringChoices {
  std::array<std::int8_t, kFretSlots + 1> frets{};
  std::uint8_t count = 0;
};

inline StringChoices ChoicesOf(std::uint32_t chordFrets, FretWindow window) {
  StringChoices choices;
  // The open string counts as below every window that ends above the nut.
  std::uint32_t firsts =
      chordFrets & (FretRange(std::max(window.lo, 1), window.hi - 1) | (window.hi > 0 ? 1u : 0u));
  if (firsts == 0) return choices;
  int first = std::countr_zero(firsts);
  choices.frets[choices.count++] = static_cast<std::int8_t>(first);
  for (std::uint32_t rest = chordFrets & FretRange(std::max(window.lo, first + 1), window.hi);
       rest != 0; rest &= rest - 1)
    choices.frets[choices.count++] = static_cast<std::int8_t>(std::countr_zero(rest));
  return choices;
}

// The number of pitch classes in a mask of the thirteen tones (the twelve
// and "no note"), by table: std::popcount is a library call on the baseline
// x86-64 this is built for, and the walk asks at every step.
inline constexpr int kToneMaskBits = 13;
static_assert(kNoPitchClass < kToneMaskBits, "every tone has its bit");
inline int ToneCount(std::uint16_t pitchClasses) {
  static constexpr std::array<std::uint8_t, 1u << kToneMaskBits> kBits = [] {
    std::array<std::uint8_t, 1u << kToneMaskBits> bits{};
    for (unsigned mask = 0; mask < bits.size(); ++mask)
      bits[mask] = static_cast<std::uint8_t>(std::popcount(mask));
    return bits;
  }();
  return kBits[pitchClasses & ((1u << kToneMaskBits) - 1)];
}

}  // namespace corvanta::enumeration
