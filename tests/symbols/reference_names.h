// A plain chord-name reading over std::string, for differential tests.
#pragma once

// A plain reading of the chord-name list over std::string, step by step as
// the rules are written, to hold the fast naming against.
#include <string>
#include <vector>

#include "theory/note_names.h"

namespace corvanta::reference {

std::vector<std::string> ChordNames(const std::vector<int>& chordTones, int bassPitchClass,
                                    Accidentals names);

}  // namespace corvanta::reference
