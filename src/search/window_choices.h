#pragma once

// The fret windows a bass placement opens, each free string's choices in a
// window, and which candidates earlier windows of the same bass already gave.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "search/enumeration.h"
#include "search/fingering.h"
#include "search/tone_map.h"

namespace corvanta::enumeration {

inline constexpr int kFrettedBassWindows = 5;
inline constexpr int kWindowWidth = 4;

struct BassPosition {
  int string;
  int fret;
};

struct FretWindow {
  int lo;
  int hi;
};

// The next unvisited bass position, marked as visited.
inline std::optional<BassPosition> TakeBassPosition(ToneMap& bassMap, int fretCount) {
  for (int string = 0; string <= kHighestBassString; ++string) {
    for (int fret = 0; fret < fretCount; ++fret) {
      if (bassMap[string][fret] >= 0) {
        bassMap[string][fret] = kNoTone;
        return BassPosition{string, fret};
      }
    }
  }
  return std::nullopt;
}

// Per string, bit f set when fret f sounds a chord tone.
using ChordFretMasks = std::array<std::uint32_t, kStringCount>;

inline ChordFretMasks ChordFretMasksOf(const ToneMap& chordMap) {
  ChordFretMasks masks{};
  for (int string = 0; string < kStringCount; ++string) {
    for (int fret = 0; fret < kFretSlots; ++fret)
      if (chordMap[string][fret] >= 0) masks[string] |= 1u << fret;
  }
  return masks;
}

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

// A window's candidates are every combination of its strings' choices (each
// string runs through its list, then muted), so a candidate was already met
// in an earlier window of the same bass exactly when such a window holds all
// its fretted values: the overlapping windows' repeats are known without
// remembering them.
class EarlierWindows {
 public:
  EarlierWindows(const ChordFretMasks& chordFrets, int bassFret, int window)
      : chordFrets_(chordFrets), bassFret_(bassFret), window_(window) {}

  // What Hold needs of the free strings, gathered as their values are chosen.
  struct FreeSpan {
    int low = kMuted;  // lowest held fret
    int high = -1;     // highest held fret
    bool open = false;

    // Made field by field, never as a copy: these facts are read right after
    // they are written, and a wide copy would wait for the narrow writes.
    FreeSpan With(int value) const {
      const bool held = value != kMuted && value != kOpen;
      return {held && value < low ? value : low, held && value > high ? value : high,
              open || value == kOpen};
    }
  };

  // The lowest highest held free fret a candidate of this window can have
  // without earlier windows holding it: such a candidate reaches the top of
  // the window, or the fret below it (see Hold). Earlier windows hold every
  // other one, except in the first window and, for the open bass, in the
  // second, where open strings first become choices.
  int LowestNewHigh() const {
    bool everyOtherHeld = window_ > (bassFret_ == 0 ? 1 : 0);
    return everyOtherHeld ? bassFret_ + window_ - 1 : -1;
  }

  // Where earlier windows' repeats are pruned (LowestNewHigh() >= 0), a
  // candidate is new exactly when its highest held free fret is the top of
  // the window, or is the fret below it held by a string with no first
  // choice below that fret (the window ending there cannot give it): Hold's
  // own reasoning, for one string at a time.
  bool NewAtFretBelowTop(std::uint32_t stringChordFrets) const {
    return (stringChordFrets & FirstsBelow(bassFret_ + window_ - 1)) == 0;
  }

  bool Hold(const Frets& candidate, int fixedStringCount, const FreeSpan& span) const {
    if (window_ == 0) return false;
    const int low = span.low, high = span.high;
    if (high < 0) {
      // Open and muted strings only: an open string is a first choice in
      // every window that ends above the nut.
      return !span.open || window_ - 1 >= std::max(0, 1 - bassFret_);
    }
    // Earlier windows a with hi = bassFret + a >= high and lo = hi - 4 <= low.
    int from = std::max(0, high - bassFret_);
    int to = std::min(window_ - 1, low - bassFret_ + kWindowWidth);
    if (from > to) return false;
    if (to > high - bassFret_) return true;  // a window above high: every value is a choice there
    // Only the window ending at high: a string at high is a choice there when
    // it has a first choice below high (the open string, or a chord fret).
    const std::uint32_t firstsBelowHigh = FirstsBelow(high);
    for (int string = fixedStringCount; string < kStringCount; ++string) {
      if (candidate[string] == high && (chordFrets_[string] & firstsBelowHigh) == 0) return false;
    }
    return true;
  }

 private:
  // The frets from which a string's value at `fret` could be a later choice
  // in the window ending at `fret`: the open string, or a fret below it.
  static std::uint32_t FirstsBelow(int fret) {
    return FretRange(std::max(1, fret - kWindowWidth), fret - 1) | 1u;
  }

  const ChordFretMasks& chordFrets_;
  int bassFret_;
  int window_;
};

}  // namespace corvanta::enumeration
