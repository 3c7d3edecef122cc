// The names players give chord tones' intervals.
#pragma once

#include <string_view>
#include <vector>

namespace corvanta {

// The name a player gives a chord tone's interval above the root, in the
// chord it belongs to (`chordIntervals`: every tone's semitones above the
// root, 0..11): R, b9, 9, b3, 3, 11, b5, 5, #5, 6, b7, 7, and where the
// chord says otherwise the other spelling of the same sound: 2 and 4 in a
// chord without a third (sus2, sus4), #9 beside a major third, #11 and b13
// beside a perfect fifth, 13 beside a seventh, bb7 in a diminished seventh.
std::string_view IntervalName(int semitones, const std::vector<int>& chordIntervals);

}  // namespace corvanta
