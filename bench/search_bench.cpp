// Benchmarks of the one search: the start chord, every chord type, the worst cases.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "instrument/instrument.h"
#include "peak_memory.h"
#include "search/difficulty.h"
#include "search/instrument_search.h"
#include "search/search_argument.h"
#include "theory/catalogue.h"
#include "theory/formula.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

InstrumentSearchResult SearchType(const ChordType& type, int root, int bass,
                                  SearchSettings settings, const char* instrument = "guitar") {
  settings.rootPitchClass = root;
  settings.bassPitchClass = bass;
  return SearchOnInstrument(
      *FindInstrument(instrument),
      ParseSearchArgument(BuildSearchArgument(type.formula, root, bass)).numbers, settings);
}

void StartChord(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SearchType(kChordCatalogue[0], 0, 0, {}));
}
BENCHMARK(StartChord)->Unit(benchmark::kMicrosecond);

// The start chord as a player sees it by default in English: the practical
// rules, ordered by ease, with the figure each diagram's hint shows.
void StartChordPracticalEase(benchmark::State& state) {
  SearchSettings practical;
  practical.practical = true;
  double figures = 0;
  for (auto _ : state) {
    InstrumentSearchResult result = SearchType(kChordCatalogue[0], 0, 0, practical);
    // The order's own figures, as the hints show them.
    for (double figure : OrderVoicings(result.voicings, VoicingOrderChoice::Ease))
      figures += figure;
    benchmark::DoNotOptimize(figures);
  }
}
BENCHMARK(StartChordPracticalEase)->Unit(benchmark::kMicrosecond);

void StartChordUkulele(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(SearchType(kChordCatalogue[0], 0, 0, {}, "ukulele"));
}
BENCHMARK(StartChordUkulele)->Unit(benchmark::kMicrosecond);

// The 24-fret worst case, chosen by counting (so the figure repeats): the
// catalogue chord (bass on the root) with the most fingerings.
struct WorstCase {
  int type = 0;
  int root = 0;
  std::size_t count = 0;
};

const WorstCase& MostFingeringsAt24() {
  static const WorstCase worst = [] {
    WorstCase largest;
    SearchSettings settings;
    settings.fretCount = 24;
    for (int type = 0; type < kChordTypeCount; ++type) {
      for (int root = 0; root < 12; ++root) {
        std::size_t count = SearchType(kChordCatalogue[type], root, root, settings).voicings.size();
        if (count > largest.count) largest = {type, root, count};
      }
    }
    return largest;
  }();
  return worst;
}

void MostFingeringsAt24Frets(benchmark::State& state) {
  const WorstCase& worst = MostFingeringsAt24();
  SearchSettings settings;
  settings.fretCount = 24;
  const ChordType& type = kChordCatalogue[worst.type];
  std::size_t count = 0;
  for (auto _ : state) count = SearchType(type, worst.root, worst.root, settings).voicings.size();
  state.counters["fingerings"] = static_cast<double>(count);
  state.SetLabel(std::string(NoteNamesFor(Accidentals::Sharps)[worst.root]) + " \"" +
                 std::string(TrimBlanks(type.name)) + "\"");
}
BENCHMARK(MostFingeringsAt24Frets)->Unit(benchmark::kMicrosecond);

void SweepAllChordsStandardTuning(benchmark::State& state) {
  std::size_t total = 0;
  for (auto _ : state) {
    total = 0;
    for (int root = 0; root < 12; ++root) {
      for (const ChordType& type : kChordCatalogue) {
        for (int bass = 0; bass < 12; ++bass)
          total += SearchType(type, root, bass, {}).voicings.size();
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
