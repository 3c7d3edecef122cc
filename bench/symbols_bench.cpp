#include <benchmark/benchmark.h>

#include "symbols/chord_names.h"
#include "symbols/symbol_query.h"

namespace corvanta {
namespace {

const char* const kOrdinarySymbols[] = {"C", "C#m7/G#", "Bbsus4", "C7/9/11/13", "Am7", "C/b9"};

void ReadTypedSymbol(benchmark::State& state) {
  const char* symbol = kOrdinarySymbols[state.range(0)];
  for (auto _ : state) {
    ChordEntry entry;
    benchmark::DoNotOptimize(ReadChordSymbol(entry, symbol));
    benchmark::DoNotOptimize(entry.state.chordFormula.data());
  }
  state.SetLabel(symbol);
}
BENCHMARK(ReadTypedSymbol)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

void NameChord(benchmark::State& state) {
  const std::vector<std::vector<int>> chords{
      {0, 4, 7}, {0, 4, 7, 10, 2, 5}, {0, 3, 6, 9}, {7, 11, 2, 5}};
  const auto& notes = chords[state.range(0)];
  for (auto _ : state)
    benchmark::DoNotOptimize(ListChordNames(notes, notes[0], Accidentals::Sharps));
}
BENCHMARK(NameChord)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Linear in the text's length: words of a recognised degree, megabytes long.
void ReadLongText(benchmark::State& state) {
  std::string text = "C";
  while (text.size() < static_cast<std::size_t>(state.range(0))) text += "/9 x";
  for (auto _ : state) {
    ChordEntry entry;
    benchmark::DoNotOptimize(ReadChordSymbol(entry, text));
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
