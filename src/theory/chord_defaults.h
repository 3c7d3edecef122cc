// Start values of the chord state and the option controls.
#pragma once

namespace corvanta {

// Start values of the chord state and the option controls.
inline constexpr int kDefaultFretCount = 12;
inline constexpr int kDefaultSpan = 5;
inline constexpr int kMajorThird = 4;
inline constexpr int kMinorThird = 3;
inline constexpr int kPerfectFifth = 7;
inline constexpr int kDiminishedFifth = 6;
inline constexpr int kAugmentedFifth = 8;
// At most six notes sound, the bass included: one to a string.
inline constexpr int kMostChordNotes = 6;

}  // namespace corvanta
