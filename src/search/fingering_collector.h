#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "search/fingering.h"
#include "search/search_settings.h"
#include "search/seen_set.h"

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
  bool CoversRequiredTones(const Frets& candidate, int fixedStringCount) const;
  void RecordFingering(const Frets& values);

  const SearchSettings& settings_;
  // How often each pitch class must still be sounded by a free string: every
  // chord tone after the root that is not the bass, each matched once. The
  // root is never looked for on the free strings.
  std::array<int, 12> requiredCount_{};
  int requiredTotal_ = 0;
  std::array<std::array<std::uint8_t, kFretSlots>, kStringCount> pitchClassAt_{};
  std::vector<std::string> fingerings_;
  // Overlapping windows meet the same candidate again; its outcome is the
  // same, so a repeat is dropped before any work (the key is a function of
  // the values).
  SeenSet seen_;
};

}  // namespace corvanta
