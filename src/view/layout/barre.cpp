#include "view/layout/barre.h"

#include <cstdlib>

namespace corvanta {

std::vector<int> CoverBarre(std::span<int> values, int from, int step, int fret) {
  std::vector<int> covered;
  for (int position = from; position >= 0 && position < static_cast<int>(values.size());
       position += step) {
    int value = values[static_cast<std::size_t>(position)];
    if (value == kCoveredByBarre || (std::abs(value) < fret && value != kMuted)) break;
    covered.push_back(position);
    if (std::abs(value) == fret) values[static_cast<std::size_t>(position)] = kCoveredByBarre;
  }
  return covered;
}

}  // namespace corvanta
