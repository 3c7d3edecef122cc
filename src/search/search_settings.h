// Everything besides the chord that decides a search's result.
#pragma once

#include <cstdint>

#include "instrument/tuning.h"
#include "search/finger_count.h"
#include "theory/chord_defaults.h"

namespace corvanta {

// Everything besides the argument text that decides a search's result: the
// chord state read by the search and the option controls of the window.
struct SearchSettings {
  int fretCount = kDefaultFretCount;  // frets in which a bass position may lie
  int span = kDefaultSpan;            // highest minus lowest fret must stay below it
  bool omitThird = false;
  bool omitFifth = false;
  bool noFullBarres = false;  // reject fingerings that need the barre at their lowest fret
  bool simpleChords = false;  // reject a muted string among strings 2..5
  int thirdInterval = kMajorThird;
  int fifthInterval = kPerfectFifth;
  int rootPitchClass = 0;
  int bassPitchClass = 0;
  bool practical = false;  // the voicings players use (SearchPractical); off as specified
  // Chord tones that may sound and need not (bit per pitch class); none in
  // the strict search.
  std::uint16_t optionalTones = 0;
  // Barres as players lay them; the strict rules' in the strict search.
  PlayedBarres barres{};
  // The practical rules' bass: the lowest pitch sounds the bass (on an
  // instrument played in any inversion only when one is written), and over
  // another bass the root sounds on another string. Off in the strict search.
  bool bassLowest = false;
  // The practical rules' triads on a bass-built instrument: a chord may
  // also sound on the bass and exactly this many free strings, every tone
  // of it, the bass then on any string with that many above it (Ddim as
  // x x 0 1 x 1, E/G# as x x x 1 0 0). 0 in the strict search.
  int triadFreeStrings = 0;
  // At most this many free strings sound (the practical rules' three-string
  // triads); no limit in the strict search.
  int maxFreeSounding = kMaxInstrumentStrings;
};

// The fret counts the window offers; the core accepts 1..kMaxFretCount.
inline constexpr int kMaxFretCount = 25;

}  // namespace corvanta
