// The chord that sounds when a symbol names a shape above a capo.
#pragma once

#include <string>
#include <string_view>

#include "theory/note_names.h"

namespace corvanta {

// The chord that sounds when a symbol names a shape above a capo: the root
// and a written bass raised by the capo, spelled with the accidentals given
// ("G" under capo 2 sounds "A", "Am7/G" sounds "Bm7/A"). The symbol as it
// is, blanks trimmed, without a capo or a root.
std::string SoundingSymbol(std::string_view symbol, int capo, Accidentals names);

}  // namespace corvanta
