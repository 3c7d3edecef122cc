// A typed symbol read into the chord entry, and the entry's names and spellings.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "symbols/chord_readings.h"
#include "symbols/chord_spelling.h"
#include "theory/chord_entry.h"

namespace corvanta {

// What reading a typed symbol did: one search, and the words it could not use.
struct SymbolReading : EntryOutcome {
  // Words that are neither a degree-list word nor the bass, in the order
  // typed; with no root, the text's first character leads the first one.
  std::vector<std::string> unrecognised;
  bool namesRoot = false;  // false: the root is 12, which no string sounds
  // Degrees of the chord left out, in the order they went: asked for
  // ("no3") or to fit six notes with the bass ("5", "11", "root"); with the
  // program's own words, the degrees refused at the note limit ("13").
  std::vector<std::string> omitted;
  // Spellings chord libraries read differently, each with the reading
  // taken ("9/6 as 6/9"), so that nothing ambiguous is read in silence.
  std::vector<std::string> ambiguous;
  bool noChord = false;  // "N.C.": nothing to play, nothing searched for
  // The notes a chord needs when even leaving tones out leaves more than
  // six: it is refused, the entry is as it was before and nothing is
  // searched. 0 when the chord was taken.
  int tooManyNotes = 0;
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
// into the program's words (SpellChordSymbol), then read as above. A text of
// the program's own words alone reads exactly as ReadChordSymbol reads it;
// any other chord of more than six notes (bass included) leaves out tones
// as players do (FitChord) and reports them, or is refused. "N.C." is no
// chord: the root and bass are 12 and nothing sounds.
SymbolReading ReadTypedChord(ChordEntry& entry, std::string_view text, ChordNotation notation);

// The note names of the chord as entered, bass first, then the other chord
// tones from the root up, each spelled by its degree from the root as the
// root grid names it (C minor: C Eb G); a bass outside the chord as the bass
// grid names it. Empty without a root.
std::vector<std::string> ChordNoteNames(const ChordEntryState& state);

// Every pitch class named as the chord spells it, for the notes under the
// strings and in the JSON: the chord's tones and a bass outside it as
// ChordNoteNames names them (C7: Bb, F#7: A#), any other note as the root
// grid names it. Without a root, the root grid's names.
std::array<std::string, kPitchClassCount> ChordSpelling(const ChordEntryState& state);

// The chord as entered, read on its own root (its formula and bass).
ChordReading EntryReading(const ChordEntryState& state);

// The readings of the chord's notes over its bass, best first (ReadChord);
// none without a root.
std::vector<ChordReading> EntryReadings(const ChordEntryState& state);

// The chord's root as the root grid names it: the spelling its readings
// give the root when it is theirs (any other root is spelled as its key
// prefers).
std::string_view EntryRootName(const ChordEntryState& state);

// The best reading written in the notation; empty without a root.
std::string BestEntryName(const ChordEntryState& state, ChordNotation notation);

// The chord as the program writes it: in the classic notation the symbol box
// text as composed or read; in the standard notation a standard chord symbol
// of the same root, tones and bass (C7+ is Cmaj7, Cm/7/b5 is Cm7b5).
std::string ChordSymbolText(const ChordEntryState& state, ChordNotation notation);

}  // namespace corvanta
