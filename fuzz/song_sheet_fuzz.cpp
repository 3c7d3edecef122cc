// A song's text in any form, voiced and made a printed sheet: every line of
// words keeps all its words (its annotations printed apart), in order, and
// every distinct chord has its diagram.
#include "fuzz_input.h"
#include "printed_song/song_sheet_of.h"
#include "song/song_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  const Song song = ReadSong(fuzz::AsText(data, size));
  Session session;
  session.practical = true;
  const VoicedSong voiced = VoiceSong(session, song, SongVoicingOptions());
  const SongSheet sheet = SongSheetOf(voiced, session);
  if (sheet.diagrams.diagrams.size() != voiced.distinct.size()) __builtin_trap();
  // The printed lines of words, one after another.
  std::string printed;
  for (const SongSheetBlock& block : sheet.body) {
    if (block.kind != SongBlockKind::Lyrics) continue;
    for (const SongSheetSegment& segment : block.segments) printed += segment.lyric;
    printed += '\n';
  }
  std::size_t at = 0;
  for (const SongLine& line : voiced.song.lines) {
    if (line.kind != LineKind::Lyrics) continue;
    // Its words, without the annotations ("[*Rit.]") printed where chords stand.
    std::string words = line.lyrics;
    for (std::size_t open = words.find("[*"); open != std::string::npos;
         open = words.find("[*", open)) {
      const std::size_t close = words.find(']', open);
      if (close == std::string::npos) break;
      words.erase(open, close + 1 - open);
    }
    const std::size_t found = printed.find(words + '\n', at);
    if (found == std::string::npos) __builtin_trap();
    at = found + words.size() + 1;
  }
  return 0;
}
