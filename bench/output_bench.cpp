// What the CLI and the page do after a search: a chord voiced through the
// session, and the voicings of the largest result written as JSON.
#include <benchmark/benchmark.h>

#include "cli/output.h"
#include "session/session.h"
#include "theory/catalogue.h"

namespace corvanta {
namespace {

Session TwentyFourFrets() {
  Session session;
  session.fretCount = 24;
  return session;
}

// The catalogue chord with the most fingerings on the guitar with 24
// frets: the most the JSON writer meets.
Chord LargeChord() {
  static const Chord largest = [] {
    Chord best;
    std::size_t most = 0;
    for (const ChordType& type : kChordCatalogue) {
      for (int root = 0; root < kPitchClassCount; ++root) {
        Chord chord;
        chord.root = root;
        chord.bass = root;
        chord.formula = type.formula;
        const std::size_t count = VoiceChord(TwentyFourFrets(), chord).search.voicings.size();
        if (count > most) {
          most = count;
          best = chord;
        }
      }
    }
    return best;
  }();
  return largest;
}

void VoiceChordThroughSession(benchmark::State& state) {
  const Session session = TwentyFourFrets();
  const Chord chord = LargeChord();
  std::size_t count = 0;
  for (auto _ : state) count = VoiceChord(session, chord).search.voicings.size();
  state.counters["fingerings"] = static_cast<double>(count);
}
BENCHMARK(VoiceChordThroughSession)->Unit(benchmark::kMicrosecond);

void VoicingsJsonOfLargeResult(benchmark::State& state) {
  const Session session = TwentyFourFrets();
  const VoicedChord voiced = VoiceChord(session, LargeChord());
  const Instrument sounding = SoundingInstrument(session);
  const cli::ChordContext chord = cli::ChordContextOf(voiced.search, LargeChord().root);
  std::size_t bytes = 0;
  for (auto _ : state)
    bytes = cli::VoicingsJsonText(voiced.search.voicings, sounding, chord).size();
  state.counters["fingerings"] = static_cast<double>(voiced.search.voicings.size());
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(VoicingsJsonOfLargeResult)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta

BENCHMARK_MAIN();
