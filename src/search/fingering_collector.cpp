#include "search/fingering_collector.h"

#include "search/finger_count.h"
#include "search/fingering_key.h"

namespace corvanta {
namespace {

inline constexpr int kMinSoundingFreeStrings = 3;
inline constexpr int kMaxFingers = 4;
inline constexpr std::size_t kExpectedCandidates = 512;

std::uint64_t PackValues(const Frets& values) {
  std::uint64_t packed = 0;
  for (int value : values) {
    // Candidate values lie in 0..29 or are 99, so one byte each holds them.
    packed = (packed << 8) | static_cast<std::uint8_t>(value);
  }
  return packed;
}

}  // namespace

FingeringCollector::FingeringCollector(const SearchSettings& settings,
                                       const std::vector<int>& chordTones)
    : settings_(settings), seen_(kExpectedCandidates) {
  for (std::size_t i = 1; i < chordTones.size(); ++i) {
    int tone = chordTones[i];
    // A tone that no string can sound (the "no note" 12) can never be covered.
    if (tone == settings.bassPitchClass) continue;
    ++requiredTotal_;
    if (tone >= 0 && tone < 12) ++requiredCount_[tone];
  }
  for (int string = 0; string < kStringCount; ++string) {
    for (int fret = 0; fret < kFretSlots; ++fret) {
      pitchClassAt_[string][fret] =
          static_cast<std::uint8_t>(PitchClassAt(settings.tuning, string, fret));
    }
  }
}

bool FingeringCollector::CoversRequiredTones(const Frets& candidate, int fixedStringCount) const {
  std::array<int, 12> unmatched = requiredCount_;
  int played = 0;
  int covered = 0;
  for (int string = fixedStringCount; string < kStringCount; ++string) {
    if (candidate[string] == kMuted) continue;
    ++played;
    int& left = unmatched[pitchClassAt_[string][candidate[string]]];
    if (left > 0) {
      --left;
      ++covered;
    }
  }
  return played >= kMinSoundingFreeStrings && covered >= requiredTotal_;
}

void FingeringCollector::CheckFingering(const Frets& candidate, int fixedStringCount) {
  if (!CoversRequiredTones(candidate, fixedStringCount)) return;
  if (!seen_.Insert(PackValues(candidate))) return;
  Frets values = candidate;
  if (CountFingers(values, settings_.noFullBarres) > kMaxFingers) return;
  RecordFingering(values);
}

void FingeringCollector::RecordFingering(const Frets& values) {
  auto key = FingeringKey(values, settings_.simpleChords, settings_.span);
  if (key) fingerings_.push_back(std::move(*key));
}

}  // namespace corvanta
