#include "search/fingering_collector.h"

#include <algorithm>

#include "search/finger_count.h"
#include "search/fingering_key.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

inline constexpr int kMaxFingers = 4;

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
}

void FingeringCollector::Accept(const Frets& candidate) {
  Frets values = candidate;
  if (CountFingers(values, settings_.noFullBarres) > kMaxFingers) return;
  RecordFingering(values);
}

void FingeringCollector::RecordFingering(const Frets& values) {
  if (auto packed = PackFingering(values, settings_.simpleChords, settings_.span))
    fingerings_.push_back(*packed);
}

}  // namespace corvanta
