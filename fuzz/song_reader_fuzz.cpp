// A song's text in any form: read, written back in both forms and read
// again, transposed, and voiced on the guitar. Reading never loses a line:
// the ChordPro writer gives back a text read as ChordPro byte for byte.
#include "fuzz_input.h"
#include "song/song_reader.h"
#include "song/song_writer.h"
#include "song/voiced_song.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  const std::string_view text = fuzz::AsText(data, size);
  const Song song = ReadSong(text);
  if (song.format == SongFormat::ChordPro && song.notes.empty() && WriteChordPro(song) != text)
    __builtin_trap();
  if (song.format != SongFormat::ChordPro && song.notes.empty() &&
      WriteChordsOverWords(song) != text)
    __builtin_trap();
  ReadSong(WriteChordPro(song));
  ReadSong(WriteChordsOverWords(song));
  Session session;
  session.practical = true;
  SongVoicingOptions options;
  options.transpose = static_cast<int>(size % 12);
  const VoicedSong voiced = VoiceSong(session, song, options);
  if (voiced.chords.size() != song.chords.size()) __builtin_trap();
  WriteChordPro(voiced.song);
  WriteChordsOverWords(voiced.song);
  return 0;
}
