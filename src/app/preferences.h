#pragma once

#include "symbols/chord_spelling.h"

namespace corvanta {

// The user's preferences, remembered between runs with QSettings. Only
// preferences live here: nothing of the chord, the tuning or the result is
// remembered.
namespace preferences {

ChordNotation Notation();
void SetNotation(ChordNotation notation);

}  // namespace preferences
}  // namespace corvanta
