// The song library searched as the player types: 1,000 songs made from a
// few of our own (traditional words), each keystroke's search timed (target:
// within a frame, 16 ms), and the library's reading of the 1,000 texts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "song/song_library.h"

namespace {

const char* const kVerses[] = {
    "Oh [D]Shenan[G]doah, I [D]long to [Bm]see you,\nA[G]way, you [D]rolling [A]river.\n",
    "From this [G]valley they say you are [D]going,\nWe will [D7]miss your bright eyes\n",
    "I [C]come from Alabama with my [G]banjo on my knee,\nIt [Am]rained all night\n",
    "[Em]Down in the valley, the [Am]valley so [B7]low,\nHang your head [Em]over\n",
    "Should [F]auld acquaintance [C7]be forgot,\nAnd [F]never brought to [Bb]mind?\n",
};

std::string SongText(int number) {
  std::string text = "{title: Song " + std::to_string(number) + " of the Road}\n";
  text += "{artist: Singer " + std::to_string(number % 37) + "}\n";
  for (int verse = 0; verse < 8; ++verse) text += std::string(kVerses[(number + verse) % 5]) + "\n";
  return text;
}

const corvanta::SongLibrary& Library() {
  static const corvanta::SongLibrary library = [] {
    corvanta::SongLibrary made;
    for (int i = 1; i <= 1000; ++i)
      made.Add("/songs/" + std::to_string(i) + ".cho", SongText(i), std::to_string(i));
    made.Sort();
    return made;
  }();
  return library;
}

// Each prefix of what a player types, one search per keystroke.
void SearchAsTyped(benchmark::State& state) {
  const std::string typed = "shenandoah rolling";
  const corvanta::SongLibrary& library = Library();
  std::size_t found = 0;
  for (auto _ : state) {
    for (std::size_t length = 1; length <= typed.size(); ++length)
      found += library.Search(std::string_view(typed).substr(0, length)).size();
  }
  benchmark::DoNotOptimize(found);
  // Keystrokes a second; a frame is 16 ms.
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(typed.size()));
}
BENCHMARK(SearchAsTyped)->Unit(benchmark::kMillisecond);

void ReadLibrary(benchmark::State& state) {
  std::vector<std::string> texts;
  for (int i = 1; i <= 1000; ++i) texts.push_back(SongText(i));
  for (auto _ : state) {
    corvanta::SongLibrary library;
    for (std::size_t i = 0; i < texts.size(); ++i) library.Add("/songs/x.cho", texts[i], "x");
    library.Sort();
    benchmark::DoNotOptimize(library.Songs().size());
  }
}
BENCHMARK(ReadLibrary)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
