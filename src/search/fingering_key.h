#pragma once

#include <optional>
#include <string>

#include "search/fingering.h"

namespace corvanta {

// Which strings sound, from the run of sounding strings ending at string 5.
enum StringSetClass : int {
  kFourTopStrings = 10,
  kFiveTopStrings = 20,
  kAllSixStrings = 30,
  kOtherStringSet = 50,
};

int ClassifyStringSet(const Frets& values);

// The key text "MMCCXX v0 v1 v2 v3 v4 v5 " of an accepted fingering, whose
// byte order is the order shown: position, string set, highest fret, values.
// nullopt when the fingering is dropped (a muted inner string under the
// simple-chords option, or a stretch not below the span).
std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span);

}  // namespace corvanta
