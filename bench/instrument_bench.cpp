// The voicing search on other instruments: the start chord (C major, bass
// C, 12 frets) on each, and the 7-string guitar's E minor seven at 24 frets.
#include <benchmark/benchmark.h>

#include "search/difficulty.h"
#include "search/instrument_search.h"
#include "search/search_argument.h"
#include "theory/formula.h"

namespace corvanta {
namespace {

InstrumentSearchResult SearchOn(const char* name, std::string_view formula, int root,
                                int fretCount) {
  SearchSettings settings;
  settings.rootPitchClass = settings.bassPitchClass = root;
  settings.fretCount = fretCount;
  auto numbers = ParseSearchArgument(BuildSearchArgument(formula, root, root)).numbers;
  return SearchOnInstrument(*FindInstrument(name), numbers, settings);
}

void StartChordOn(benchmark::State& state, const char* name) {
  for (auto _ : state) benchmark::DoNotOptimize(SearchOn(name, "00 04 07", 0, 12));
  state.counters["fingerings"] =
      static_cast<double>(SearchOn(name, "00 04 07", 0, 12).voicings.size());
}
BENCHMARK_CAPTURE(StartChordOn, guitar, "guitar")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartChordOn, ukulele, "ukulele")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartChordOn, mandolin, "mandolin")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartChordOn, guitar7, "guitar7")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartChordOn, banjo, "banjo")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartChordOn, bass, "bass")->Unit(benchmark::kMicrosecond);

void SevenStringEMinorSevenAt24(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SearchOn("guitar7", "00 03 07 10", 4, 24));
  state.counters["fingerings"] =
      static_cast<double>(SearchOn("guitar7", "00 03 07 10", 4, 24).voicings.size());
}
BENCHMARK(SevenStringEMinorSevenAt24)->Unit(benchmark::kMicrosecond);

// The start chord on the guitar, ordered by ease, strict and practical
// (target: under 15 us).
void StartChordByEase(benchmark::State& state, bool practical) {
  SearchSettings settings;
  settings.practical = practical;
  auto numbers = ParseSearchArgument(BuildSearchArgument("00 04 07", 0, 0)).numbers;
  for (auto _ : state) {
    InstrumentSearchResult result =
        SearchOnInstrument(*FindInstrument("guitar"), numbers, settings);
    OrderVoicings(result.voicings, VoicingOrderChoice::Ease);
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK_CAPTURE(StartChordByEase, strict, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StartChordByEase, practical, true)->Unit(benchmark::kMicrosecond);

// The difficulty of 1,000 fingerings: the largest guitar result's first
// thousand (target: under 50 us).
void DifficultyOfAThousand(benchmark::State& state) {
  const InstrumentSearchResult result = SearchOn("guitar", "00 05 07 10", 4, 24);
  std::vector<Fingering> frets;
  for (std::size_t i = 0; i < 1000 && i < result.voicings.size(); ++i)
    frets.push_back(result.voicings[i].frets);
  for (auto _ : state) {
    double sum = 0;
    for (const auto& values : frets) sum += Difficulty(values);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["fingerings"] = static_cast<double>(frets.size());
}
BENCHMARK(DifficultyOfAThousand)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvanta

BENCHMARK_MAIN();
