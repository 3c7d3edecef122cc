#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "search/finger_count.h"
#include "search/fingering.h"
#include "search/fingering_key.h"
#include "search/pruned_walk.h"
#include "search/search_settings.h"

namespace corvanta {

// Decides for each candidate whether it is a playable voicing of the chord
// and records its key once, in discovery order.
class FingeringCollector {
 public:
  FingeringCollector(const SearchSettings& settings, const std::vector<int>& chordTones);

  // The search's walk hands on only candidates whose free strings sound
  // every required tone on at least three strings, with what it gathered of
  // them. Where it prunes earlier windows' repeats they never arrive; the
  // test here catches them in the windows it cannot prune (an open bass's
  // second window, where open strings first become choices).
  template <typename EarlierWindows>
  void CheckFingering(const Frets& candidate, const enumeration::CandidateFacts& facts,
                      const EarlierWindows& earlier) {
    if (earlier.Hold(candidate, facts.fixedStringCount, facts.free)) return;
    Accept(candidate, facts.key, facts.held);
  }

  std::vector<PackedFingering> TakeFingerings() { return std::move(fingerings_); }

  // The pitch classes the free strings must sound, one bit each (bit 12: the
  // "no note", which no string sounds).
  std::uint16_t RequiredMask() const { return requiredMask_; }

 private:
  // Inline with the walk: most candidates need no barre and are packed from
  // the walk's facts in a few operations.
  void Accept(const Frets& candidate, const KeyFacts& facts, int heldStrings) {
    if (!KeyKeeps(facts, settings_.simpleChords, settings_.span)) return;
    if (heldStrings <= kFingerCount) {
      Record(candidate, facts, KeyOrder(facts));  // no barre: the values stay as they are
      return;
    }
    AcceptWithBarres(candidate, facts);
  }
  void AcceptWithBarres(const Frets& candidate, const KeyFacts& facts);

  // Written into the vector in place: a packed value built on the stack and
  // copied in stalls on reading back what was just stored.
  void Record(const Frets& values, const KeyFacts& facts, std::uint64_t order) {
    PackedFingering& added = fingerings_.emplace_back();
    added.frets = values;
    added.order = order;
    SetKeyFields(added, facts);
  }

  const SearchSettings& settings_;
  // Every chord tone after the root that is not the bass must sound on a
  // free string (the tones are distinct). The root is never looked for on
  // the free strings.
  std::uint16_t requiredMask_ = 0;
  std::vector<PackedFingering> fingerings_;
};

}  // namespace corvanta
