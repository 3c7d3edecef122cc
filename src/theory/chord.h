// The Chord value: a chord as music, whatever named it.
#pragma once

#include <string>
#include <vector>

#include "theory/chord_defaults.h"
#include "theory/note_names.h"

namespace corvanta {

// A chord as music, whatever named it (the grids and ticks, a typed symbol,
// a song): its root, its formula of tones above it, the bass, the tones
// the player chose to leave out, and its symbol. The window, the CLI, songs
// and the tests all voice chords through this value.
struct Chord {
  int root = 0;                       // pitch class; kNoPitchClass: none named
  int bass = 0;                       // the root when there is no slash bass
  std::string formula{"00 04 07"};    // semitones from the root, "00" first
  int thirdInterval = kMajorThird;    // the third the omit-third option removes
  int fifthInterval = kPerfectFifth;  // the fifth the omit-fifth option removes
  bool omitThird = false;
  bool omitFifth = false;
  std::string symbol{"C"};                         // as shown: typed, or composed by the grids
  Accidentals spelling = Accidentals::Sharps;      // how its notes are named
  Accidentals bassSpelling = Accidentals::Sharps;  // how a bass outside it is named
  bool operator==(const Chord&) const = default;

  bool NamesRoot() const { return root != kNoPitchClass; }
  bool HasSlashBass() const { return bass != root; }
  // What the search is given: the bass, then the chord's tones ({4, 0, 4, 7}).
  std::vector<int> SearchPitchClasses() const;
  // The same as text ("4 0 4 7").
  std::string SearchArgument() const;
};

}  // namespace corvanta
