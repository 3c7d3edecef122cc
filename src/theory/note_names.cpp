// Note names and their pitch classes.
#include "theory/note_names.h"

#include <algorithm>

namespace corvanta {
namespace {

// Two accepted names per pitch class; a natural note stands twice.
// There is deliberately no "E#" or "B#".
constexpr std::array<std::array<std::string_view, 2>, kPitchClassCount> kPitchClassNames{{
    {"C", "C"},
    {"C#", "Db"},
    {"D", "D"},
    {"D#", "Eb"},
    {"E", "Fb"},
    {"F", "F"},
    {"F#", "Gb"},
    {"G", "G"},
    {"G#", "Ab"},
    {"A", "A"},
    {"A#", "Bb"},
    {"B", "Cb"},
}};

}  // namespace

std::vector<int> DistinctInOrder(const std::vector<int>& values) {
  std::vector<int> distinct;
  distinct.reserve(values.size());
  for (int value : values) {
    if (std::find(distinct.begin(), distinct.end(), value) == distinct.end())
      distinct.push_back(value);
  }
  return distinct;
}

int PitchClassOfName(std::string_view name) {
  // Every typed word is tried as a note name: a name is one or two bytes.
  if (name.empty() || name.size() > 2) return kNoPitchClass;
  for (int pitchClass = 0; pitchClass < kPitchClassCount; ++pitchClass) {
    for (std::string_view candidate : kPitchClassNames[pitchClass]) {
      if (candidate == name) return pitchClass;
    }
  }
  return kNoPitchClass;
}

}  // namespace corvanta
