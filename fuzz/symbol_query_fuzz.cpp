// A typed chord symbol, read, searched and named as the window does.
#include "fuzz_input.h"
#include "session/current_chord.h"
#include "symbols/symbol_query.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  ChordEntry entry;
  ReadChordSymbol(entry, fuzz::AsText(data, size));
  ChordResult result = SearchCurrentChord(entry, kStandardTuning);
  if (result.names.empty()) __builtin_trap();  // every chord has at least its own name
  return 0;
}
