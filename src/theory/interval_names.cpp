// Names the interval of a chord tone above the root.
#include "theory/interval_names.h"

#include <algorithm>

#include "theory/note_names.h"

namespace corvanta {

std::string_view IntervalName(int semitones, const std::vector<int>& chordIntervals) {
  auto has = [&](int interval) {
    return std::find(chordIntervals.begin(), chordIntervals.end(), interval) !=
           chordIntervals.end();
  };
  const bool third = has(3) || has(4);
  const bool seventh = has(10) || has(11);
  switch (WrapPitchClass(semitones)) {
    case 0:
      return "R";
    case 1:
      return "b9";
    case 2:
      return third ? "9" : "2";
    case 3:
      return has(4) ? "#9" : "b3";
    case 4:
      return "3";
    case 5:
      return third ? "11" : "4";
    case 6:
      return has(7) ? "#11" : "b5";
    case 7:
      return "5";
    case 8:
      return has(7) ? "b13" : "#5";
    case 9:
      if (has(3) && has(6) && !seventh) return "bb7";
      return seventh ? "13" : "6";
    case 10:
      return "b7";
    default:
      return "7";
  }
}

}  // namespace corvanta
