// A typed symbol read as the Chord it names, with what the reading said.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "symbols/chord_readings.h"
#include "symbols/chord_spelling.h"
#include "theory/chord.h"
#include "theory/degree_codes.h"

namespace corvanta {

// What reading a typed symbol did: one search, and the words it could not use.
struct SymbolReading {
  int searches = 0;  // 1 when a chord was read, 0 when it was refused
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
  // six: it is refused and nothing is searched. 0 when the chord was taken.
  int tooManyNotes = 0;
  bool operator==(const SymbolReading&) const = default;
};

// A typed symbol read: the chord it names (its symbol the cleaned-up echo,
// its spelling the typed root's accidentals), what the reading said, and
// what its words make of the degree check list, for a control that shows
// them. A refused chord is the default Chord and changes nothing.
struct SymbolChord {
  Chord chord;
  SymbolReading reading;
  // The check-list items the words tick (the major item alone for no words
  // or no chord) and the type name they compose ("m/7").
  std::array<bool, kDegreeItemCount> ticked{true};
  std::string typeName;
  // The accidentals of the last word, when there are words: how a bass
  // grid would spell its notes (chord.bassSpelling, Sharps otherwise).
  std::optional<Accidentals> bassNames;
};

// Reads a chord symbol in the program's own words ("C#m7/G#", "Bbsus4",
// "C/b9"): the root, the degree words and the bass, the formula composed
// with the check list's rules (a degree past six notes with the bass is
// refused and reported) and a cleaned-up echo.
//
// Any text is accepted, of any length, in time linear in its length, and
// read character by character (a UTF-8 character is never split). A text
// that begins with no note name gives the root 12, which no string sounds.
SymbolChord ReadOwnWords(std::string_view text);

// A symbol as guitarists type it: standard spellings are first respelled
// into the program's words (SpellChordSymbol), then read as above. A text of
// the program's own words alone reads exactly as ReadOwnWords reads it;
// any other chord of more than six notes (bass included) leaves out tones
// as players do (FitChord) and reports them, or is refused. "N.C." is no
// chord: the root and bass are 12 and nothing sounds.
SymbolChord ChordOfSymbol(std::string_view text, ChordNotation notation);

}  // namespace corvanta
