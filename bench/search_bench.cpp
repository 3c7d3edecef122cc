#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "peak_memory.h"
#include "search/enumeration.h"
#include "search/enumeration_walk.h"
#include "search/fingering_collector.h"
#include "search/search_argument.h"
#include "search/search_chord.h"
#include "search/tone_map.h"
#include "theory/catalogue.h"
#include "theory/formula.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

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

// The 24-fret worst cases, chosen by counting (so the figures repeat): the
// catalogue chord (bass on the root) with the most candidates, and the one
// with the most fingerings.
struct WorstCase {
  int type = 0;
  int root = 0;
  std::size_t count = 0;
};

struct CandidateCounter : CandidateSink {
  std::size_t candidates = 0;
  void CheckFingering(const Frets&, int) override { ++candidates; }
};

std::size_t CandidatesOf(int type, int root, int fretCount) {
  SearchSettings settings;
  settings.fretCount = fretCount;
  auto numbers =
      ParseSearchArgument(BuildSearchArgument(kChordCatalogue[type].formula, root, root)).numbers;
  settings.rootPitchClass = settings.bassPitchClass = root;
  std::vector<int> tones = ChordTonesOf(numbers, settings);
  CandidateCounter counter;
  EnumerateFingerings(BuildToneMap(settings.tuning, fretCount, {numbers[0]}),
                      BuildToneMap(settings.tuning, fretCount, tones), fretCount, counter);
  return counter.candidates;
}

template <typename Measure>
WorstCase Largest(Measure measure) {
  WorstCase worst;
  for (int type = 0; type < kChordTypeCount; ++type) {
    for (int root = 0; root < 12; ++root) {
      std::size_t count = measure(type, root);
      if (count > worst.count) worst = {type, root, count};
    }
  }
  return worst;
}

const WorstCase& MostCandidatesAt24() {
  static const WorstCase worst =
      Largest([](int type, int root) { return CandidatesOf(type, root, 24); });
  return worst;
}

const WorstCase& MostFingeringsAt24() {
  static const WorstCase worst = Largest([](int type, int root) {
    SearchSettings settings;
    settings.fretCount = 24;
    return SearchType(kChordCatalogue[type], root, root, settings).fingerings.size();
  });
  return worst;
}

void Search24(benchmark::State& state, const WorstCase& worst) {
  SearchSettings settings;
  settings.fretCount = 24;
  const ChordType& type = kChordCatalogue[worst.type];
  std::size_t count = 0;
  for (auto _ : state) count = SearchType(type, worst.root, worst.root, settings).fingerings.size();
  state.counters["fingerings"] = static_cast<double>(count);
  state.counters["candidates"] = static_cast<double>(CandidatesOf(worst.type, worst.root, 24));
  state.SetLabel(std::string(NoteNamesFor(Accidentals::Sharps)[worst.root]) + " \"" +
                 std::string(TrimBlanks(type.name)) + "\"");
}

void MostCandidatesAt24Frets(benchmark::State& state) { Search24(state, MostCandidatesAt24()); }
BENCHMARK(MostCandidatesAt24Frets)->Unit(benchmark::kMicrosecond);

void MostFingeringsAt24Frets(benchmark::State& state) { Search24(state, MostFingeringsAt24()); }
BENCHMARK(MostFingeringsAt24Frets)->Unit(benchmark::kMicrosecond);

// The stages of the start chord: enumerating the candidates (tone maps
// included), checking them (the whole search less the ordering), ordering.
void StageEnumeration(benchmark::State& state) {
  SearchSettings settings;
  for (auto _ : state) {
    CandidateCounter counter;
    EnumerateFingerings(BuildToneMap(settings.tuning, 12, {0}),
                        BuildToneMap(settings.tuning, 12, {0, 4, 7}), 12, counter);
    benchmark::DoNotOptimize(counter.candidates);
  }
}
BENCHMARK(StageEnumeration)->Unit(benchmark::kMicrosecond);

void StageEnumerationAndChecking(benchmark::State& state) {
  SearchSettings settings;
  std::vector<int> tones{0, 4, 7};
  for (auto _ : state) {
    FingeringCollector collector(settings, tones);
    enumeration::Enumerate<true>(BuildToneMap(settings.tuning, 12, {0}),
                                 BuildToneMap(settings.tuning, 12, tones), 12, collector);
    benchmark::DoNotOptimize(collector.TakeFingerings());
  }
}
BENCHMARK(StageEnumerationAndChecking)->Unit(benchmark::kMicrosecond);

void StageOrdering(benchmark::State& state) {
  SearchResult found = SearchType(kChordCatalogue[0], 0, 0, {});
  for (auto _ : state) {
    std::vector<PackedFingering> fingerings = found.fingerings;
    PromotePreferredShape(fingerings);
    std::sort(fingerings.begin(), fingerings.end(),
              [](const PackedFingering& a, const PackedFingering& b) { return a.order < b.order; });
    benchmark::DoNotOptimize(fingerings.data());
  }
}
BENCHMARK(StageOrdering)->Unit(benchmark::kMicrosecond);

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
