// Benchmarks of reading typed chord symbols and naming pitch-class sets.
#include <benchmark/benchmark.h>

#include <iterator>

#include "chord_entry/entry_chord.h"
#include "search/instrument_search.h"
#include "search/key_text.h"
#include "session/placed_fingering.h"
#include "symbols/chord_names.h"
#include "symbols/chord_readings.h"
#include "symbols/reading_text.h"
#include "symbols/symbol_query.h"

namespace corvanta {
namespace {

// The program's own words and standard spellings, read with the spelling step.
const char* const kOrdinarySymbols[] = {"C", "C#m7/G#", "Bbsus4", "C7/9/11/13", "Am7", "C/b9",
                                        "Cmaj7", "F#m7b5", "E7#9", "C13b9", "Cm(maj7)/G",
                                        "Bb\xCE\x94"
                                        "9#11",
                                        // Fitted to six notes, omissions, capitals.
                                        "C13(#11)", "C7(b9,#9,b13)/E", "C7alt", "CMI7(omit 5)",
                                        "G\xC3\xB8"
                                        "13"};

void ReadTypedSymbol(benchmark::State& state) {
  const char* symbol = kOrdinarySymbols[state.range(0)];
  auto notation = state.range(1) ? ChordNotation::Standard : ChordNotation::Classic;
  for (auto _ : state) {
    ChordEntry entry;
    benchmark::DoNotOptimize(ReadTypedChord(entry, symbol, notation));
    benchmark::DoNotOptimize(entry.state.chordFormula.data());
  }
  state.SetLabel(symbol);
}
BENCHMARK(ReadTypedSymbol)
    ->ArgsProduct({benchmark::CreateDenseRange(0, std::size(kOrdinarySymbols) - 1, 1), {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The same symbols read straight into a Chord, as the CLI and songs read
// them (the window's path above also shows the reading in its entry).
void ReadSymbolAsChord(benchmark::State& state) {
  const char* symbol = kOrdinarySymbols[state.range(0)];
  auto notation = state.range(1) ? ChordNotation::Standard : ChordNotation::Classic;
  for (auto _ : state) benchmark::DoNotOptimize(ChordOfSymbol(symbol, notation));
  state.SetLabel(symbol);
}
BENCHMARK(ReadSymbolAsChord)
    ->ArgsProduct({benchmark::CreateDenseRange(0, std::size(kOrdinarySymbols) - 1, 1), {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void NameChord(benchmark::State& state) {
  const std::vector<std::vector<int>> chords{
      {0, 4, 7}, {0, 4, 7, 10, 2, 5}, {0, 3, 6, 9}, {7, 11, 2, 5}};
  const auto& notes = chords[state.range(0)];
  for (auto _ : state)
    benchmark::DoNotOptimize(ListChordNames(notes, notes[0], Accidentals::Sharps));
}
BENCHMARK(NameChord)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Every reading of a chord, ranked, each written as a standard symbol with
// its notes (what the JSON "readings" holds); six notes at the most.
void ReadAndWriteEveryReading(benchmark::State& state) {
  const std::vector<std::vector<int>> chords{
      {0, 4, 7}, {0, 4, 7, 10, 2, 9}, {4, 8, 2, 7, 0, 5}, {0, 1, 3, 6, 8, 10}};
  const auto& notes = chords[static_cast<std::size_t>(state.range(0))];
  std::size_t readings = 0;
  for (auto _ : state) {
    std::vector<ChordReading> ranked = ReadChord(notes, notes[0]);
    readings = ranked.size();
    for (const ChordReading& reading : ranked) {
      benchmark::DoNotOptimize(WriteReading(reading, ChordNotation::Standard));
      benchmark::DoNotOptimize(ReadingNotes(reading));
    }
  }
  state.SetLabel(std::to_string(notes.size()) + " notes, " + std::to_string(readings) +
                 " readings");
}
BENCHMARK(ReadAndWriteEveryReading)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// "What is this chord?": the notes a placed fingering sounds, named.
void NamePlacedFingering(benchmark::State& state) {
  const std::vector<std::vector<int>> shapes{
      {99, 3, 2, 0, 1, 0}, {-1, 3, 3, 2, 1, 1}, {3, 5, 2, 4, 1, 6}};
  const Fingering frets = FingeringOfKeyValues(shapes[state.range(0)]).value();
  const Instrument sounding = InstrumentWithCapo(*FindInstrument("guitar"), 2);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        NameSoundingNotes(NotesOnInstrument(frets, sounding), Accidentals::Sharps));
}
BENCHMARK(NamePlacedFingering)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Linear in the text's length: recognised words, standard spellings and
// arbitrary bytes, megabytes long, through the spelling step and the reading.
void ReadLongText(benchmark::State& state) {
  std::string text = "C";
  unsigned seed = 12345;
  while (text.size() < static_cast<std::size_t>(state.range(0))) {
    text += "/9 xmaj7#11\xCE\x94-";
    for (int i = 0; i < 8; ++i) text += static_cast<char>((seed = seed * 1103515245 + 12345) >> 24);
  }
  for (auto _ : state) {
    ChordEntry entry;
    benchmark::DoNotOptimize(ReadTypedChord(entry, text, ChordNotation::Standard));
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(ReadLongText)
    ->RangeMultiplier(4)
    ->Range(1 << 14, 1 << 20)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta

BENCHMARK_MAIN();
