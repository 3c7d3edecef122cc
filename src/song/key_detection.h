// The key a song's chords are in, found by correlating their pitch classes
// with key profiles; and the keys of its sections when it modulates.
#pragma once

#include <string>
#include <vector>

#include "song/song.h"
#include "song/song_key.h"

namespace corvanta {

// A run of the song's chords in a key of its own.
struct SectionKey {
  int firstChord = 0;  // Song::chords indices, inclusive
  int lastChord = 0;
  SongKey key;
  double confidence = 0;
  std::string label;  // the section's label or kind ("Chorus", "verse"), may be empty
};

struct DetectedKey {
  SongKey key;            // the best key even when not found: a spelling to write in
  double confidence = 0;  // 0..1
  bool found = false;     // the confidence reaches kKeyConfidenceFloor
  std::string reason;     // when not found: why, for the player
  // Two or more when the song's sections are in different keys; empty otherwise.
  std::vector<SectionKey> sections;
};

// Below this confidence no key is claimed: a guess printed as "Key" is
// copied by players and by the transposition, so a doubtful one is left out.
inline constexpr double kKeyConfidenceFloor = 0.35;

// Each chord's pitch classes (the bass too), weighted by how long the chord
// lasts (the words under it; a chord alone counts a bar), summed and
// correlated with the Krumhansl-Kessler major and minor profiles rotated
// to the 24 tonics; the first and the last chord add evidence for a key
// whose tonic chord they are, and a key whose tonic no chord stands on is
// doubted. The confidence combines the best correlation, its margin over
// the next key and how many pitch classes were heard.
DetectedKey DetectKey(const Song& song);

// The same over some chords alone (each a bar), without sections.
DetectedKey DetectKeyOfChords(const std::vector<SongChord>& chords);

}  // namespace corvanta
