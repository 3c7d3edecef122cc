// Where a fingering's key text sorts, as numbers.
#pragma once

// Where a fingering's key text sorts, as numbers: the string-set class and
// prefix number of the key's fields (each value's rank is the instrument's,
// as its shapes are ranked too).
#include <algorithm>
#include <array>
#include <cstdint>

#include "instrument/instrument.h"
#include "instrument/tuning.h"
#include "instrument/value_ranks.h"

namespace corvanta {

// Which strings sound, from the run of sounding strings ending at the
// highest one.
enum StringSetClass : int {
  kAllButTwoLowest = 10,
  kAllButLowest = 20,
  kEveryString = 30,
  kOtherStringSet = 50,
};

namespace key_facts {

// The key's fields are written as two-digit numbers from 10 up.
inline constexpr int kFieldOffset = 10;

}  // namespace key_facts

// The key's three two-digit fields "MMCCXX" as the number they spell
// ("112013"): position + 10, the string-set class, highest fret + 10.
constexpr int KeyPrefixNumber(int position, int stringSet, int highest) {
  return (position + key_facts::kFieldOffset) * 10000 + stringSet * 100 + highest +
         key_facts::kFieldOffset;
}

}  // namespace corvanta
