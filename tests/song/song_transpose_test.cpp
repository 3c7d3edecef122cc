// Tests of transposition and key spelling.
#include "song/song_transpose.h"

#include <gtest/gtest.h>

#include "song/song_key.h"
#include "song/song_reader.h"
#include "song/song_writer.h"

namespace corvanta {
namespace {

std::string Chords(const Song& song) {
  std::string out;
  for (const SongChord& chord : song.chords) out += (out.empty() ? "" : " ") + chord.text;
  return out;
}

TEST(SongTranspose, EveryKeySpellsItsChordsAsTheKeySpells) {
  // I IV V vi of each major key, as its players write them.
  struct Row {
    const char* key;
    const char* chords;
  };
  const Row rows[] = {
      {"C", "C F G Am"},     {"Db", "Db Gb Ab Bbm"}, {"D", "D G A Bm"},     {"Eb", "Eb Ab Bb Cm"},
      {"E", "E A B C#m"},    {"F", "F Bb C Dm"},     {"F#", "F# B C# D#m"}, {"G", "G C D Em"},
      {"Ab", "Ab Db Eb Fm"}, {"A", "A D E F#m"},     {"Bb", "Bb Eb F Gm"},  {"B", "B E F# G#m"},
  };
  const Song song = ReadSong("{key: C}\n[C] [F] [G] [Am]\n");
  for (int shift = 0; shift < 12; ++shift) {
    const SongKey key = KeyAt(shift, false);
    EXPECT_EQ(KeyName(key), rows[shift].key);
    Song moved = song;
    TransposeSong(moved, shift, key);
    EXPECT_EQ(Chords(moved), rows[shift].chords) << rows[shift].key;
    if (shift > 0) {
      EXPECT_EQ(moved.key, rows[shift].key);
    }
  }
  // The tritone as the key says: Gb when asked for.
  Song gFlat = song;
  TransposeSong(gFlat, 6, *ParseSongKey("Gb"));
  EXPECT_EQ(Chords(gFlat), "Gb Cb Db Ebm");
}

TEST(SongTranspose, MinorKeysAndSlashBassesFollow) {
  const Song song = ReadSong("[Am] [Dm] [E7/G#] [Am/C] [Cmaj7]\n");
  Song moved = song;
  TransposeSong(moved, 5, KeyAt(2, true));  // D minor: flats
  EXPECT_EQ(Chords(moved), "Dm Gm A7/C# Dm/F Fmaj7");
  moved = song;
  TransposeSong(moved, 4, KeyAt(1, true));  // C# minor: sharps
  EXPECT_EQ(Chords(moved), "C#m F#m G#7/C C#m/E Emaj7");
}

TEST(SongTranspose, UpThenDownGivesBackTheText) {
  const std::string text = "{title: t}\n{key: G}\n[G]one [D/F#]two [Em7]three [C]four\n";
  for (int n = 1; n < 12; ++n) {
    Song song = ReadSong(text);
    const SongKey up = TransposedKey(*ParseSongKey("G"), n);
    TransposeSong(song, n, up);
    Song back = ReadSong(WriteChordPro(song));
    TransposeSong(back, -n, *ParseSongKey("G"));
    EXPECT_EQ(WriteChordPro(back), text) << n;
  }
}

TEST(SongTranspose, ChordsOverWordsStayOverTheirSyllables) {
  Song song = ReadSong("Am      C        D\nThere is a house in New\n");
  ASSERT_EQ(song.format, SongFormat::ChordsOverWords);
  TransposeSong(song, 1, KeyAt(10, true));  // Bb minor
  EXPECT_EQ(WriteChordsOverWords(song), "Bbm     Db       Eb\nThere is a house in New\n");
  // A longer chord takes blanks from the gap after it, one always kept.
  Song tight = ReadSong("G D | Em C x2\n");
  TransposeSong(tight, 1, KeyAt(8, false));  // Ab
  EXPECT_EQ(WriteChordsOverWords(tight), "Ab Eb | Fm Db x2\n");
}

TEST(SongTranspose, DefinesMoveWithTheirChordOrStayAsWritten) {
  Song song = ReadSong(
      "{define: F base-fret 1 frets 1 3 3 2 1 1}\n{define: G base-fret 1 frets 3 2 0 0 0 3}\n"
      "[F]a [G]b\n");
  TransposeSong(song, 2, KeyAt(7, false));
  EXPECT_EQ(song.defines[0].name, "G");
  EXPECT_EQ(ReadableFrets(song.defines[0].frets), "3 5 5 4 3 3");
  EXPECT_FALSE(song.defines[1].movable);
  EXPECT_EQ(song.notes.size(), 1u);
  EXPECT_EQ(WriteChordPro(song),
            "{define: G base-fret 3 frets 1 3 3 2 1 1}\n{define: G base-fret 1 frets 3 2 0 0 0 3}\n"
            "[G]a [A]b\n");
}

TEST(SongKeyDetection, TheChordsNameTheirKey) {
  struct Row {
    const char* chords;
    const char* key;
  };
  const Row rows[] = {{"G C D G", "G"},     {"Am Dm E7 Am", "Am"}, {"Bb Eb F Bb", "Bb"},
                      {"E A B7 E", "E"},    {"C Am F G C", "C"},   {"F#m D A E F#m", "F#m"},
                      {"Dm Gm A7 Dm", "Dm"}};
  for (const Row& row : rows) {
    const DetectedKey detected = DetectKey(ReadSong(row.chords).chords);
    ASSERT_TRUE(detected.found);
    EXPECT_EQ(KeyName(detected.key), row.key) << row.chords;
    EXPECT_GT(detected.confidence, 0.4) << row.chords;
  }
  EXPECT_FALSE(DetectKey(ReadSong("just words").chords).found);
}

TEST(SongKey, NamesAreReadAndWritten) {
  EXPECT_EQ(KeyName(*ParseSongKey("Bb")), "Bb");
  EXPECT_EQ(KeyName(*ParseSongKey("F#m")), "F#m");
  EXPECT_EQ(KeyName(*ParseSongKey("C# minor")), "C#m");
  EXPECT_EQ(KeyName(*ParseSongKey("C#")), "Db");  // Db rather than C#
  EXPECT_EQ(KeyName(*ParseSongKey("A#m")), "Bbm");
  EXPECT_FALSE(ParseSongKey("H"));
  EXPECT_FALSE(ParseSongKey("Gsus"));
}

}  // namespace
}  // namespace corvanta
