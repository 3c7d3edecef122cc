// A chord as its words compose it, and fitted to the note limit.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "symbols/chord_spelling.h"
#include "theory/chord_defaults.h"
#include "theory/degree_codes.h"

namespace corvanta {

// A chord as its words compose it with no note limit: the base formula and
// the added degrees, in formula order ("00 04 07" and " 10 02").
struct ComposedChord {
  std::string base;
  std::string additions;
  std::array<bool, kDegreeItemCount> ticked{};  // every item a word named
  int root = 0;
  int bass = 0;
  bool impliedNinth = false;  // the ninth only implied by an 11 or 13
};

// The chord made to fit: its formula, the degrees left out in the order
// they went ("3" asked for, then "5", "11" to fit), and how many notes it
// still needs when even that is too many.
struct FittedChord {
  std::string formula;
  std::vector<std::string> omitted;
  std::size_t asked = 0;  // how many of omitted, first, the symbol asked for
  int notes = 0;
  bool fits() const { return notes <= kMostChordNotes; }
};

// Leaves out first what the symbol asks to leave out, then, while more than
// six notes would sound with the bass, what players leave out, in this
// order: the unaltered fifth (C13(#11) keeps its 13 and #11), a ninth only
// implied by an 11 or 13 (a written tone stays before an implied one), the eleventh
// of a thirteenth chord, an unaltered ninth beside an altered one, and the
// root over another bass (rootless voicings). The root is only left out
// over another bass, where something else can sound lowest.
FittedChord FitChord(const ComposedChord& chord, RequestedOmissions omit);

}  // namespace corvanta
