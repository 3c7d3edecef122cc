#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "instrument/fingering.h"
#include "song/song.h"
#include "song/song_key.h"

namespace corvanta {

// A chord symbol moved by `semitones`: its root and its slash bass renamed
// with the key's names, the rest as written ("C#m7/G#" +1 in F: "Dm7/A").
// A text with no note name first is returned as it is.
std::string TransposeSymbol(std::string_view symbol, int semitones, const NoteNameRow& names);

// A shape moved `semitones` along the neck, up while the neck has room,
// else down (a barre chord's shape slid to the moved chord); nullopt when it holds an
// open string, which cannot move, or would leave the neck.
std::optional<Fingering> MovedShape(Fingering frets, int semitones);

// Moves every chord of the song by `semitones` from the text as written,
// spelled as `key` (the key the chords are then in) spells; the {key}
// directive follows, each {define} shape moves with its chord or, when it
// holds open strings that cannot move, is dropped with a note. Chords not
// read stay as written. 0 (or 12) semitones leave the written text.
void TransposeSong(Song& song, int semitones, const SongKey& key);

}  // namespace corvanta
