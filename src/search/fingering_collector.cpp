#include "search/fingering_collector.h"

#include <algorithm>

#include "search/finger_count.h"
#include "search/fingering_key.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

inline constexpr std::size_t kTypicalFingeringCount = 512;

}  // namespace
FingeringCollector::FingeringCollector(const SearchSettings& settings,
                                       const std::vector<int>& chordTones)
    : settings_(settings) {
  for (std::size_t i = 1; i < chordTones.size(); ++i) {
    int tone = chordTones[i];
    if (tone == settings.bassPitchClass) continue;
    // A tone that no string can sound (the "no note" 12) can never be covered.
    requiredMask_ |= static_cast<std::uint16_t>(1u << std::clamp(tone, 0, kNoPitchClass));
  }
  // Most chords give a few hundred fingerings: growing from nothing would
  // copy them over and over.
  fingerings_.reserve(kTypicalFingeringCount);
}

void FingeringCollector::Accept(const Frets& candidate, const KeyFacts& facts, int heldStrings) {
  if (!KeyKeeps(facts, settings_.simpleChords, settings_.span)) return;
  // Up to four held strings need no barre: the values stay as they are and
  // the walk's facts make the key.
  if (heldStrings <= kFingerCount) {
    Record(candidate, KeyOrder(facts));
    return;
  }
  Frets values = candidate;
  if (CountFingers(values, settings_.noFullBarres) > kFingerCount) return;
  // The barre marks change only the marked values' ranks (the lowest held
  // fret and the highest value stay).
  KeyFacts marked = facts;
  marked.ranks = 0;
  for (int string = 0; string < kStringCount; ++string)
    marked.ranks = (marked.ranks << key_ranks::kRankBits) | key_ranks::RankOf(values[string]);
  Record(values, KeyOrder(marked));
}

// Written into the vector in place: a packed value built on the stack and
// copied in stalls on reading back what was just stored.
void FingeringCollector::Record(const Frets& values, std::uint64_t order) {
  PackedFingering& added = fingerings_.emplace_back();
  added.frets = values;
  added.order = order;
}

}  // namespace corvanta
