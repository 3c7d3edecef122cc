// A song session's searched chords, kept between voicings of its songs.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "session/session.h"
#include "song/song_path.h"
#include "song/song_voicing_steps.h"
#include "theory/chord.h"

namespace corvanta {

// The candidates of each chord a song session has voiced, per session they
// were searched under. Typing in a song changes a word or a chord at a
// time: kept, a keystroke searches only a chord it has not met, and the
// voicing of the song re-runs only the choice. An entry is found by the
// whole session and the whole chord (both compared field by field), so a
// change of instrument, tuning, capo, frets, span or rules never meets a
// stale search; the costs and pins of a voicing are applied after, never
// kept here. The last choice over a song is kept too, with the whole
// problem it answered: a keystroke in the words leaves every chord, cost
// and pin as it was, and so the problem, and is answered without solving.
class CandidateCache {
 public:
  // The chord's candidates as SearchCandidates finds them under `listing`:
  // searched on the first call, kept for the next. The reference holds
  // until the next call.
  const ChordCandidates& Of(const Session& listing, const Chord& chord);

  // The choice ChoosePath makes for `problem`: solved unless the problem
  // and budget equal the last ones (the choice is a function of them).
  const PathChoice& ChoiceFor(const PathProblem& problem, long long workBudget);

  // How many chords were searched, how many choices solved, and how many
  // chords are kept.
  int Searches() const { return searches_; }
  int Solves() const { return solves_; }
  std::size_t Size() const { return kept_; }
  void Clear();

  // What a long session keeps at most; past it the cache starts again.
  static constexpr std::size_t kMostKept = 4096;

 private:
  struct Entry {
    Chord chord;
    ChordCandidates candidates;
  };
  // One session's chords, found by their symbol then compared whole.
  struct Searched {
    Session session;
    std::map<std::string, std::vector<std::unique_ptr<Entry>>> bySymbol;
  };
  std::vector<Searched> sessions_;  // few: a song's capos tried, an instrument changed
  std::size_t kept_ = 0;
  int searches_ = 0;
  PathProblem solved_;
  long long solvedBudget_ = -1;  // -1: nothing solved yet
  PathChoice choice_;
  int solves_ = 0;
};

}  // namespace corvanta
