#pragma once

#include "search/fingering.h"
#include "search/tone_map.h"

namespace corvanta {

// Receives every candidate in discovery order.
class CandidateSink {
 public:
  virtual ~CandidateSink() = default;
  virtual void CheckFingering(const Frets& candidate, int fixedStringCount) = 0;
};

// The lowest string that may carry the bass.
inline constexpr int kHighestBassString = 2;

// Places the bass on strings 0..2 at every fret below fretCount where the bass
// map has it (string 0 first, frets ascending) and, for each placement, walks
// the fret windows with the odometer of the free strings. Strings below the
// bass string are muted. The bass map is taken by value because the walk
// consumes it.
void EnumerateFingerings(ToneMap bassMap, const ToneMap& chordMap, int fretCount,
                         CandidateSink& sink);

}  // namespace corvanta
