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
  bool operator==(const SongSheetSegment&) const = default;
};

enum class SongBlockKind {
  Lyrics,   // segments: a lyric line with its chords (or a line of chords alone)
  Section,  // text: a section's label ("Verse 1", "Chorus"), before its lines
  Comment,  // text, in the style of `comment`
  Grid,     // bars: one line of a chord grid, bar by bar; text: a note after it
  Tab,      // lines: a tablature, verbatim, in a fixed-width font
  Space,    // a blank line: the gap between verses
  NewPage,  // the song asks for a new page here
};

// ChordPro's three comment directives, as its reference prints them: a
// grey band, italics, a frame.
enum class CommentStyle { Plain, Italic, Boxed };

struct SongSheetBlock {
  SongBlockKind kind = SongBlockKind::Lyrics;
  std::vector<SongSheetSegment> segments;
  std::string text;
  std::vector<std::vector<std::string>> bars;  // each bar's beats: a chord, "." held, "/" , "%"
  std::vector<std::string> lines;
  CommentStyle comment = CommentStyle::Plain;
  bool chorus = false;  // inside a chorus (or recalling one): indented and marked in the margin
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
