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
  // The difficulty's terms a hand staying put keeps paid (song_cost.h): the
  // reach up the neck (its position term) and the forming (fingers, barre,
  // stretch). Reach is 0 for a shape with an open string.
  float reach = 0;
  float formed = 0;
  // Something held and no open string: the shape can stay up the neck.
  bool Closed() const { return !anyOpen && position > 0; }
  int Own(std::size_t string) const { return static_cast<int>((own >> (8 * string)) & 0xFF); }

  bool operator==(const HandShape&) const = default;
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

// A closed shape's form wherever it is on the neck: two closed shapes have
// the same form exactly when one is the other moved whole.
struct ShapeForm {
  std::uint64_t relative = 0;  // byte s: string s's own fret less the lowest held fret
  std::uint64_t held = 0;      // the high bit of each string's byte its own finger holds
  std::uint16_t sounding = 0;
  std::int8_t barreFrom = 0;
  bool barre = false;
  // Equal forms hash alike (unequal ones rarely: the hash only finds
  // candidates, MovedWithinReach decides).
  std::uint64_t Hash() const;
};
ShapeForm FormOf(const HandShape& shape);

// The same closed shape moved whole along the neck, by one fret or more but
// no further than reach.
bool MovedWithinReach(const HandShape& from, const HandShape& to,
                      const SongCostWeights& weights = kSongCostWeights);

// Where the hand is, apart from its fingers' movement (song_cost.h): a
// shape moved whole within reach is credited the forming and the reach the
// hand keeps; leaving a closed shape up the neck for an open one costs.
// Below 0 only when MovedWithinReach, and never below -StayCredit(to);
// otherwise BackToNutCost.
double PlaceCost(const HandShape& from, const HandShape& to,
                 const SongCostWeights& weights = kSongCostWeights);

// PlaceCost's cost for going back to the nut alone: PlaceCost where it is
// not a credit, and never below it.
double BackToNutCost(const HandShape& from, const HandShape& to,
                     const SongCostWeights& weights = kSongCostWeights);

// The most PlaceCost credits any change into `to`: the search's bound.
inline double StayCredit(const HandShape& to, const SongCostWeights& weights = kSongCostWeights) {
  return to.Closed() ? weights.keptReach * to.reach + weights.keptForming * to.formed : 0.0;
}

// The shift term alone: a lower bound of MoveCost.
inline double ShiftCost(const HandShape& from, const HandShape& to,
                        const SongCostWeights& weights = kSongCostWeights) {
  if (from.position == 0 || to.position == 0) return 0.0;
  const int frets = to.position - from.position;
  return weights.shift * (frets < 0 ? -frets : frets);
}

}  // namespace corvanta
