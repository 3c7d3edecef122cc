#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "symbols/chord_spelling.h"
#include "theory/chord_entry.h"

namespace corvanta {

// What reading a typed symbol did: one search, and the words it could not use.
struct SymbolReading : EntryOutcome {
  // Words that are neither a degree-list word nor the bass, in the order
  // typed; with no root, the text's first character leads the first one.
  std::vector<std::string> unrecognised;
  bool namesRoot = false;  // false: the root is 12, which no string sounds
};

// Reads a chord symbol in the program's own words ("C#m7/G#", "Bbsus4",
// "C/b9") into the chord entry. It finds the root, the degree words and the
// bass, ticks the matching check-list items, composes the formula with the
// check list's rules, relabels the note grids after the typed accidentals,
// writes a cleaned-up echo into the symbol box and asks for one search.
//
// Any text is accepted, of any length, in time linear in its length, and
// read character by character (a UTF-8 character is never split). A text
// that begins with no note name gives the root 12, which no string sounds.
SymbolReading ReadChordSymbol(ChordEntry& entry, std::string_view text);

// A symbol as guitarists type it: standard spellings are first respelled
// into the program's words (RespellChordSymbol), then read as above.
SymbolReading ReadTypedChord(ChordEntry& entry, std::string_view text, ChordNotation notation);

// The note names of the chord as read, bass first, then the other chord
// tones in formula order, spelled as the root grid shows them.
std::vector<std::string> ChordNoteNames(const ChordEntryState& state);

}  // namespace corvanta
