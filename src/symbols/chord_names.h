#pragma once

#include <string>
#include <vector>

#include "theory/note_names.h"

namespace corvanta {

// The names under which the chord's notes can be read, in the order of the
// chord-name list: every note, and the bass, tried as the root, with the
// seventh, ninth, eleventh, thirteenth, suspended and diminished rewrites.
// notes: the chord tones after the omit options, root first; names: the
// root grid's texts as they stand (a pitch class without a row is named by
// the empty text).
std::vector<std::string> ListChordNames(std::vector<int> notes, int bassPitchClass,
                                        Accidentals names);

}  // namespace corvanta
