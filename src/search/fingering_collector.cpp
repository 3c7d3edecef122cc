#include "search/fingering_collector.h"

#include <algorithm>

#include "search/finger_count.h"
#include "search/fingering_key.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

inline constexpr std::size_t kTypicalFingeringCount = 1024;

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
  requiredMask_ &= static_cast<std::uint16_t>(~settings.optionalTones);
  // Most chords give a few hundred fingerings: growing from nothing would
  // copy them over and over.
  fingerings_.reserve(kTypicalFingeringCount);
}

void FingeringCollector::AcceptWithBarres(const Frets& candidate, const KeyFacts& facts) {
  Frets values = candidate;
  if (CountFingers(values, settings_.noFullBarres) > kFingerCount) return;
  // The barre marks change only the marked values' ranks (the lowest held
  // fret and the highest value stay).
  KeyFacts marked = facts;
  marked.ranks = KeyFactsOf(values).ranks;
  Record(values, marked, KeyOrder(marked));
}

}  // namespace corvanta
