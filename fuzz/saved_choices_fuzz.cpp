// A song's {meta} lines read as the player's saved choices (instrument,
// capo, mode, pins): written back they read back the same, dropped they
// read as none, and the pins voice the song or are refused as bad pins.
#include "fuzz_input.h"
#include "song/saved_choices.h"
#include "song/song_reader.h"
#include "song/voiced_song.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  Song song = ReadSong(fuzz::AsText(data, size));
  const SavedChoices choices = ReadSavedChoices(song);
  std::string written;
  for (const std::string& line : SavedChoiceLines(choices)) written += line + "\n";
  if (ReadSavedChoices(ReadSong(written)) != choices) __builtin_trap();
  if (!choices.pins.empty()) {
    // Pinned as the song window pins them, by name, on the guitar.
    SongVoicingOptions options;
    for (const SavedPin& pin : choices.pins) options.pins.push_back({pin.name, -1, pin.frets});
    try {
      VoiceSong(Session(), song, options);
    } catch (const BadPin&) {
    }
  }
  DropSavedChoices(song);
  if (ReadSavedChoices(song) != SavedChoices()) __builtin_trap();
  return 0;
}
