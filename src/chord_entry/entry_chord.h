// The chord entry and the Chord: the chord it shows, a typed symbol shown in
// it, and its chord's names as its grids spell them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chord_entry/chord_entry.h"
#include "symbols/symbol_query.h"
#include "theory/chord.h"

namespace corvanta {

// The chord the chord controls show.
Chord ChordOfEntry(const ChordEntryState& state);

// A symbol read (ChordOfSymbol, ReadOwnWords) shown in the controls: its
// ticks, formula and echo, the note grids on its root and bass and spelled
// as typed (a grid keeps its names where the text has no word for it). A
// refused chord leaves the entry as it was. Answers the reading.
SymbolReading ShowSymbol(ChordEntry& entry, SymbolChord read);

// A typed symbol read into the entry as the symbol box reads it.
SymbolReading ReadTypedChord(ChordEntry& entry, std::string_view text, ChordNotation notation);
// The same for the program's own words only.
SymbolReading ReadChordSymbol(ChordEntry& entry, std::string_view text);

// The chord entered named as chord_naming.h names a Chord.
std::vector<std::string> ChordNoteNames(const ChordEntryState& state);
std::array<std::string, kPitchClassCount> ChordSpelling(const ChordEntryState& state);
ChordReading EntryReading(const ChordEntryState& state);
std::vector<ChordReading> EntryReadings(const ChordEntryState& state);
std::string_view EntryRootName(const ChordEntryState& state);
std::string BestEntryName(const ChordEntryState& state, ChordNotation notation);
std::string ChordSymbolText(const ChordEntryState& state, ChordNotation notation);

}  // namespace corvanta
