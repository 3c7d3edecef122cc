#include <benchmark/benchmark.h>

#include <chrono>

#include "peak_memory.h"
#include "search/search_argument.h"
#include "search/search_chord.h"
#include "theory/catalogue.h"
#include "theory/formula.h"

namespace corvanta {
namespace {

SearchResult SearchType(const ChordType& type, int root, int bass, SearchSettings settings) {
  settings.rootPitchClass = root;
  settings.bassPitchClass = bass;
  return SearchChord(ParseSearchArgument(BuildSearchArgument(type.formula, root, bass)).numbers,
                     settings);
}

void StartChord(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SearchType(kChordCatalogue[0], 0, 0, {}));
}
BENCHMARK(StartChord)->Unit(benchmark::kMicrosecond);

// The catalogue chord (type and root, bass on the root) that takes longest at 24 frets.
std::pair<int, int> SlowestAt24Frets() {
  SearchSettings settings;
  settings.fretCount = 24;
  std::pair<int, int> slowest{0, 0};
  auto longest = std::chrono::nanoseconds::zero();
  for (int type = 0; type < kChordTypeCount; ++type) {
    for (int root = 0; root < 12; ++root) {
      auto start = std::chrono::steady_clock::now();
      for (int repeat = 0; repeat < 3; ++repeat)
        SearchType(kChordCatalogue[type], root, root, settings);
      auto took = std::chrono::steady_clock::now() - start;
      if (took > longest) longest = took, slowest = {type, root};
    }
  }
  return slowest;
}

void SlowestChordAt24Frets(benchmark::State& state) {
  static const auto slowest = SlowestAt24Frets();
  SearchSettings settings;
  settings.fretCount = 24;
  const ChordType& type = kChordCatalogue[slowest.first];
  std::size_t count = 0;
  for (auto _ : state) {
    count = SearchType(type, slowest.second, slowest.second, settings).fingerings.size();
  }
  state.counters["fingerings"] = static_cast<double>(count);
  state.SetLabel(std::string(type.formula) + " root " + std::to_string(slowest.second));
}
BENCHMARK(SlowestChordAt24Frets)->Unit(benchmark::kMicrosecond);

void SweepAllChordsStandardTuning(benchmark::State& state) {
  std::size_t total = 0;
  for (auto _ : state) {
    total = 0;
    for (int root = 0; root < 12; ++root) {
      for (const ChordType& type : kChordCatalogue) {
        for (int bass = 0; bass < 12; ++bass)
          total += SearchType(type, root, bass, {}).fingerings.size();
      }
    }
  }
  state.counters["fingerings"] = static_cast<double>(total);
  state.counters["peak_MB"] = PeakResidentMegabytes();
}
BENCHMARK(SweepAllChordsStandardTuning)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta

BENCHMARK_MAIN();
