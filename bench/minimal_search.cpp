// The smallest program that does what `corvanta-cli search` does at its
// core: one search of C major on the guitar, its count printed. The measure
// for the CLI's start-up cost.
#include <cstdio>

#include "instrument/instrument.h"
#include "search/instrument_search.h"

int main() {
  corvanta::SearchSettings settings;
  auto result =
      corvanta::SearchOnInstrument(*corvanta::FindInstrument("guitar"), {0, 4, 7}, settings);
  std::printf("%zu fingerings\n", result.voicings.size());
  return 0;
}
