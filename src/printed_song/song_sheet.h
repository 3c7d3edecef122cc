// The printed song as a model: title block, sections, lines, chords.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "session/sheet_model.h"

namespace corvanta {

// A printed song: what a player reads on the music stand. A title block,
// the song's distinct chords drawn once each with the voicing chosen for the
// song, then the body, in the order of the song. Texts are UTF-8; nothing
// here knows fonts or pages (the painter wraps and paginates).

// A piece of a lyric line: a chord standing above the first syllable of its
// lyric. A chord between words or at the end of a line has no lyric; a
// lyric before the line's first chord has no chord.
struct SongSheetSegment {
  std::string chord;
  std::string lyric;
  bool chordRead = true;  // false: printed as written, the reader could not read it
  // Not a chord: ChordPro's annotation "[*text]" (or a progression's "x2"),
  // printed where a chord stands, without its brackets.
  bool annotation = false;
  bool operator==(const SongSheetSegment&) const = default;
};

// One line of a chord grid (or of a progression with bar lines): a label
// in the left margin ("Intro"), its bars with the bar line before each and
// the closing one, a note in the right margin ("x2").
struct SongGridRow {
  std::string label;
  // lines[i] stands before bars[i]; the last closes the row. "|", "||",
  // "|.", "|:", ":|", ":|:"; "" where a progression has none.
  std::vector<std::string> lines;
  std::vector<std::vector<std::string>> bars;  // each bar's cells: a chord, "." held, "/", "%"
  std::string note;
  bool operator==(const SongGridRow&) const = default;
};

enum class SongBlockKind {
  Lyrics,   // segments: a lyric line with its chords (or a line of chords alone)
  Section,  // text: a section's label ("Verse 1", "Chorus"), before its lines
  Comment,  // text, in the style of `comment`
  Grid,     // rows: a chord grid's lines, their bars in columns
  Tab,      // lines: a tablature, verbatim, in a fixed-width font
  Space,    // blank lines: the gap between verses (blankLines of them, one block)
  NewPage,  // the song asks for a new page here
};

// ChordPro's three comment directives, as its reference prints them: a
// grey band, italics, a frame.
enum class CommentStyle { Plain, Italic, Boxed };

struct SongSheetBlock {
  SongBlockKind kind = SongBlockKind::Lyrics;
  std::vector<SongSheetSegment> segments;
  std::string text;
  std::vector<SongGridRow> rows;  // Grid
  int barsPerRow = 0;             // Grid: as its shape asks ("4x3": 4); 0: as written
  int cellsPerBar = 0;            // Grid: as its shape asks ("4x3": 3); 0: as written
  std::vector<std::string> lines;
  CommentStyle comment = CommentStyle::Plain;
  bool chorus = false;  // inside a chorus (or recalling one): indented and marked in the margin
  int blankLines = 1;   // Space: how many blank lines in a row it stands for
  bool operator==(const SongSheetBlock&) const = default;
};

struct SongSheet {
  std::string title;
  std::string subtitle;  // subtitles and artists, one line
  std::string facts;     // key, tempo, time: SongFactsLine
  std::string capoLine;  // CapoLine; empty without a capo
  SheetModel diagrams;   // one diagram per distinct chord, captioned; its heading unused
  std::vector<SongSheetBlock> body;
  bool operator==(const SongSheet&) const = default;
};

// The capo line as players read it: "Capo 3 — shapes in G, sounding Bb".
// Without a key known, the shapes are only said to be shapes ("Capo 3 —
// chords are shapes"); no capo gives no line.
std::string CapoLine(int capo, std::string_view shapesKey, std::string_view soundingKey);

// "Key G · 90 bpm · 3/4", the parts given, in that order (empty parts left
// out; no tempo is 0).
std::string SongFactsLine(std::string_view key, int tempo, std::string_view time);

}  // namespace corvanta
