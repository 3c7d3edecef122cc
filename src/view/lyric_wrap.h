// A lyric line with its chords, laid out in lines of a given width.
#pragma once

#include <QFont>
#include <QString>
#include <vector>

#include "session/song_sheet.h"

namespace corvanta {

// A lyric line with its chords, laid out in lines of a given width. Each
// chord stands at the x of its syllable; when a chord is wider than the
// lyric under it, the lyric after it moves right so that the next chord
// has room. A line breaks only where the lyric may break (after a blank,
// between Chinese characters), never between a chord and its syllable nor
// inside a word; a word wider than the whole line breaks between letters,
// each chord still over its letter.
struct PlacedChord {
  double x = 0;
  QString text;
  bool read = true;
};
struct PlacedRun {
  double x = 0;
  double width = 0;
  QString text;
};
struct WrappedLine {
  std::vector<PlacedChord> chords;
  std::vector<PlacedRun> runs;  // the lyric, in runs between the places a chord pushed it
  bool HasChords() const { return !chords.empty(); }
  bool HasLyric() const;
};

// The gap a chord keeps before the next chord, in the chord font.
double ChordGap(const QFont& chordFont);

// At least one line (an empty one for an empty lyric line); every line's
// ink within `width` unless a single letter or chord is wider.
std::vector<WrappedLine> WrapLyricLine(const std::vector<SongSheetSegment>& segments,
                                       const QFont& chordFont, const QFont& lyricFont,
                                       double width);

// Plain text (a comment) wrapped the same way, one text per line.
std::vector<QString> WrapText(const QString& text, const QFont& font, double width);

}  // namespace corvanta
