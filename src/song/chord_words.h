// A song's chord symbols read as chords, and lines told to be chord lines.
#pragma once

#include <string>
#include <string_view>

#include "song/song.h"

namespace corvanta {

// A chord symbol of a song read as a chord (the standard notation, as songs
// are written): the fields of SongChord that say what it is.
// A German "H" (B natural) is read as B and said so; a chord name a player
// marked ("Em$", "F*", "Am(V1)": a trailing mark or a parenthesised word
// the notation does not know) is read as the chord before the mark.
struct ReadSymbol {
  bool noChord = false;
  bool read = false;
  bool germanH = false;
  std::string problem;
  Chord chord;
};
ReadSymbol ReadSongSymbol(std::string_view utf8);

// The words that name a song's parts ("Chorus", "Verse 2:", "Pre-chorus").
bool IsSectionWord(std::string_view word);

// Marks a chord line or a progression holds besides chords, which are no
// chords and no lyrics: bar lines ("|", "||", "|:", ":|"), a repeat ("x2",
// "(x2)", "2x"), a held beat (".", "/", "%", "-").
bool IsBarWord(std::string_view word);

// "N.C." and its other spellings ("NC", "N.C").
bool IsNoChordWord(std::string_view word);

// How a line of words reads as chords: how many words are chords, how many
// marks, how many neither.
struct ChordLineCount {
  int chords = 0;
  int marks = 0;
  int others = 0;
};
ChordLineCount CountChordWords(std::string_view line);

// A line that holds chords and marks only, or more chords than other words
// (the others are then chords not understood).
bool IsChordLine(const ChordLineCount& count);

}  // namespace corvanta
