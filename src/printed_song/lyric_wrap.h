// A lyric line with its chords, laid out in lines of a given width.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "printed_song/song_sheet.h"
#include "printed_song/text_measure.h"

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
  std::string text;
  bool read = true;
};
struct PlacedRun {
  double x = 0;
  double width = 0;
  std::string text;
};
struct WrappedLine {
  std::vector<PlacedChord> chords;
  std::vector<PlacedRun> runs;  // the lyric, in runs between the places a chord pushed it
  bool HasChords() const { return !chords.empty(); }
  bool HasLyric() const;
};

// The faces a lyric line is set in, and what measures them.
struct LyricSetting {
  const TextMeasure& measure;
  SongFace chord;
  SongFace lyric;
};

// The gap a chord keeps before the next chord, in the chord's face.
double ChordGap(const TextMeasure& measure, const SongFace& chordFace);

// At least one line (an empty one for an empty lyric line); every line's
// ink within `width` unless a single letter or chord is wider.
std::vector<WrappedLine> WrapLyricLine(const std::vector<SongSheetSegment>& segments,
                                       const LyricSetting& setting, double width);

// Plain text (a comment) wrapped the same way, one text per line, each
// without blanks at its ends.
std::vector<std::string> WrapText(std::string_view text, const TextMeasure& measure,
                                  const SongFace& face, double width);

}  // namespace corvanta
