// A typed chord symbol, read, searched and named as the window does, in the
// program's own words and through the spelling step in both notations.
#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "fuzz_input.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "symbols/chord_fitting.h"
#include "symbols/symbol_query.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  const std::string_view text = fuzz::AsText(data, size);
  ChordEntry entry;
  ReadChordSymbol(entry, text);
  const Instrument& guitar = *FindInstrument("guitar");
  VoicedChord result = VoiceEntry(entry, guitar);
  if (result.names.empty()) __builtin_trap();  // every chord has at least its own name
  for (ChordNotation notation : {ChordNotation::Classic, ChordNotation::Standard}) {
    ChordEntry typed;
    SymbolReading reading = ReadTypedChord(typed, text, notation);
    // A chord taken fits six notes, or was refused and said so.
    bool fitted = reading.tooManyNotes > 0 || reading.noChord || !reading.namesRoot ||
                  typed.state.chordFormula.size() <= 3 * kMostChordNotes;
    if (!fitted) __builtin_trap();
    VoiceEntry(typed, guitar);
  }
  return 0;
}
