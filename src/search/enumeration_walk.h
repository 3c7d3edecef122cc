#pragma once

// The enumeration's walks over every bass placement and window: the plain
// odometer that lists every candidate, and the search's pruned walk.
#include <array>

#include "search/enumeration.h"
#include "search/fingering.h"
#include "search/pruned_walk.h"
#include "search/tone_map.h"
#include "search/window_choices.h"

namespace corvanta::enumeration {

// One window's walk: the first candidate, then the odometer advancing the
// highest sounding free string and restarting every string above it, until
// every free string is muted. (With every free string muted at the start,
// the first candidate is handed on twice, as the odometer always steps once.)
template <typename Sink>
void WalkWindow(BassPosition bass, FretWindow window, const ChordFretMasks& chordFrets,
                Sink& sink) {
  auto give = [&](const Frets& candidate, int fixed) { sink.CheckFingering(candidate, fixed); };
  const int fixedStringCount = bass.string + 1;
  std::array<StringChoices, kStringCount> choices{};
  std::array<int, kStringCount> at{};
  Frets candidate;
  candidate.fill(kMuted);
  candidate[bass.string] = bass.fret;
  for (int string = fixedStringCount; string < kStringCount; ++string) {
    choices[string] = ChoicesOf(chordFrets[string], window);
    if (choices[string].count > 0) candidate[string] = choices[string].frets[0];
  }
  give(candidate, fixedStringCount);
  for (;;) {
    int string = kStringCount - 1;
    while (string >= fixedStringCount && candidate[string] == kMuted) --string;
    if (string >= fixedStringCount) {
      int next = ++at[string];
      candidate[string] = next < choices[string].count ? choices[string].frets[next] : kMuted;
      for (int higher = string + 1; higher < kStringCount; ++higher) {
        at[higher] = 0;
        candidate[higher] = choices[higher].count > 0 ? choices[higher].frets[0] : kMuted;
      }
    }
    give(candidate, fixedStringCount);
    bool exhausted = true;
    for (int free = fixedStringCount; free < kStringCount && exhausted; ++free)
      exhausted = candidate[free] == kMuted;
    if (exhausted) return;
  }
}

// Every candidate in discovery order: see EnumerateFingerings. With
// skipRepeats, the search's walk: each distinct candidate that can sound
// the chord, once, where it is first met.
template <bool skipRepeats = false, typename Sink>
void Enumerate(ToneMap bassMap, const ToneMap& chordMap, int fretCount, Sink& sink) {
  const ChordFretMasks chordFrets = ChordFretMasksOf(chordMap);
  while (auto bass = TakeBassPosition(bassMap, fretCount)) {
    // An open-string bass slides its window over the whole fret range.
    int windowCount = bass->fret > 0 ? kFrettedBassWindows : fretCount;
    for (int a = 0; a < windowCount; ++a) {
      FretWindow window{bass->fret + a - kWindowWidth, bass->fret + a};
      if constexpr (skipRepeats) {
        PrunedWalk<Sink>(*bass, window, a, chordMap, chordFrets, sink).Run();
      } else {
        WalkWindow(*bass, window, chordFrets, sink);
      }
    }
  }
}

}  // namespace corvanta::enumeration
