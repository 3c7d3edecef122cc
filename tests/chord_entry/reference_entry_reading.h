// The reading of a typed symbol into the chord controls' state, kept as the
// plain reference for the reader that makes a Chord without it.
#pragma once

#include <string_view>

#include "chord_entry/chord_entry.h"
#include "symbols/symbol_query.h"

namespace corvanta::reference {

// The own words read into the entry: root, words, bass, the check list's
// formula and the grids' names.
SymbolReading ReadChordSymbol(ChordEntry& entry, std::string_view text);

// A typed symbol respelled, read into the entry and fitted to six notes;
// refused, the entry is as it was.
SymbolReading ReadTypedChord(ChordEntry& entry, std::string_view text, ChordNotation notation);

}  // namespace corvanta::reference
