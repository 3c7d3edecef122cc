// Fingerings written as key texts write them, for the tests.
#pragma once

// Fingerings written as the key texts write them (99 muted, -f the lowest
// string of a barre at fret f): short to read in a table of cases.
#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "search/key_text.h"

namespace corvanta {

inline Fingering Keyed(std::initializer_list<int> values) {
  auto fingering = FingeringOfKeyValues(std::vector<int>(values));
  if (!fingering) throw std::invalid_argument("not key values");
  return *fingering;
}

inline Fingering Keyed(const std::vector<int>& values) {
  auto fingering = FingeringOfKeyValues(values);
  if (!fingering) throw std::invalid_argument("not key values");
  return *fingering;
}

// A failed comparison shows the key values.
inline void PrintTo(const Fingering& fingering, std::ostream* out) {
  *out << '{';
  for (int value : KeyValues(fingering)) *out << ' ' << value;
  *out << " }";
}

}  // namespace corvanta
