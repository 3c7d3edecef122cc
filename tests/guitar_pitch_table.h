// The tests' plain reference for the six-string guitar's pitches: a table of
// the MIDI note at every string and fret, each open string in the octave
// nearest its standard pitch, and the same table under a capo.
#pragma once

#include <algorithm>
#include <array>

#include "instrument/capo.h"
#include "instrument/tuning.h"

namespace corvanta {

// MIDI note sounding at [string][fret].
using PitchTable = std::array<std::array<int, kFretSlots>, 6>;

inline PitchTable BuildPitchTable(const Tuning& tuning) {
  PitchTable table{};
  for (int string = 0; string < 6; ++string) {
    for (int fret = 0; fret < kFretSlots; ++fret)
      table[string][fret] = NearestPitch(tuning[string], kStandardPitches[string]) + fret;
  }
  return table;
}

// Fret f counted from the capo sounds what fret capo + f sounds without it
// (frets past the table repeat its last).
inline PitchTable PitchTableWithCapo(const PitchTable& table, int capo) {
  PitchTable shifted{};
  for (int string = 0; string < 6; ++string) {
    for (int fret = 0; fret < kFretSlots; ++fret)
      shifted[string][fret] = table[string][std::min(fret + ClampCapo(capo), kFretSlots - 1)];
  }
  return shifted;
}

}  // namespace corvanta
