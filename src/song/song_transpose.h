// Transposition of chord symbols and songs.
#pragma once

#include <string>
#include <string_view>

#include "song/song.h"
#include "song/song_key.h"

namespace corvanta {

// A chord symbol moved by `semitones`: its root and its slash bass renamed
// with the key's names, the rest as written ("C#m7/G#" +1 in F: "Dm7/A").
// A text with no note name first is returned as it is.
std::string TransposeSymbol(std::string_view symbol, int semitones, const NoteNameRow& names);

// Moves every chord of the song by `semitones` from the text as written,
// spelled as `key` (the key the chords are then in) spells; the {key}
// directive follows. Each {define} moves with its chord to the nearest
// place on the neck, up or down; one holding open strings cannot move and
// stays as written, for the name as written, with a note (as ChordPro
// keeps it). Chords not read stay as written. 0 (or 12) semitones leave the
// written text. With `withDirectives` each chord moves by the song's
// {transpose} at its line too, counted from the song's first one (which
// `semitones` holds). A song whose chords were cut at the limit is not
// moved at all (false, with a note): it would end in two keys.
bool TransposeSong(Song& song, int semitones, const SongKey& key, bool withDirectives = false);

}  // namespace corvanta
