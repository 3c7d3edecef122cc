// A song's key: tonic, mode and spelling.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "song/song.h"
#include "theory/note_names.h"

namespace corvanta {

// A key: its tonic, major or minor, and whether it is written with flats
// (F, Bb, Eb...) or sharps (G, D, A...).
struct SongKey {
  int tonic = 0;
  bool minor = false;
  bool flats = false;  // the key is spelled with flats
  bool operator==(const SongKey&) const = default;
};

// "Bb", "F#m", "Ebmin", "A minor", "C major"; nullopt for anything else.
std::optional<SongKey> ParseSongKey(std::string_view text);

// The key at a pitch class, spelled as players name it: Db rather than C#,
// Bbm rather than A#m; at the tritone F# (and D#m) unless `flats` asks for
// Gb (and Ebm).
SongKey KeyAt(int tonic, bool minor, bool preferFlats = false);

// "Bb", "F#m".
std::string KeyName(const SongKey& key);

// The key's names for the twelve pitch classes: each on the letter of its
// degree in the key (D minor's leading tone is C#, G major's IV is C, Gb
// major's Cb), E# and B# and double accidentals avoided.
NoteNameRow KeyNoteNames(const SongKey& key);

// The key `semitones` above, spelled as that key spells.
SongKey TransposedKey(const SongKey& key, int semitones);

// The key the chords suggest and how sure that is (0..1): each of the 24
// keys scores its diatonic chords, the tonic first and last counting more.
struct DetectedKey {
  SongKey key;
  double confidence = 0;
  bool found = false;  // false when no chord was read
};
DetectedKey DetectKey(const std::vector<SongChord>& chords);

}  // namespace corvanta
