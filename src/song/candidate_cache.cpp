// Keeps the chords a song session searched, by session and chord.
#include "song/candidate_cache.h"

#include <algorithm>

namespace corvanta {

const ChordCandidates& CandidateCache::Of(const Session& listing, const Chord& chord) {
  if (kept_ >= kMostKept) Clear();
  auto session = std::find_if(sessions_.begin(), sessions_.end(), [&](const Searched& searched) {
    return searched.session == listing;
  });
  if (session == sessions_.end()) {
    sessions_.push_back({listing, {}});
    session = sessions_.end() - 1;
  }
  std::vector<std::unique_ptr<Entry>>& entries = session->bySymbol[chord.symbol];
  for (const std::unique_ptr<Entry>& entry : entries)
    if (entry->chord == chord) return entry->candidates;
  ++searches_;
  ++kept_;
  entries.push_back(std::make_unique<Entry>(Entry{chord, SearchCandidates(listing, chord)}));
  return entries.back()->candidates;
}

const PathChoice& CandidateCache::ChoiceFor(const PathProblem& problem, long long workBudget) {
  if (solvedBudget_ == workBudget && solved_ == problem) return choice_;
  ++solves_;
  choice_ = ChoosePath(problem, workBudget);
  solved_ = problem;
  solvedBudget_ = workBudget;
  return choice_;
}

void CandidateCache::Clear() {
  sessions_.clear();
  kept_ = 0;
  solved_ = {};
  solvedBudget_ = -1;
}

}  // namespace corvanta
