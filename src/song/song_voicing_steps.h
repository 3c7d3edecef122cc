// A song's chords as the path search sees them.
#pragma once

#include <string>
#include <vector>

#include "session/session.h"
#include "song/song_key.h"
#include "song/song_path.h"
#include "song/voiced_song.h"

namespace corvanta {

// A song's chords as the path search sees them: each distinct chord name
// searched once, each voiced occurrence a step, pins in place.
struct SongSteps {
  std::vector<Voicing> pool;  // every candidate, pooled as the problem's shapes
  PathProblem problem;
  std::vector<int> stepChord;  // per step, the occurrence index
  std::vector<int> names;      // per occurrence, its distinct name's index, -1 when not voiced
  std::vector<std::string> distinct;  // the names, in order of first appearance
  std::vector<bool> pinned;           // per occurrence
};

// The shapes the song's chords are now in, the session with the capo the
// song is played at (chord names as shapes).
SongSteps BuildSongSteps(VoicedSong& voiced, const Session& session, const SongKey& key,
                         const SongVoicingOptions& options);

}  // namespace corvanta
