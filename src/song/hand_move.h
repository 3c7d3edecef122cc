#pragma once

#include <array>
#include <cstdint>

#include "instrument/instrument.h"
#include "search/voicing.h"
#include "song/song_cost.h"

namespace corvanta {

// A voicing as the hand holds it, for measuring a change: the fret each
// finger of its own presses on each string (0: none, the string open,
// muted or under the barre), the barre, and where the hand is.
struct HandShape {
  std::array<std::int8_t, kMaxInstrumentStrings> own{};
  std::uint8_t strings = 0;
  std::int8_t barreFret = 0;   // 0: no barre
  std::int8_t barreFrom = 0;   // its lowest string
  std::int8_t position = 0;    // the lowest held fret, 0 when nothing is held
  bool anyOpen = false;        // an open string sounds (the shape cannot move whole)
  std::uint16_t sounding = 0;  // bit s: string s sounds
};

HandShape ShapeOfVoicing(const Voicing& voicing);

// The cost of the hand going from one voicing to the next: each finger
// placed, lifted or slid, and the hand's shift along the neck; a shape
// moved whole pays only the shift. Zero for the same voicing, never
// negative (the path search's pruning relies on both).
double MoveCost(const HandShape& from, const HandShape& to,
                const SongCostWeights& weights = kSongCostWeights);

}  // namespace corvanta
