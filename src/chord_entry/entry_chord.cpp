// The chord entry's Chord, and typed symbols shown in the entry.
#include "chord_entry/entry_chord.h"

#include "symbols/chord_naming.h"

namespace corvanta {

Chord ChordOfEntry(const ChordEntryState& state) {
  Chord chord;
  chord.root = state.rootPitchClass;
  chord.bass = state.bassPitchClass;
  chord.formula = state.chordFormula;
  chord.thirdInterval = state.thirdInterval;
  chord.fifthInterval = state.fifthInterval;
  chord.omitThird = state.omitThird;
  chord.omitFifth = state.omitFifth;
  chord.symbol = state.chordSymbol;
  chord.spelling = state.rootGridNames;
  chord.bassSpelling = state.bassGridNames;
  return chord;
}

SymbolReading ShowSymbol(ChordEntry& entry, SymbolChord read) {
  if (read.reading.tooManyNotes > 0) return std::move(read.reading);
  ChordEntryState& state = entry.state;
  Chord& chord = read.chord;
  state.typeName = std::move(read.typeName);
  state.bassGridEnabled = true;
  state.ticked = read.ticked;
  state.enabled.fill(true);
  state.rootPitchClass = chord.root;
  state.bassPitchClass = chord.bass;
  state.chordFormula = std::move(chord.formula);
  state.chordSymbol = std::move(chord.symbol);
  if (read.reading.noChord) return std::move(read.reading);
  state.rootGridNames = chord.spelling;
  if (read.bassNames) state.bassGridNames = *read.bassNames;
  // The note grids follow the chord read (with no search of their own), so
  // a later click composes its symbol from the chord shown: Am7, then the
  // bass G, is Am/7/G, never the grids' old root over G.
  if (read.reading.namesRoot) {
    state.rootGridRow = chord.root;
    state.rootName = entry.BassGridText(chord.root);
    state.bassGridRow = chord.bass;
    state.bassSuffix = chord.bass == chord.root ? std::string()
                                                : "/" + std::string(entry.BassGridText(chord.bass));
  }
  return std::move(read.reading);
}

SymbolReading ReadTypedChord(ChordEntry& entry, std::string_view text, ChordNotation notation) {
  return ShowSymbol(entry, ChordOfSymbol(text, notation));
}

SymbolReading ReadChordSymbol(ChordEntry& entry, std::string_view text) {
  return ShowSymbol(entry, ReadOwnWords(text));
}

std::vector<std::string> ChordNoteNames(const ChordEntryState& state) {
  return ChordNoteNames(ChordOfEntry(state));
}

std::array<std::string, kPitchClassCount> ChordSpelling(const ChordEntryState& state) {
  return ChordSpelling(ChordOfEntry(state));
}

ChordReading EntryReading(const ChordEntryState& state) {
  return ChordReadingOnRoot(ChordOfEntry(state));
}

std::vector<ChordReading> EntryReadings(const ChordEntryState& state) {
  return ChordReadingsOf(ChordOfEntry(state));
}

std::string_view EntryRootName(const ChordEntryState& state) {
  return NoteNameOf(state.rootGridNames, state.rootPitchClass);
}

std::string BestEntryName(const ChordEntryState& state, ChordNotation notation) {
  return BestChordName(ChordOfEntry(state), notation);
}

std::string ChordSymbolText(const ChordEntryState& state, ChordNotation notation) {
  return ChordSymbolText(ChordOfEntry(state), notation);
}

}  // namespace corvanta
