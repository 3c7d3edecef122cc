// A voicing as the hand holds it, for measuring a change.
#pragma once

#include <cstdint>

#include "instrument/instrument.h"
#include "search/voicing.h"
#include "song/song_cost.h"

namespace corvanta {

// A voicing as the hand holds it, for measuring a change: the fret each
// finger of its own presses on each string (0: none, the string open,
// muted or under the barre) packed one byte a string, the barre, and where
// the hand is. Packed, a change is measured with a few word operations: a
// song's path compares every pair of voicings of neighbouring chords.
struct HandShape {
  std::uint64_t own = 0;       // byte s: string s's own finger's fret, 0 none
  std::int8_t barreFret = 0;   // 0: no barre
  std::int8_t barreFrom = 0;   // its lowest string
  std::int8_t position = 0;    // the lowest held fret, 0 when nothing is held
  bool anyOpen = false;        // an open string sounds (the shape cannot move whole)
  std::uint16_t sounding = 0;  // bit s: string s sounds
  int Own(std::size_t string) const { return static_cast<int>((own >> (8 * string)) & 0xFF); }
};

HandShape ShapeOfVoicing(const Voicing& voicing) noexcept;

// The cost of the hand going from one voicing to the next: each finger
// placed, lifted or slid (the barre counting as one finger), and the
// hand's shift along the neck; a shape moved whole (every sounding string
// shifted alike, none open) pays only the shift. Zero for the same
// voicing, never below the shift term (the path search's pruning relies
// on both). It cannot throw: said so, a call in the path search's inner
// loop needs no unwinding around it (under WebAssembly's exceptions
// through JavaScript, each such call went out to JavaScript and back).
double MoveCost(const HandShape& from, const HandShape& to,
                const SongCostWeights& weights = kSongCostWeights) noexcept;

// The shift term alone: a lower bound of MoveCost.
inline double ShiftCost(const HandShape& from, const HandShape& to,
                        const SongCostWeights& weights = kSongCostWeights) {
  if (from.position == 0 || to.position == 0) return 0.0;
  const int frets = to.position - from.position;
  return weights.shift * (frets < 0 ? -frets : frets);
}

}  // namespace corvanta
