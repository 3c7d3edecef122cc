// A song's text in any form, voiced and made a printed sheet: every line of
// words keeps all its words in its segments, in order, and every distinct
// chord has its diagram.
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
  std::size_t block = 0;
  for (const SongLine& line : voiced.song.lines) {
    // A line of words and a line of chords alone are each one lyric block.
    if (line.kind != LineKind::Lyrics && line.kind != LineKind::Chords) continue;
    while (block < sheet.body.size() && sheet.body[block].kind != SongBlockKind::Lyrics) ++block;
    if (block == sheet.body.size()) __builtin_trap();
    std::string words;
    for (const SongSheetSegment& segment : sheet.body[block].segments) words += segment.lyric;
    if (line.kind == LineKind::Lyrics && words != line.lyrics) __builtin_trap();
    ++block;
  }
  return 0;
}
