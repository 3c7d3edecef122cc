// Tests of transposition and key spelling.
#include "song/song_transpose.h"

#include <gtest/gtest.h>

#include "keyed_fingering.h"
#include "song/chord_numbers.h"
#include "song/key_detection.h"
#include "song/simplify.h"
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
    const char* name;
    const char* chords;
    const char* key;
  };
  // Progressions written for these tests.
  const Row rows[] = {
      {"plain major", "G C D G", "G"},
      {"minor with its harmonic V", "Am Dm E7 Am", "Am"},
      {"flat key", "Bb Eb F Bb", "Bb"},
      {"major with V7", "E A B7 E", "E"},
      {"circle", "C Am F G C", "C"},
      {"minor from the relative's chords", "F#m D A E F#m", "F#m"},
      {"minor", "Dm Gm A7 Dm", "Dm"},
      // The subdominant heavy: the IV and its own IV (bVII) do not make it the key.
      {"subdominant heavy, bVII", "E D A E D A E B E", "E"},
      {"subdominant heavy", "A D D A D D E A", "A"},
      {"plagal rock", "D C G D C G D", "D"},
      // Starting off the tonic.
      {"starting on ii", "Dm G7 C Am Dm G7 C", "C"},
      {"starting on IV", "F G Em Am F G C", "C"},
      {"starting on V", "D7 G Em C D7 G", "G"},
      {"minor starting on iv", "Dm Am E Am Dm E Am", "Am"},
      {"minor with bVI bVII", "Em C D Em C D Em", "Em"},
      // The dominant's chords (E, E7, Em) share E, G and B with E minor.
      {"minor rich in its dominant", "Am C G Em Am Dm E7 E7 Am C G Em Am C G Em Am E Am", "Am"},
      {"minor sevenths", "Cm7 Fm7 G7 Cm7 Abmaj7 G7 Cm", "Cm"},
      // Ending on the dominant seventh: a turnaround, not the tonic.
      {"ending on V7", "C Am F G Em G7", "C"},
  };
  for (const Row& row : rows) {
    const DetectedKey detected = DetectKey(ReadSong(row.chords));
    EXPECT_TRUE(detected.found) << row.name << ": " << detected.reason;
    EXPECT_EQ(KeyName(detected.key), row.key) << row.name;
    EXPECT_GE(detected.confidence, kKeyConfidenceFloor) << row.name;
  }
}

TEST(SongKeyDetection, NoKeyIsClaimedWithoutEvidence) {
  const char* doubtful[] = {"just words", "", "C", "C G", "C Db D Eb E F"};
  for (const char* chords : doubtful) {
    const DetectedKey detected = DetectKey(ReadSong(chords));
    EXPECT_FALSE(detected.found) << chords << " " << KeyName(detected.key) << " "
                                 << detected.confidence;
    EXPECT_FALSE(detected.reason.empty()) << chords;
  }
}

TEST(SongKeyDetection, AModulatingSongReportsItsSectionsKeys) {
  const Song song = ReadSong(
      "{start_of_verse: Verse}\n[C]a [F]b [G]c [C]d\n[Am]e [F]f [G7]g [C]h\n{end_of_verse}\n"
      "{start_of_chorus: Chorus}\n[D]a [G]b [A]c [D]d\n[Bm]e [G]f [A7]g [D]h\n{end_of_chorus}\n");
  const DetectedKey detected = DetectKey(song);
  ASSERT_EQ(detected.sections.size(), 2u);
  EXPECT_EQ(KeyName(detected.sections[0].key), "C");
  EXPECT_EQ(detected.sections[0].firstChord, 0);
  EXPECT_EQ(detected.sections[0].lastChord, 7);
  EXPECT_EQ(KeyName(detected.sections[1].key), "D");
  EXPECT_EQ(detected.sections[1].firstChord, 8);
  EXPECT_EQ(detected.sections[1].label, "Chorus");
  // One key throughout: no sections reported.
  EXPECT_TRUE(
      DetectKey(ReadSong("{soc}\n[G]a [C]b [D]c [G]d\n{eoc}\n{sov}\n[Em]a [C]b [D]c [G]d\n{eov}\n"))
          .sections.empty());
}

TEST(Simplify, EachChordBecomesAPlainerOneOfItsFunction) {
  const std::pair<const char*, const char*> rows[] = {
      {"Cmaj7", "C"},     {"C6", "C"},   {"Cadd9", "C"},      {"Am7", "Am"},      {"Am9", "Am"},
      {"F#m7", "F#m"},    {"G9", "G7"},  {"Bb13", "Bb7"},     {"E7", "E7"},       {"C/G", "C"},
      {"Am7/G", "Am"},    {"D/F#", "D"}, {"G7sus4", "Gsus4"}, {"Dsus2", "Dsus2"}, {"Bdim", "Bdim"},
      {"Bm7b5", "Bm7b5"}, {"C+", "C+"},  {"E5", "E5"},        {"Bdim/F", "Bdim"}, {"Ebmaj9", "Eb"},
  };
  for (const auto& [written, plainer] : rows) {
    const Song song = ReadSong(written);
    ASSERT_TRUE(song.chords[0].read) << written;
    EXPECT_EQ(SimplifiedSymbol(song.chords[0].text, song.chords[0].chord), plainer) << written;
  }
}

TEST(ChordNumbers, NumbersAndNumeralsRoundTripInEveryKey) {
  const char* nashville[] = {"1",   "2m7", "3m", "4maj7", "5/7", "6m", "b7",
                             "4/5", "b3",  "b6", "5sus4", "1/3", "57", "2m7b5"};
  const char* roman[] = {"I",    "ii7", "iii",   "IVmaj7", "V/VII", "vi",        "bVII",     "IV/V",
                         "bIII", "bVI", "Vsus4", "I/III",  "V7",    "vii\u00b0", "ii\u00f87"};
  for (int minor = 0; minor < 2; ++minor) {
    for (int tonic = 0; tonic < 12; ++tonic) {
      for (bool flats : {false, true}) {
        const SongKey key = KeyAt(tonic, minor == 1, flats);
        for (const char* number : nashville) {
          const std::optional<std::string> letters = SymbolOfNumber(number, key);
          ASSERT_TRUE(letters) << number << " in " << KeyName(key);
          EXPECT_EQ(NumberedSymbol(*letters, key, ChordNumbers::Nashville), number)
              << *letters << " in " << KeyName(key);
        }
        for (const char* numeral : roman) {
          const std::optional<std::string> letters = SymbolOfNumber(numeral, key);
          ASSERT_TRUE(letters) << numeral << " in " << KeyName(key);
          EXPECT_EQ(NumberedSymbol(*letters, key, ChordNumbers::Roman), numeral)
              << *letters << " in " << KeyName(key);
        }
      }
    }
  }
}

TEST(ChordNumbers, NumbersReadAsTheKeySpells) {
  const SongKey c = *ParseSongKey("C"), eb = *ParseSongKey("Eb"), d = *ParseSongKey("D");
  const struct {
    const char* number;
    SongKey key;
    const char* letters;
  } rows[] = {
      {"b7", c, "Bb"},    {"bVII", c, "Bb"},         {"5/7", c, "G/B"}, {"IV/V", c, "F/G"},
      {"ii7", c, "Dm7"},  {"6m", c, "Am"},           {"6-", c, "Am"},   {"vi", eb, "Cm"},
      {"5/7", d, "A/C#"}, {"vii\u00b0", d, "C#dim"}, {"4", eb, "Ab"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(SymbolOfNumber(row.number, row.key).value_or("?"), row.letters) << row.number;
  for (const char* no : {"", "8", "H", "Cmaj7", "IIII", "5/9"})
    EXPECT_FALSE(SymbolOfNumber(no, c)) << no;
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

namespace corvanta {
namespace {

// A pinned or defined shape slides with its chord the nearer way (the other
// where the neck ends), or not at all when an open string holds it.
TEST(SongTranspose, AShapeMovesTheShorterWayOrNotAtAll) {
  constexpr int x = 99;  // a muted string in key values
  struct Row {
    const char* name;
    std::vector<int> frets;
    int semitones;
    std::optional<std::vector<int>> moved;
  } rows[] = {
      {"F barre up a tone to G", {1, 3, 3, 2, 1, 1}, 2, std::vector<int>{3, 5, 5, 4, 3, 3}},
      {"eleven up is one down", {x, 3, 5, 5, 5, 3}, 11, std::vector<int>{x, 2, 4, 4, 4, 2}},
      {"the farther way where the nearer leaves the neck",
       {x, 1, 3, 3, 3, 1},
       11,
       std::vector<int>{x, 12, 14, 14, 14, 12}},
      {"down past the nut goes up",
       {x, 1, 3, 3, 3, 1},
       -2,
       std::vector<int>{x, 11, 13, 13, 13, 11}},
      {"an open string stays", {x, 3, 2, 0, 1, 0}, 2, std::nullopt},
      {"no move is the shape", {x, 3, 5, 5, 5, 3}, 12, std::vector<int>{x, 3, 5, 5, 5, 3}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<Fingering> moved = MovedShape(Keyed(row.frets), row.semitones);
    ASSERT_EQ(moved.has_value(), row.moved.has_value());
    if (moved) {
      EXPECT_EQ(KeyValues(*moved), *row.moved);
    }
  }
}

}  // namespace
}  // namespace corvanta
