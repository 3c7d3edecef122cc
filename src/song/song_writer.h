// Writes a song in ChordPro or chords over words.
#pragma once

#include <string>

#include "song/song.h"

namespace corvanta {

// ChordPro: each chord inline as [symbol] at its place in the words, every
// directive, comment, tab and grid line as read (a changed value or chord
// in place). A song read from ChordPro and not changed is written back
// byte for byte.
// `added` lines (directives the song gains) go after the song's leading
// directives and comments, with the song's own line ending.
std::string WriteChordPro(const Song& song, const std::vector<std::string>& added = {});

// Chords over words: each line's chords on a line of their own above its
// words, at their columns. A song read as chords over words or as a bare
// progression and not changed is written back byte for byte; ChordPro's
// metadata and comments become plain lines, its sections headings.
// `added` plain lines ("Capo: 2") go after the leading information lines.
std::string WriteChordsOverWords(const Song& song, const std::vector<std::string>& added = {});

// A chord line's text with each chord's written form replaced by its
// current text, the following chords kept at their columns where the gap
// allows (chords are ordered by offset).
std::string ReplaceChordsInLine(std::string_view source,
                                const std::vector<const SongChord*>& chords);

}  // namespace corvanta
