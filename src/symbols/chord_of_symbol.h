// A typed symbol read as a chord, with what the reading said.
#pragma once

#include <string_view>

#include "symbols/symbol_query.h"
#include "theory/chord.h"

namespace corvanta {

// A typed symbol read as the chord it names, with what the reading said
// (words not understood, tones left out, no chord, too many notes).
struct SymbolChord {
  Chord chord;
  SymbolReading reading;
};
SymbolChord ChordOfSymbol(std::string_view text, ChordNotation notation);

}  // namespace corvanta
