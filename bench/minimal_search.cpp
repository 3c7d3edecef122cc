// The smallest program that does what `corvanta-cli search` does at its
// core: one search of C major, its count printed. The measure for the CLI's
// start-up cost.
#include <cstdio>

#include "search/search_chord.h"

int main() {
  corvanta::SearchSettings settings;
  auto result = corvanta::SearchChord({0, 4, 7}, settings);
  std::printf("%zu fingerings\n", result.fingerings.size());
  return 0;
}
