// Song information as chords sites write it, read and written back.
#include "song/info_lines.h"

#include <gtest/gtest.h>

#include "song/song_defines.h"
#include "song/song_reader.h"
#include "song/song_writer.h"
#include "song/voiced_song.h"

namespace corvanta {
namespace {

TEST(InfoLines, ChordsSiteLinesAreSongInformation) {
  struct Row {
    const char* line;
    const char* directive;  // "" for a line that is no information
    const char* value;
  };
  const Row rows[] = {
      {"Capo 2", "capo", "2"},
      {"Capo: 2nd fret", "capo", "2"},
      {"CAPO on 3rd fret", "capo", "3"},
      {"Capo: none", "capo", "0"},
      {"Key: G", "key", "G"},
      {"Key of F#m", "key", "F#m"},
      {"Tuning: E A D G B E", "tuning", "E A D G B E"},
      {"Tuning: Drop D", "tuning", "Drop D"},
      {"Tempo: 96 bpm", "tempo", "96"},
      {"Artist: The Carter Family", "artist", "The Carter Family"},
      {"Capo 2 and a half", "", ""},
      {"Key to my heart", "", ""},
      {"By the river we sat", "", ""},
      {"Captain of the ship", "", ""},
  };
  for (const Row& row : rows) {
    const std::optional<Directive> read = ReadInfoLine(row.line);
    if (*row.directive == '\0') {
      EXPECT_FALSE(read) << row.line;
      continue;
    }
    ASSERT_TRUE(read) << row.line;
    EXPECT_EQ(read->name, row.directive) << row.line;
    EXPECT_EQ(read->value, row.value) << row.line;
  }
}

const char* const kSiteSong =
    "Down in the Valley - Traditional\n"
    "Capo: 2nd fret\n"
    "Key: G\n"
    "Tuning: E A D G B E\n"
    "\n"
    "G              D7\n"
    "Down in the valley, the valley so low\n";

TEST(InfoLines, APastedSongKeepsItsInformationAndNoNotesAreChords) {
  const Song song = ReadSong(kSiteSong);
  EXPECT_EQ(song.format, SongFormat::ChordsOverWords);
  EXPECT_EQ(song.title, "Down in the Valley");
  EXPECT_EQ(song.artist, "Traditional");
  EXPECT_EQ(song.capo, 2);
  EXPECT_EQ(song.key, "G");
  EXPECT_EQ(song.tuning, "E A D G B E");
  ASSERT_EQ(song.chords.size(), 2u);  // E, A and B of the tuning are no chords
  // Written back as read, and as ChordPro's directives.
  EXPECT_EQ(WriteChordsOverWords(song), kSiteSong);
  const Song chordPro = ReadSong(WriteChordPro(song));
  EXPECT_EQ(chordPro.format, SongFormat::ChordPro);
  EXPECT_EQ(chordPro.title, "Down in the Valley");
  EXPECT_EQ(chordPro.artist, "Traditional");
  EXPECT_EQ(chordPro.capo, 2);
  EXPECT_EQ(chordPro.key, "G");
  EXPECT_EQ(chordPro.tuning, "E A D G B E");
}

TEST(InfoLines, ChordProToTextAndBackKeepsCapoKeyAndTempo) {
  const Song song = ReadSong(
      "{title: Down in the Valley}\n{artist: Traditional}\n{capo: 3}\n{key: G}\n{tempo: 90}\n"
      "{time: 3/4}\n[G]Down in the [D7]valley\n");
  const std::string text = WriteChordsOverWords(song);
  const Song back = ReadSong(text);
  EXPECT_EQ(back.title, "Down in the Valley");
  EXPECT_EQ(back.artist, "Traditional");
  EXPECT_EQ(back.capo, 3);
  EXPECT_EQ(back.key, "G");
  EXPECT_EQ(back.tempo, "90");
  EXPECT_EQ(back.time, "3/4");
  EXPECT_EQ(back.chords.size(), 2u);
  EXPECT_EQ(WriteChordsOverWords(back), text);
  // A capo the player changes is written in the same plain form.
  Session session{*FindInstrument("guitar")};
  SongVoicingOptions options;
  options.capo = 5;
  const VoicedSong voiced = VoiceSong(session, back, options);
  EXPECT_NE(WriteChordsOverWords(voiced.song).find("Capo: 5\n"), std::string::npos);
  // A song played under a capo it does not name gains the line.
  const VoicedSong bare = VoiceSong(session, ReadSong("G    D7\nDown in the valley\n"), options);
  EXPECT_EQ(ReadSong(WriteChordsOverWords(bare.song, AddedTextLines(bare))).capo, 5);
}

}  // namespace
}  // namespace corvanta
