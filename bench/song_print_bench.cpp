// corvanta-cli song FILE --pdf on 1 MB texts a player may drop on it (blank
// lines, one line of words, chords) and a 200 KB title: the whole process,
// wall clock, with its peak resident memory (MB) and whether it refused
// (the page limit) as counters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "child_run.h"

namespace {

constexpr std::size_t kMegabyte = 1000000;

std::string BlankLines() { return std::string(kMegabyte, '\n'); }

std::string OneLine() {
  std::string line;
  while (line.size() < kMegabyte) line += "la ";
  return line + "\n";
}

std::string Chords() {
  std::string text = "{title: Chords}\n";
  while (text.size() < kMegabyte) text += "[G]la [C]la [D7]la [Em]la\n";
  return text;
}

std::string LongTitle() {
  std::string title;
  while (title.size() < 200 * 1024) title += "word ";
  return "{title: " + title + "}\n[G]la [C]la\n";
}

void PrintedSong(benchmark::State& state, std::string (*make)()) {
  const std::string path = "/tmp/corvanta-print-bench-" + std::to_string(::getpid()) + ".cho";
  std::ofstream(path, std::ios::binary) << make();
  std::vector<std::string> arguments{CORVANTA_CLI_PATH, "song", path, "--pdf",
                                     "/tmp/corvanta-print-bench.pdf"};
  double peak = 0;
  bool refused = false;
  for (auto _ : state) {
    const auto run = corvanta::bench::RunChild(arguments);
    if (!run) {
      state.SkipWithError("cannot start corvanta-cli");
      break;
    }
    state.SetIterationTime(run->seconds);
    if (!run->ExitedWithin(1)) {
      state.SkipWithError("corvanta-cli song --pdf crashed or failed to start");
      break;
    }
    refused = run->ExitedWith(1);
    peak = std::max(peak, run->PeakMegabytes());
  }
  state.counters["peak_MB"] = peak;
  state.counters["refused"] = refused ? 1 : 0;
  std::remove(path.c_str());
}

BENCHMARK_CAPTURE(PrintedSong, blank_lines_1MB, &BlankLines)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(PrintedSong, one_line_1MB, &OneLine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(PrintedSong, chords_1MB, &Chords)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(PrintedSong, title_200KB, &LongTitle)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
