// The Chord of the chord entry, and the search argument a Chord makes.
#include "theory/chord.h"

#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {

std::vector<int> Chord::SearchPitchClasses() const {
  return corvanta::SearchPitchClasses(TrimBlanks(formula), root, bass);
}

std::string Chord::SearchArgument() const { return SearchArgumentText(SearchPitchClasses()); }

Chord ChordOfEntry(const ChordEntryState& state) {
  Chord chord;
  chord.root = state.rootPitchClass;
  chord.bass = state.bassPitchClass;
  chord.formula = state.chordFormula;
  chord.thirdInterval = state.thirdInterval;
  chord.fifthInterval = state.fifthInterval;
  chord.omitThird = state.omitThird;
  chord.omitFifth = state.omitFifth;
  chord.symbol = state.chordSymbol;
  chord.spelling = state.rootGridNames;
  return chord;
}

}  // namespace corvanta
