#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "search/fingering.h"
#include "search/fingering_key.h"
#include "search/search_settings.h"

namespace corvanta {

// Decides for each candidate whether it is a playable voicing of the chord
// and records its key once, in discovery order.
class FingeringCollector {
 public:
  FingeringCollector(const SearchSettings& settings, const std::vector<int>& chordTones);

  // The candidate is not changed; fixedStringCount strings are held by the
  // bass placement, the rest are free. The search's walk hands on only
  // candidates whose free strings sound every required tone on at least
  // three strings; one that earlier overlapping windows already gave is
  // dropped here.
  template <typename EarlierWindows>
  void CheckFingering(const Frets& candidate, int fixedStringCount, const EarlierWindows& earlier) {
    if (earlier.Hold(candidate, fixedStringCount)) return;
    Accept(candidate);
  }

  std::vector<PackedFingering> TakeFingerings() { return std::move(fingerings_); }

  // The pitch classes the free strings must sound, one bit each (bit 12: the
  // "no note", which no string sounds).
  std::uint16_t RequiredMask() const { return requiredMask_; }

 private:
  void Accept(const Frets& candidate);
  void RecordFingering(const Frets& values);

  const SearchSettings& settings_;
  // Every chord tone after the root that is not the bass must sound on a
  // free string (the tones are distinct). The root is never looked for on
  // the free strings.
  std::uint16_t requiredMask_ = 0;
  std::vector<PackedFingering> fingerings_;
};

}  // namespace corvanta
