// Reads a song in any of its three forms.
#pragma once

#include <string_view>

#include "song/song.h"

namespace corvanta {

// Reads a song in any of its three forms (Auto: told from the text): every
// line kept, each chord placed and read as a typed symbol in the standard
// notation; a chord not understood is kept as written with its problem.
// Any bytes are accepted: a BOM, CR/LF or lone CR, tabs, binary bytes; the
// size limits of song.h stop the reading with a note. A progression asked
// for (not told) reads every word of every line as a chord.
Song ReadSong(std::string_view text, SongFormat format = SongFormat::Auto);

// The form a text is in: ChordPro when it has a {directive} or an inline
// [chord], chords over words when a line of chords stands over a line of
// words, a bare progression otherwise.
SongFormat DetectSongFormat(std::string_view text);

// Whether a word is a chord symbol a song may hold (root first, every word
// understood), or "N.C.".
bool IsChordWord(std::string_view word);

}  // namespace corvanta
