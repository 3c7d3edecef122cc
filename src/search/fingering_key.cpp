#include "search/fingering_key.h"

#include <cstdlib>

namespace corvanta {
namespace {

inline constexpr int kFieldOffset = 10;
// All fingerings whose highest fret is at most this count as position 1.
inline constexpr int kFirstPositionTop = 5;
inline constexpr int kFirstInnerString = 2;
inline constexpr int kNoLowFret = 100;

}  // namespace

int ClassifyStringSet(const Frets& values) {
  int run = 0;
  for (int string = kStringCount - 1; string >= 0 && values[string] != kMuted; --string) ++run;
  if (run == 6) return kAllSixStrings;
  if (run == 5) return kFiveTopStrings;
  if (run == 4 && values[0] == kMuted) return kFourTopStrings;
  return kOtherStringSet;
}

std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span) {
  int low = kNoLowFret;
  int high = 0;
  for (int string = 0; string < kStringCount; ++string) {
    int value = values[string];
    if (value == kMuted) {
      if (simpleChords && string >= kFirstInnerString) return std::nullopt;
      continue;
    }
    if (value != kOpen && std::abs(value) < low) low = std::abs(value);
    if (value > high) high = value;
  }
  if (span <= high - low) return std::nullopt;
  if (high <= kFirstPositionTop) low = 1;

  std::string key = std::to_string(low + kFieldOffset) + std::to_string(ClassifyStringSet(values)) +
                    std::to_string(high + kFieldOffset) + ' ' + FretText(values);
  return key;
}

}  // namespace corvanta
