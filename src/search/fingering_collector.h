#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "search/fingering.h"
#include "search/search_settings.h"

namespace corvanta {

// Decides for each candidate whether it is a playable voicing of the chord
// and records its key once, in discovery order.
class FingeringCollector {
 public:
  FingeringCollector(const SearchSettings& settings, const std::vector<int>& chordTones);

  // The candidate is not changed; fixedStringCount strings are held by the
  // bass placement, the rest are free.
  void CheckFingering(const Frets& candidate, int fixedStringCount);

  std::vector<std::string> TakeFingerings() { return std::move(fingerings_); }

 private:
  bool CoversRequiredTones(const Frets& candidate, int fixedStringCount);
  void RecordFingering(const Frets& values);

  const SearchSettings& settings_;
  // The root first (never looked for on the free strings), then every other
  // chord tone that is not the bass.
  std::vector<int> required_;
  std::vector<int> unmatched_;  // scratch, reused for every candidate
  std::vector<std::string> fingerings_;
  // Equal keys come from equal marked values, so the values stand in for the
  // key text: a hash look-up instead of a scan of every key so far.
  std::unordered_set<std::uint64_t> seen_;
};

}  // namespace corvanta
