// How the extensions of a typed symbol are read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// How the extensions of a typed symbol are read. Classic is the program's
// own vocabulary: "9", "11", "13" add that one degree and "dim" is the
// diminished seventh. Standard is jazz and pop notation: a 9, 11 or 13 right
// after the root or the quality implies the seventh (and the ninth below an
// 11 or 13), and dim, ° or o without 7 is the diminished triad.
enum class ChordNotation { Classic, Standard };

// Tones a symbol asks to leave out: "no3", "omit5", "no root", and the fifth
// of "alt".
// Leads a piece of a typed word that nothing reads; it is no note name.
inline constexpr char kUnusedMark = '\x1F';

struct RequestedOmissions {
  bool root = false;
  bool third = false;
  bool fifth = false;
  bool any() const { return root || third || fifth; }
};

// A typed symbol in the words the symbol reader knows.
struct SpelledSymbol {
  std::string text;  // the check list's words, the bass kept
  RequestedOmissions omit;
  std::string omittedRoot;             // the root's omission as typed ("no root", "omit1")
  bool noChord = false;                // "N.C."
  bool ownWords = false;               // the text is read exactly as typed
  std::vector<std::string> ambiguous;  // "sus9 as 9sus4": see SymbolReading
  bool impliedNinth = false;           // the ninth is the 11's or 13's, not written
};

// Rewrites the standard spellings of a typed chord symbol into the words of
// the degree check list ("Cmaj7" -> "C7+", "F#m7b5" -> "F#m/7/b5",
// "E7#9" -> "E7/9+", "CMI7" -> "Cm/7", "C13(b9)" -> "C7/13(b9)"), so that the
// symbol reader then reads them. A word the check list already has is left
// exactly as typed (in the classic notation), and so is the bass after the
// last slash; a word that starts with nothing known keeps its text, for the
// reader to report as unrecognised; what is left of a word after the known
// part becomes a word of its own led by kUnusedMark, which the reader
// reports and never takes for the bass ("Gm11A" is not Gm11 over A).
// UTF-8 signs (♯ ♭ 𝄪 𝄫 Δ △ ø Ø ° −) are accepted; any text is accepted, in
// time linear in its length.
SpelledSymbol SpellChordSymbol(std::string_view text, ChordNotation notation);

// SpellChordSymbol without its shortcut for symbols whose words all read as
// typed: every word respelled one by one, the plain reference the tests
// hold the shortcut against.
SpelledSymbol SpellChordSymbolWordByWord(std::string_view typed, ChordNotation notation);

// The text of SpellChordSymbol alone.
std::string RespellChordSymbol(std::string_view text, ChordNotation notation);

}  // namespace corvanta
