#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// How the extensions of a typed symbol are read. Classic is the program's
// own vocabulary: "9", "11", "13" add that one degree and "dim" is the
// diminished seventh. Standard is jazz and pop notation: a 9, 11 or 13 right
// after the root or the quality implies the seventh (and the ninth below an
// 11 or 13), and dim, ° or o without 7 is the diminished triad.
enum class ChordNotation { Classic, Standard };

// Rewrites the standard spellings of a typed chord symbol into the words of
// the degree check list ("Cmaj7" -> "C7+", "F#m7b5" -> "F#m/7/b5",
// "E7#9" -> "E7/9+"), so that the symbol reader then reads them. A word the
// check list already recognises is left exactly as typed (in the classic
// notation), and so is the bass after the last slash; a word that cannot be
// respelled keeps its text, for the reader to report as unrecognised.
// UTF-8 signs (♯ ♭ Δ △ ø Ø ° −) are accepted; any text is accepted, in time
// linear in its length.
std::string RespellChordSymbol(std::string_view text, ChordNotation notation);

}  // namespace corvanta
