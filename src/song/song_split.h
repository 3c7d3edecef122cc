#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "song/song.h"

namespace corvanta {

// Where one song of a text lies: ChordPro's {new_song} ({ns}) ends the song
// before it, and its own line belongs to neither.
struct SongSpan {
  std::size_t begin = 0;  // bytes into the text
  std::size_t end = 0;
  int firstLine = 1;  // the text's line (1-based) the song's first line is
};

// The songs of a text, in order. A part holding only blank lines and "#"
// comments (before a first {new_song}, after a last one) is no song. A text
// without {new_song} is one song, whole; a text of nothing is one empty song.
std::vector<SongSpan> SongSpans(std::string_view text);

// One song of a file of several.
struct SongOfText {
  Song song;
  int firstLine = 1;  // add firstLine - 1 to the song's own line numbers for the text's
};

// Every song of a text read on its own: the songs of a songbook file. Only
// ChordPro (told or asked for) holds {new_song}; the other forms are one song.
std::vector<SongOfText> ReadSongs(std::string_view text, SongFormat format = SongFormat::Auto);

}  // namespace corvanta
