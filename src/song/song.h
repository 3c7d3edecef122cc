// The song model: lines, chords at their places, sections and metadata.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "theory/chord.h"

namespace corvanta {

// The three forms a song arrives in. Auto: told from the text.
enum class SongFormat { Auto, ChordPro, ChordsOverWords, Progression };

// What one line of a song is. Every line of the text is one SongLine, in
// order, so nothing read is lost and the text can be written back.
enum class LineKind {
  Lyrics,     // words, with chords placed over them (possibly none)
  Chords,     // chords alone: a bare progression, or a chord line with no words under it
  Directive,  // a ChordPro {directive}
  Comment,    // a ChordPro "#" line: kept, never shown
  Blank,
  Heading,  // chords over words: "[Chorus]", "Verse 2:"
  Tab,      // inside start_of_tab: kept verbatim
  Grid,     // inside start_of_grid: bars of chords
  Dropped,  // a line a change took out (a define that could not move): not written
};

// A directive as written: `before` + value + `after` is the line, so a
// directive whose value changes (a transposed key) is written back with the
// rest of it as it was.
struct Directive {
  std::string name;     // the long form, lowercase ("title" for "t", "start_of_chorus" for "soc")
  std::string written;  // the name as written
  std::string value;    // trimmed; empty when the directive has none
  std::string before;   // "{title: "
  std::string after;    // "}" and anything after it on the line
  bool known = false;   // one of the directives the reader understands
  // Read from a plain line of a chords-over-words text ("Capo: 2nd fret"):
  // its source is written back while the value is the one read (readValue).
  bool plain = false;
  std::string readValue;
};

// Where a chord stands over the words of its line: a byte offset into the
// line's lyrics and the character column it shows at (UTF-8 characters,
// 0-based; past the words' end when a chord ends the line).
struct ChordPlacement {
  int chord = -1;               // index into Song::chords
  std::size_t lyricOffset = 0;  // bytes into SongLine::lyrics
  int column = 0;
};

struct SongLine {
  LineKind kind = LineKind::Blank;
  std::string source;  // the line as read, without its ending
  std::string ending;  // "\n", "\r\n", "\r", or "" for a last line without one
  std::string lyrics;  // Lyrics: the words with the chords taken out; Heading: its label
  std::vector<ChordPlacement> chords;  // left to right
  Directive directive;                 // Directive lines
  int section = -1;                    // index into Song::sections, -1 outside every section
  // Chords over words: the chord line above these words as read (its own
  // source line is this line's number minus one); empty otherwise.
  std::string chordSource;
  std::string chordEnding;
};

// A part of the song: ChordPro's start_of_X ... end_of_X, or a heading's
// lines in chords over words up to the next heading or blank-separated part.
struct SongSection {
  std::string kind;  // "chorus", "verse", "bridge", "tab", "grid", or the heading's word, lowercase
  std::string label;  // the directive's label or the heading as written
  int firstLine = 0;  // SongLine indices, inclusive
  int lastLine = 0;
};

// One chord occurrence in the text, in reading order.
struct SongChord {
  std::string written;   // UTF-8, exactly as in the text
  std::string text;      // the symbol now: written, or as a transposition respelled it
  int line = 0;          // SongLine index
  int sourceLine = 1;    // where it was read, 1-based, counting the text's lines
  int sourceColumn = 1;  // 1-based character column of its first character
  // Its bytes in its source line (the chord line's, in chords over words).
  std::size_t sourceOffset = 0;
  std::size_t sourceLength = 0;
  bool noChord = false;  // "N.C.": nothing sounds
  bool read = false;     // the symbol was understood; `chord` holds it
  std::string problem;   // why it was not read ("no root note", "unknown word 'xyz'")
  Chord chord;           // as the text names it (shapes above a {capo})
  // A name the song {define}s and the symbol reader does not know ("Riff"):
  // played from its define only, never searched; `chord` is then empty.
  bool definedOnly = false;
  // The {transpose} in effect at its line: ChordPro moves the chords from
  // that directive's line on.
  int transposeHere = 0;
};

// A {define} or {chord} line's shape: frets counted on the neck (from the
// base fret taken in), one stop per string.
struct SongDefine {
  std::string name;  // the chord name it defines, as written now
  Fingering frets;
  std::vector<int> fingers;  // as given, 0 for none; may be empty
  int line = 0;              // SongLine index
  // False once a transposition could not move it (open strings): it then
  // stays as written, for the name as written.
  bool movable = true;
  int transposeHere = 0;  // the {transpose} in effect at its line
};

// A song as read: its lines, its sections, its chords and its metadata.
struct Song {
  SongFormat format = SongFormat::Progression;  // the form it was read in
  bool byteOrderMark = false;
  std::vector<SongLine> lines;
  std::vector<SongSection> sections;
  std::vector<SongChord> chords;
  std::vector<SongDefine> defines;
  // Metadata from the directives (the last one given wins), UTF-8.
  std::string title;
  std::string subtitle;
  std::string artist;
  std::string composer;
  std::string album;
  std::string year;
  std::string key;  // {key} as written: the key of the chords as written
  int capo = 0;     // {capo}: the chords written are shapes above it
  std::string tempo;
  std::string time;
  std::string duration;
  std::string tuning;  // as a chords site or {meta: tuning ...} gives it
  // {transpose}: the semitones the song asks its first chords to be moved
  // by; each chord holds the one in effect at its line.
  int transpose = 0;
  // More chords than kMaxSongChords: those after the limit are text, so the
  // song can be neither transposed nor moved under another capo whole.
  bool chordsCut = false;
  // Directives the reader does not know, and "meta" ones, in order of
  // appearance, as "name: value" (they stay in `lines` too).
  std::vector<std::string> otherDirectives;
  // Notes a reading or a transposition made (a define that could not
  // move, a line cut at the size limit), for stderr and the window.
  std::vector<std::string> notes;
};

// The limits a song is read within: above them the reader stops, keeps
// what it read and says so in Song::notes.
inline constexpr std::size_t kMaxSongBytes = 1 << 20;
inline constexpr std::size_t kMaxSongChords = 5000;
// Lines are read up to this many (far more than a song has); the rest of
// the text is kept verbatim as one last line, so a text of nothing but
// line breaks costs memory by what is read, not by its bytes.
inline constexpr std::size_t kMaxSongLines = 20000;

}  // namespace corvanta
