// A voiced song: one voicing per chord, with its options and alternatives.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "search/voicing.h"
#include "session/session.h"
#include "song/chord_numbers.h"
#include "song/key_detection.h"
#include "song/song.h"
#include "song/song_cost.h"

namespace corvanta {

// How a song's voicings are chosen (the costs are in song_cost.h).
enum class VoicingMode {
  AsPlayed,       // difficulty, the hand's movement, one shape per chord name
  LeastMovement,  // the path of least movement
  Easiest,        // each chord's easiest voicing on its own
};

// A voicing the player fixed: for every occurrence of a chord name (the
// symbol as shown, after transposition and capo), or for one occurrence.
struct SongPin {
  std::string name;  // empty: the pin is for `index`
  int index = -1;    // 0-based occurrence, when name is empty
  Fingering frets;   // on the searched instrument; its barres are laid as the search lays them
};

struct SongVoicingOptions {
  VoicingMode mode = VoicingMode::AsPlayed;
  int transpose = 0;  // semitones, on top of the song's own {transpose}
  // The key to transpose to (a name such as "Bb" or "F#m"); overrides
  // `transpose` when not empty.
  std::string key;
  // The capo the song is played with: the sounding chords become shapes
  // above it. nullopt: the song's own {capo}.
  std::optional<int> capo;
  std::vector<SongPin> pins;
  int alternatives = 0;    // the K best voicings of each occurrence, the rest held
  bool useDefines = true;  // the song's {define} shapes pin their chords
  // Each chord played as a simpler one of the same function (simplify.h),
  // the names shown simplified.
  bool simplify = false;
  // The names shown: letters, or numbers in the key of the shapes.
  ChordNumbers notation = ChordNumbers::Letters;
  // The most work the default mode's search may do (song_path.h); its
  // result says whether it finished.
  long long pathWork = kPathWorkBudget;
};

struct VoicingAlternative {
  Voicing voicing;
  double cost = 0;  // the song's total cost with this voicing here, the rest as chosen
};

// One chord occurrence voiced.
struct VoicedOccurrence {
  int chord = 0;                   // index into Song::chords
  std::string symbol;              // the shape played (UTF-8)
  std::string sounding;            // what sounds (the shape raised by the capo)
  std::optional<Voicing> voicing;  // none: not read, no chord, or no fingering plays it
  double difficulty = 0;
  bool pinned = false;
  std::vector<VoicingAlternative> alternatives;
  std::string problem;  // why voicing is empty: "unread", "unplayable", "no chord"
};

// The song's distinct chord names, in order of first appearance, each with
// the voicing it is played with at that first appearance.
struct DistinctChord {
  std::string symbol;
  Voicing voicing;
  bool pinned = false;
  std::string sounding;  // what the shape sounds under the capo
  // The shape's name in letters, as a pin names it and the chord view reads
  // it: the symbol itself unless the names are shown as numbers.
  std::string letters;
};

struct CapoSuggestion {
  int capo = 0;
  double difficulty = 0;            // the song's total cost voiced at this capo
  std::string key;                  // the key the shapes are in
  std::vector<std::string> shapes;  // the distinct shapes, in order of appearance
  // What the capo saves against none ("removes 2 barres", "makes 3 of 4
  // chords open"); empty for no capo and for a capo not worth it.
  std::string reason;
  int barres = 0;  // distinct chords played with a barre
  // Distinct chords, barre chords apart, whose shape is hard: a stretch of
  // the fingers or the difficulty's "hard" (capo_suggestion.cpp).
  int hardShapes = 0;
  int openShapes = 0;  // distinct chords played in open shapes
};

// A diagnostic about one place in the song.
struct SongIssue {
  int chord = -1;    // occurrence index, -1 when about the song as a whole
  int line = 0;      // 1-based source line
  int column = 0;    // 1-based column
  std::string text;  // the symbol or pin concerned
  std::string message;
};

struct SongCost {
  double total = 0;
  std::vector<double> perChange;  // the movement cost of each change between voiced chords
  bool exact = true;              // the path is proven optimal for its cost
  double lowerBound = 0;          // equal to total when exact
};

// The song voiced under a session: the song transposed and under its capo,
// one voicing per occurrence, the distinct chords, and what went wrong.
struct VoicedSong {
  Song song;  // transposed: each SongChord::text is the shape as shown
  int capo = 0;
  int transpose = 0;  // the semitones applied
  // The player moved it (transposed, another key or capo): written back, its
  // chords are the moved ones; otherwise the song is written back as read.
  bool movedByPlayer = false;
  // The key the chords are in now (shapes), as named, and the key that
  // sounds; both empty when no key is known (keyReason says why).
  std::string key;
  std::string soundingKey;
  bool keyDetected = false;              // not from {key} or --key but from the chords
  double keyConfidence = 0;              // 0..1
  std::string keyReason;                 // why no key is claimed; empty when one is
  std::vector<SectionKey> sectionKeys;   // a modulating song's sections, in sounding keys
  int simplified = 0;                    // how many chords were played simpler (options.simplify)
  std::vector<VoicedOccurrence> chords;  // one per Song::chords, same order
  std::vector<DistinctChord> distinct;
  std::vector<CapoSuggestion> capoSuggestions;  // filled by SuggestCapos
  SongCost cost;
  std::vector<SongIssue> unread;
  std::vector<SongIssue> unplayable;
  std::vector<SongIssue> warnings;  // pins that do not sound their chord, defines not moved
};

// A pin that is no fingering on the instrument (wrong string count, a fret
// the neck lacks): the message says why.
struct BadPin : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The song to write back: as read, its own {transpose} and {capo} kept,
// unless the player moved it.
inline const Song& SongToWrite(const Song& read, const VoicedSong& voiced) {
  return voiced.movedByPlayer ? voiced.song : read;
}

// Voices a song: transposes it (options.key or transpose), applies the capo,
// searches every distinct chord once under the session and chooses one
// voicing per occurrence by the mode, pins kept. Throws BadPin.
VoicedSong VoiceSong(const Session& session, const Song& song, const SongVoicingOptions& options);
// The same with the song moved in, not copied: a long text is held once.
VoicedSong VoiceSong(const Session& session, Song&& song, const SongVoicingOptions& options);

class CandidateCache;
// The same, each distinct chord's search kept in `cache` (candidate_cache.h)
// for the next call: the result is the one without it.
VoicedSong VoiceSong(const Session& session, const Song& song, const SongVoicingOptions& options,
                     CandidateCache& cache);

}  // namespace corvanta
