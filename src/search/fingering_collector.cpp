#include "search/fingering_collector.h"

#include <algorithm>

#include "search/finger_count.h"
#include "search/fingering_key.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

inline constexpr int kMinSoundingFreeStrings = 3;
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
  for (int string = 0; string < kStringCount; ++string) {
    for (int fret = 0; fret < kFretSlots; ++fret) {
      bitAt_[string][fret] =
          static_cast<std::uint16_t>(1u << PitchClassAt(settings.tuning, string, fret));
    }
  }
}

bool FingeringCollector::CoversRequiredTones(const Frets& candidate, int fixedStringCount) const {
  // Branch-free: candidate values are 0..29 or 99, and 99 sounds nothing.
  std::uint16_t sounded = 0;
  int played = 0;
  for (int string = fixedStringCount; string < kStringCount; ++string) {
    int value = candidate[string];
    played += value != kMuted;
    sounded |= bitAt_[string][static_cast<std::size_t>(value)];
  }
  return played >= kMinSoundingFreeStrings && (sounded & requiredMask_) == requiredMask_;
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
