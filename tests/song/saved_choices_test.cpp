// A player's choices kept in a song's {meta} lines.
#include "song/saved_choices.h"

#include <gtest/gtest.h>

#include "song/song_reader.h"
#include "song/song_writer.h"

namespace corvanta {
namespace {

TEST(SavedChoices, metaLinesGiveTheChoicesAndOtherMetaIsLeftAlone) {
  const Song song = ReadSong(
      "{title: A}\n"
      "{meta: corvanta.instrument ukulele}\n"
      "{meta: corvanta.capo 2}\n"
      "{meta: corvanta.capo 99}\n"        // no fret: the 2 stays
      "{meta: corvanta.mode sideways}\n"  // no mode: none
      "{meta: corvanta.pin G base-fret 1 frets 3 2 0 0 0 3}\n"
      "{meta: corvanta.pin D base-fret 1 frets x x 0 2 3 2}\n"
      "{meta: corvanta.pin G base-fret 3 frets 1 3 3 2 1 1}\n"  // the last G wins
      "{meta: corvanta.pin Am}\n"                               // no frets: none
      "{meta: capo 5}\n"
      "[G]la [D]la\n");
  const SavedChoices choices = ReadSavedChoices(song);
  EXPECT_EQ(choices.instrument, "ukulele");
  EXPECT_EQ(choices.capo, 2);
  EXPECT_FALSE(choices.mode);
  ASSERT_EQ(choices.pins.size(), 2u);
  EXPECT_EQ(choices.pins[0].name, "D");
  EXPECT_EQ(choices.pins[1].name, "G");
  EXPECT_EQ(ReadableFrets(choices.pins[1].frets), "3 5 5 4 3 3");
}

TEST(SavedChoices, aSongSavedTwiceHoldsItsChoicesOnceAndReadsThemBack) {
  SavedChoices choices =
      ReadSavedChoices(ReadSong("{meta: corvanta.pin C base-fret 1 frets x 3 2 0 1 0}\n"));
  ASSERT_EQ(choices.pins.size(), 1u);
  choices.instrument = "mandolin";
  choices.capo = 0;
  choices.mode = "easiest";
  Song song = ReadSong("{title: A}\n[C]one\n");
  for (int save = 0; save < 2; ++save) {
    DropSavedChoices(song);
    song = ReadSong(WriteChordPro(song, SavedChoiceLines(choices)));
  }
  EXPECT_EQ(ReadSavedChoices(song), choices);
  int metaLines = 0;
  for (const SongLine& line : song.lines) metaLines += line.directive.name == "meta";
  EXPECT_EQ(metaLines, 4);
  EXPECT_EQ(song.title, "A");
  EXPECT_EQ(song.chords.size(), 1u);
}

}  // namespace
}  // namespace corvanta
