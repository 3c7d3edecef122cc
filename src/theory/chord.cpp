// The search argument a Chord makes.
#include "theory/chord.h"

#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {

std::vector<int> Chord::SearchPitchClasses() const {
  return corvanta::SearchPitchClasses(TrimBlanks(formula), root, bass);
}

std::string Chord::SearchArgument() const { return SearchArgumentText(SearchPitchClasses()); }

}  // namespace corvanta
