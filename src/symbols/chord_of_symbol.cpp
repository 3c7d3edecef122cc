// Reads a typed symbol as the chord it names.
#include "symbols/chord_of_symbol.h"

namespace corvanta {

SymbolChord ChordOfSymbol(std::string_view text, ChordNotation notation) {
  ChordEntry entry;
  SymbolChord read;
  read.reading = ReadTypedChord(entry, text, notation);
  read.chord = ChordOfEntry(entry.state);
  return read;
}

}  // namespace corvanta
