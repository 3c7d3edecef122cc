// corvanta-cli songbook as a whole process over books of 75, 150 and 300
// songs made from a few of our own (traditional words, each song moved to
// its own key): the wall time, the CPU time and the peak memory, which the
// counters report (targets for 300 songs: 15 s, 300 MB, linear in songs).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_run.h"

namespace {

namespace fs = std::filesystem;

// Verses and a chorus of a few chords each, as songbooks hold them.
const char* const kVerses[] = {
    "Oh [D]Shenan[G]doah, I [D]long to [Bm]see you,\nA[G]way, you [D]rolling [A]river.\n"
    "Oh [D]Shenan[G]doah, I [D]long to [Bm]see you,\nA[G]way, I'm [D]bound a[A]way,\n"
    "A[D]cross the [G]wide Mis[A]sou[D]ri.\n",
    "From this [G]valley they say you are [D]going,\nWe will [D7]miss your bright eyes and "
    "sweet [G]smile,\nFor they say you are taking the [C]sunshine\nThat has [D]brightened our "
    "pathway a [G]while.\n",
    "I [C]come from Alabama with my [G]banjo on my knee,\nI'm [C]going to Louisiana, my "
    "[G]true love [C]for to see.\nIt [Am]rained all night the [Em]day I left,\nThe [F]weather "
    "it was [G7]dry.\n",
    "[Em]Down in the valley, the [Am]valley so [B7]low,\nHang your head [Em]over, hear the "
    "[C]wind [B7]blow.\n[Em]Roses love sunshine, [Am]violets love [B7]dew,\nAngels in "
    "[Em]heaven know [B7]I love [Em]you.\n",
    "Should [F]auld acquaintance [C7]be forgot,\nAnd [F]never brought to [Bb]mind?\nShould "
    "[F]auld acquaintance [C7]be forgot,\nAnd [Bb]auld [C7]lang [F]syne!\n",
};

std::string SongText(int number) {
  const int kind = number % 5;
  std::string text = "{title: Song " + std::to_string(number) + " of the Road}\n";
  text += "{artist: Traditional}\n{transpose: " + std::to_string(number % 12 - 5) + "}\n\n";
  for (int verse = 1; verse <= 6; ++verse) {
    text += "{start_of_verse: Verse " + std::to_string(verse) + "}\n";
    text += kVerses[(kind + verse) % 5];
    text += "{end_of_verse}\n\n";
    if (verse % 2 == 0)
      text += "{start_of_chorus}\n" + std::string(kVerses[kind]) + "{end_of_chorus}\n\n";
  }
  return text;
}

fs::path MakeBook(int songs) {
  const fs::path folder =
      fs::temp_directory_path() / ("corvanta-bench-book-" + std::to_string(songs));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (int i = 1; i <= songs; ++i)
    std::ofstream(folder / ("song-" + std::to_string(i) + ".cho")) << SongText(i);
  return folder;
}

void SongbookProcess(benchmark::State& state) {
  const int songs = static_cast<int>(state.range(0));
  const fs::path folder = MakeBook(songs);
  const std::string pdf = (folder / "book.pdf").string();
  std::vector<std::string> arguments{
      CORVANTA_CLI_PATH, "songbook", folder.string(), "--title", "Bench", "--pdf", pdf};
  double peak = 0, cpu = 0;
  for (auto _ : state) {
    const auto run = corvanta::bench::RunChild(arguments);
    if (!run) {
      state.SkipWithError("cannot start the program");
      break;
    }
    state.SetIterationTime(run->seconds);
    if (!run->ExitedWith(0)) {
      state.SkipWithError("songbook failed");
      break;
    }
    peak = std::max(peak, run->PeakMegabytes());
    cpu = run->CpuSeconds();
  }
  state.counters["peak_MB"] = peak;
  state.counters["cpu_s"] = cpu;
  state.counters["cpu_ms_per_song"] = cpu * 1000 / songs;
  std::error_code ignored;
  state.counters["pdf_MB"] = static_cast<double>(fs::file_size(pdf, ignored)) / (1 << 20);
  fs::remove_all(folder);
}
BENCHMARK(SongbookProcess)
    ->Arg(75)
    ->Arg(150)
    ->Arg(300)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
