#include "view/layout/barre.h"

#include <cstdlib>

namespace corvanta {

std::vector<int> CoverBarre(Frets& values, int from, int step, int fret) {
  std::vector<int> covered;
  for (int position = from; position >= 0 && position < kStringCount; position += step) {
    int value = values[position];
    if (value == kCoveredByBarre || (std::abs(value) < fret && value != kMuted)) break;
    covered.push_back(position);
    if (std::abs(value) == fret) values[position] = kCoveredByBarre;
  }
  return covered;
}

}  // namespace corvanta
