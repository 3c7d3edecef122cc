#include "search/tone_map.h"

#include <algorithm>
#include <cstdint>

#include "instrument/tuning.h"

namespace corvanta {

// The free strings may reach four frets above the last bass fret.
inline constexpr int kWindowReach = 4;

ToneMap BuildToneMap(const Tuning& tuning, int fretCount, const std::vector<int>& notes) {
  ToneMap map;
  for (auto& row : map) row.fill(kNoTone);
  std::uint32_t wanted = 0;  // bit p: pitch class p is wanted
  for (int note : notes) {
    if (note >= 0 && note < 12) wanted |= 1u << note;
  }
  int lastFret = std::min(fretCount + kWindowReach, kFretSlots - 1);
  for (int string = 0; string < kStringCount; ++string) {
    // Walk the pitch class up the string instead of wrapping each fret.
    int pitchClass = PitchClassAt(tuning, string, 0);
    for (int fret = 0; fret <= lastFret; ++fret) {
      if (wanted >> pitchClass & 1u) map[string][fret] = pitchClass;
      pitchClass = pitchClass == 11 ? 0 : pitchClass + 1;
    }
  }
  return map;
}

}  // namespace corvanta
