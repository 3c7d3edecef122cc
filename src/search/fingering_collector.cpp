#include "search/fingering_collector.h"

#include <algorithm>

#include "search/finger_count.h"
#include "search/fingering_key.h"

namespace corvanta {
namespace {

inline constexpr int kMinSoundingFreeStrings = 3;
inline constexpr int kMaxFingers = 4;

std::uint64_t PackValues(const Frets& values) {
  std::uint64_t packed = 0;
  for (int value : values) {
    // Values lie in -29..99, so one byte each holds them after the shift.
    packed = (packed << 8) | static_cast<std::uint8_t>(value + 128);
  }
  return packed;
}

}  // namespace

FingeringCollector::FingeringCollector(const SearchSettings& settings,
                                       const std::vector<int>& chordTones)
    : settings_(settings) {
  for (std::size_t i = 0; i < chordTones.size(); ++i) {
    if (i == 0 || chordTones[i] != settings.bassPitchClass) required_.push_back(chordTones[i]);
  }
}

bool FingeringCollector::CoversRequiredTones(const Frets& candidate, int fixedStringCount) {
  // Each required tone after the root can be matched once.
  std::vector<int>& open = unmatched_;
  open.assign(required_.begin() + std::min<std::size_t>(1, required_.size()), required_.end());
  int played = 0;
  std::size_t covered = 0;
  for (int string = fixedStringCount; string < kStringCount; ++string) {
    if (candidate[string] == kMuted) continue;
    ++played;
    int pitchClass = PitchClassAt(settings_.tuning, string, candidate[string]);
    auto match = std::find(open.begin(), open.end(), pitchClass);
    if (match != open.end()) {
      *match = kMuted;
      ++covered;
    }
  }
  return played >= kMinSoundingFreeStrings && covered >= open.size();
}

void FingeringCollector::CheckFingering(const Frets& candidate, int fixedStringCount) {
  if (!CoversRequiredTones(candidate, fixedStringCount)) return;
  Frets values = candidate;
  if (CountFingers(values, settings_.noFullBarres) > kMaxFingers) return;
  RecordFingering(values);
}

void FingeringCollector::RecordFingering(const Frets& values) {
  if (seen_.count(PackValues(values)) != 0) return;
  auto key = FingeringKey(values, settings_.simpleChords, settings_.span);
  if (!key) return;
  seen_.insert(PackValues(values));
  fingerings_.push_back(std::move(*key));
}

}  // namespace corvanta
