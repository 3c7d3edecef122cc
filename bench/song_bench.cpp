// A song voiced in the core: the 64-chord jazz progression (large
// candidate sets: m7b5, 7b9, maj7, dim7), read and voiced as players
// choose (target 20 ms), and again with its chords' searches kept; every capo 0..7 suggested
// (target 100 ms); and the same progression repeated, to show the time grows with the length.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "song/candidate_cache.h"
#include "song/capo_suggestion.h"
#include "song/song_reader.h"
#include "song/voiced_song.h"

namespace {

using namespace corvanta;

std::string TextOf(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string JazzSong() { return TextOf(CORVANTA_BENCH_SONGS "/jazz_64.cho"); }

Session PracticalGuitar() {
  Session session;
  session.practical = true;
  return session;
}

void VoiceJazzSong(benchmark::State& state) {
  const std::string text = JazzSong();
  const Session session = PracticalGuitar();
  for (auto _ : state) {
    const Song song = ReadSong(text);
    benchmark::DoNotOptimize(VoiceSong(session, song, {}));
  }
}
BENCHMARK(VoiceJazzSong)->Unit(benchmark::kMillisecond);

// A keystroke in the page's song view: the text read again and voiced with
// the session's kept searches (each chord searched at the first voicing).
void VoiceJazzSongKeptSearches(benchmark::State& state) {
  const std::string text = JazzSong();
  const Session session = PracticalGuitar();
  CandidateCache cache;
  VoiceSong(session, ReadSong(text), {}, cache);
  for (auto _ : state) {
    const Song song = ReadSong(text);
    benchmark::DoNotOptimize(VoiceSong(session, song, {}, cache));
  }
}
BENCHMARK(VoiceJazzSongKeptSearches)->Unit(benchmark::kMillisecond);

// The page's own jazz song (its bench pastes it), whose voicings move up
// the neck more: keystrokes in its words (the kept choice) and in a chord
// (its last, Bb6/9 to Bb6 and back: the choice solved again).
void VoicePageJazzSongKeystrokes(benchmark::State& state) {
  const std::string text = TextOf(CORVANTA_PAGE_SONGS "/jazz64.cho");
  std::string changed = text;
  if (state.range(0) == 1)
    changed.replace(changed.rfind("[Bb6/9]"), 7, "[Bb6]");
  else
    changed += "x";
  const Session session = PracticalGuitar();
  CandidateCache cache;
  VoiceSong(session, ReadSong(changed), {}, cache);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    benchmark::DoNotOptimize(VoiceSong(session, ReadSong(flip ? text : changed), {}, cache));
  }
  state.SetLabel(state.range(0) == 1 ? "a chord" : "the words");
}
BENCHMARK(VoicePageJazzSongKeystrokes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void VoiceJazzSongLeastMovement(benchmark::State& state) {
  const Song song = ReadSong(JazzSong());
  const Session session = PracticalGuitar();
  SongVoicingOptions options;
  options.mode = VoicingMode::LeastMovement;
  for (auto _ : state) benchmark::DoNotOptimize(VoiceSong(session, song, options));
}
BENCHMARK(VoiceJazzSongLeastMovement)->Unit(benchmark::kMillisecond);

void SuggestCaposJazzSong(benchmark::State& state) {
  const Song song = ReadSong(JazzSong());
  const Session session = PracticalGuitar();
  for (auto _ : state) benchmark::DoNotOptimize(SuggestCapos(session, song, {}));
}
BENCHMARK(SuggestCaposJazzSong)->Unit(benchmark::kMillisecond);

// The progression's chords repeated to 16, 32 ... 512 occurrences.
void VoiceLongerSongs(benchmark::State& state) {
  const Song jazz = ReadSong(JazzSong());
  std::string progression;
  for (int i = 0; i < state.range(0); ++i)
    progression += jazz.chords[static_cast<std::size_t>(i) % jazz.chords.size()].written + " ";
  const Song song = ReadSong(progression);
  const Session session = PracticalGuitar();
  for (auto _ : state) benchmark::DoNotOptimize(VoiceSong(session, song, {}));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(VoiceLongerSongs)
    ->RangeMultiplier(2)
    ->Range(16, 512)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// What the song window does after a pause in typing, on a song of N chords
// in lyric lines: the text read and the song voiced.
std::string LyricSongOfChords(int chords) {
  static const char* const kChords[] = {"G", "D/F#", "Em7", "Cadd9", "Am7", "D7sus4", "Bm", "C"};
  std::string song = "{title: Long}\n";
  for (int i = 0; i < chords; ++i) {
    song += std::string("[") + kChords[i % 8] + "]word ";
    if (i % 4 == 3) song += "and on\n";
  }
  return song + "\n";
}

void ReadAndVoiceSong(benchmark::State& state) {
  const std::string text = LyricSongOfChords(static_cast<int>(state.range(0)));
  const Session session = PracticalGuitar();
  for (auto _ : state) benchmark::DoNotOptimize(VoiceSong(session, ReadSong(text), {}));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadAndVoiceSong)->Arg(64)->Arg(256)->Arg(1024)->Arg(5000)->Unit(benchmark::kMillisecond);

// --alternatives 3 over songs of N chords: linear in the song.
void SongAlternatives(benchmark::State& state) {
  const Song song = ReadSong(LyricSongOfChords(static_cast<int>(state.range(0))));
  const Session session = PracticalGuitar();
  SongVoicingOptions options;
  options.alternatives = 3;
  options.mode = VoicingMode::LeastMovement;
  for (auto _ : state) benchmark::DoNotOptimize(VoiceSong(session, song, options));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(SongAlternatives)
    ->Arg(625)
    ->Arg(1250)
    ->Arg(2500)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
