#pragma once

// The enumeration's walk, as a template over the sink so that the search
// calls its collector directly (a candidate costs a few nanoseconds; a
// virtual call per candidate would be a good part of that).
#include <algorithm>
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

// The first choice of a free string: the open string when it sounds a chord
// tone, else the lowest chord-tone fret from lo to hi-1; muted when none.
inline void FirstFingering(Frets& candidate, const ToneMap& chordMap, int firstFree, FretWindow window) {
  for (int string = firstFree; string < kStringCount; ++string) {
    candidate[string] = kMuted;
    for (int fret = 0; fret < window.hi; ++fret) {
      if (chordMap[string][fret] >= 0 && (fret == 0 || fret >= window.lo)) {
        candidate[string] = fret;
        break;
      }
    }
  }
}

// Advances exactly one string, the highest that is not muted, to its next
// chord-tone fret up to hi (or to muted), and restarts every higher string.
inline void NextFingering(const Frets& first, Frets& candidate, const ToneMap& chordMap, int bassString,
                   FretWindow window) {
  for (int string = kStringCount - 1; string > bassString; --string) {
    if (candidate[string] == kMuted) continue;
    int next = kMuted;
    for (int fret = std::max(window.lo, candidate[string] + 1); fret <= window.hi; ++fret) {
      if (chordMap[string][fret] >= 0) {
        next = fret;
        break;
      }
    }
    candidate[string] = next;
    for (int higher = string + 1; higher < kStringCount; ++higher)
      candidate[higher] = first[higher];
    return;
  }
}

inline bool FreeStringsExhausted(const Frets& candidate, int bassString) {
  for (int string = bassString + 1; string < kStringCount; ++string) {
    if (candidate[string] != kMuted) return false;
  }
  return true;
}

// The pitch classes the free strings can sound in a window: the open string
// when it is a chord tone, and the chord tones from the window's frets.
inline std::uint16_t AvailableInWindow(const ToneMap& chordMap, int bassString, FretWindow window) {
  std::uint16_t available = 0;
  for (int string = bassString + 1; string < kStringCount; ++string) {
    for (int fret = 0; fret <= window.hi && fret < kFretSlots; ++fret) {
      if (fret > 0 && fret < window.lo) fret = window.lo;
      int tone = chordMap[string][fret];
      if (tone >= 0) available |= static_cast<std::uint16_t>(1u << tone);
    }
  }
  return available;
}

template <typename Sink>
void WalkWindow(BassPosition bass, FretWindow window, const ToneMap& chordMap, Sink& sink) {
  std::uint16_t required = sink.RequiredMask();
  if (required != 0 && (AvailableInWindow(chordMap, bass.string, window) & required) != required)
    return;
  Frets candidate;
  candidate.fill(kMuted);
  candidate[bass.string] = bass.fret;
  int fixedStringCount = bass.string + 1;
  FirstFingering(candidate, chordMap, fixedStringCount, window);
  sink.CheckFingering(candidate, fixedStringCount);
  const Frets first = candidate;
  do {
    NextFingering(first, candidate, chordMap, bass.string, window);
    sink.CheckFingering(candidate, fixedStringCount);
  } while (!FreeStringsExhausted(candidate, bass.string));
}


// Every candidate in discovery order: see EnumerateFingerings.
template <typename Sink>
void Enumerate(ToneMap bassMap, const ToneMap& chordMap, int fretCount, Sink& sink) {
  while (auto bass = TakeBassPosition(bassMap, fretCount)) {
    // An open-string bass slides its window over the whole fret range.
    int windowCount = bass->fret > 0 ? kFrettedBassWindows : fretCount;
    for (int a = 0; a < windowCount; ++a) {
      FretWindow window{bass->fret + a - kWindowWidth, bass->fret + a};
      WalkWindow(*bass, window, chordMap, sink);
    }
  }
}

}  // namespace corvanta::enumeration
