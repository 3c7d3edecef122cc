#include "search/tone_map.h"

#include <algorithm>

#include "instrument/tuning.h"

namespace corvanta {

// The free strings may reach four frets above the last bass fret.
inline constexpr int kWindowReach = 4;

ToneMap BuildToneMap(const Tuning& tuning, int fretCount, const std::vector<int>& notes) {
  ToneMap map;
  for (auto& row : map) row.fill(kNoTone);
  int lastFret = std::min(fretCount + kWindowReach, kFretSlots - 1);
  for (int string = 0; string < kStringCount; ++string) {
    for (int fret = 0; fret <= lastFret; ++fret) {
      int pitchClass = PitchClassAt(tuning, string, fret);
      if (std::find(notes.begin(), notes.end(), pitchClass) != notes.end()) {
        map[string][fret] = pitchClass;
      }
    }
  }
  return map;
}

}  // namespace corvanta
