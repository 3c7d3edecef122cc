// Any search argument text: refused with a message, or searched and named.
#include <algorithm>

#include "fuzz_input.h"
#include "instrument/instrument.h"
#include "search/instrument_search.h"
#include "search/search_argument.h"
#include "symbols/chord_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  ParsedArgument parsed = ParseSearchArgument(fuzz::AsText(data, size));
  if (!parsed.ok()) return 0;
  if (parsed.numbers.empty()) __builtin_trap();  // a parsed argument names its bass
  SearchSettings settings;
  settings.bassPitchClass = parsed.numbers.front();
  settings.rootPitchClass = parsed.numbers.size() > 1 ? parsed.numbers[1] : parsed.numbers[0];
  settings.fretCount = 6 + static_cast<int>(size % 4) * 6;
  // Every instrument runs the same walk; the guitar and one played in any
  // inversion cover both ways of placing the bass.
  const Instrument& instrument = *FindInstrument(size % 2 == 0 ? "guitar" : "ukulele");
  InstrumentSearchResult result = SearchOnInstrument(instrument, parsed.numbers, settings);
  ListChordNames(result.chordTones, settings.bassPitchClass, Accidentals::Sharps);
  return 0;
}
