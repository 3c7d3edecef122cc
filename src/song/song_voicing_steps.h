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
  std::vector<Voicing> pool;  // every candidate, in the order of the problem's shapes
  // Per pooled candidate, its cost as the song weighs a shape alone
  // (song_cost.h: the shape listed first is the easiest, strings muted
  // beyond it cost more); a pin's is its difficulty.
  std::vector<double> listedCost;
  PathProblem problem;
  std::vector<int> stepChord;  // per step, the occurrence index
  std::vector<int> names;      // per occurrence, its distinct name's index, -1 when not voiced
  std::vector<std::string> distinct;  // the names, in order of first appearance
  std::vector<bool> pinned;           // per occurrence
};

class CandidateCache;

// One chord's candidates as the song weighs each alone: its voicings under
// the listing session, the cheapest alone first (ties in the order a query
// lists them), each with that cost and its hand shape, and the chord's
// tones. What a song searches once per distinct chord, and what a cache
// keeps.
struct ChordCandidates {
  std::vector<Voicing> voicings;
  std::vector<double> listedCost;  // per voicing
  std::vector<HandShape> shapes;   // per voicing
  std::vector<int> tones;
};

// The plain search of one chord's candidates under `listing` (the song's
// session, ordered by ease).
ChordCandidates SearchCandidates(const Session& listing, const Chord& chord);

// The shapes the song's chords are now in, the session with the capo the
// song is played at (chord names as shapes). With a cache, a chord it
// holds under the session is not searched again.
SongSteps BuildSongSteps(VoicedSong& voiced, const Session& session, const SongKey& key,
                         const SongVoicingOptions& options, CandidateCache* cache = nullptr);

}  // namespace corvanta
