// A song's own chords: its {define}s under transposition, the names it
// defines, {transpose} by line, and the marks players put on chord names.
#include <gtest/gtest.h>

#include "search/fingering.h"
#include "session/placed_fingering.h"
#include "song/define_text.h"
#include "song/song_key.h"
#include "song/song_reader.h"
#include "song/song_transpose.h"
#include "song/song_writer.h"
#include "song/voiced_song.h"

namespace corvanta {
namespace {

Session Practical() {
  Session session{*FindInstrument("guitar")};
  session.practical = true;
  return session;
}

std::string Symbols(const VoicedSong& voiced) {
  std::string out;
  for (const VoicedOccurrence& occurrence : voiced.chords)
    out += (out.empty() ? "" : " ") + occurrence.symbol;
  return out;
}

bool HasNote(const Song& song, std::string_view part) {
  for (const std::string& note : song.notes)
    if (note.find(part) != std::string::npos) return true;
  return false;
}

TEST(SongDefines, MoveByTheIntervalToTheNearestPlaceOnTheNeck) {
  struct Row {
    const char* name;
    const char* define;
    int semitones;
    const char* key;
    const char* moved;  // the define line written back
  };
  const Row rows[] = {
      {"down a third", "B base-fret 7 frets x 1 3 3 3 1", -4, "G",
       "G base-fret 3 frets x 1 3 3 3 1"},
      {"up a tone", "F base-fret 1 frets 1 3 3 2 1 1", 2, "G", "G base-fret 3 frets 1 3 3 2 1 1"},
      {"down past the nut goes up", "F base-fret 1 frets 1 3 3 2 1 1", -1, "E",
       "E base-fret 12 frets 1 3 3 2 1 1"},
      {"up past the neck goes down", "C base-fret 20 frets 1 3 3 2 1 1", 5, "F",
       "F base-fret 13 frets 1 3 3 2 1 1"},
      {"open strings stay as written", "G base-fret 1 frets 3 2 0 0 0 3", 2, "A",
       "G base-fret 1 frets 3 2 0 0 0 3"},
  };
  for (const Row& row : rows) {
    Song song = ReadSong(std::string("{define: ") + row.define + "}\n[" +
                         std::string(1, row.define[0]) + "]la\n");
    ASSERT_EQ(song.defines.size(), 1u) << row.name;
    ASSERT_TRUE(TransposeSong(song, row.semitones, *ParseSongKey(row.key))) << row.name;
    EXPECT_EQ(song.lines[0].directive.value, row.moved) << row.name;
  }
  Song open = ReadSong("{define: G base-fret 1 frets 3 2 0 0 0 3}\n[G]la\n");
  TransposeSong(open, 2, *ParseSongKey("A"));
  EXPECT_TRUE(HasNote(open, "holds open strings"));
  EXPECT_EQ(WriteChordPro(open), "{define: G base-fret 1 frets 3 2 0 0 0 3}\n[A]la\n");
}

TEST(SongDefines, AShapeWrittenForADiagramOfFourFrets) {
  struct Row {
    const char* frets;
    const char* value;
  };
  const Row rows[] = {{"x32010", "C base-fret 1 frets x 3 2 0 1 0"},
                      {"x24452", "C base-fret 2 frets x 1 3 3 4 1"},
                      {"x35553", "C base-fret 3 frets x 1 3 3 3 1"},
                      {"x3x454", "C base-fret 3 frets x 1 x 2 3 2"}};
  for (const Row& row : rows)
    EXPECT_EQ(DefineValue("C", *ParseFretList(row.frets, 6)), row.value) << row.frets;
}

TEST(SongDefines, NamesASongDefinesAreItsChords) {
  const Song song = ReadSong(
      "{define: Em$ base-fret 1 frets 0 2 2 0 0 3}\n"
      "{define: Riff base-fret 5 frets x 1 3 3 x x}\n"
      "[Em$]one [F*]two [Am(V1)]three [G6/H]four [Riff]five\n");
  ASSERT_EQ(song.chords.size(), 5u);
  for (const SongChord& chord : song.chords) EXPECT_TRUE(chord.read) << chord.written;
  EXPECT_TRUE(song.chords[4].definedOnly);
  const VoicedSong voiced = VoiceSong(Practical(), song, {});
  EXPECT_TRUE(voiced.unread.empty());
  EXPECT_TRUE(voiced.warnings.empty());
  EXPECT_EQ(ReadableFrets(voiced.chords[0].voicing->frets), "0 2 2 0 0 3");
  ASSERT_TRUE(voiced.chords[4].voicing);
  EXPECT_EQ(ReadableFrets(voiced.chords[4].voicing->frets), "X 5 7 7 X X");
  EXPECT_TRUE(voiced.chords[4].pinned);
  // Written as text and read back, the marked names are still chords.
  const Song back = ReadSong(WriteChordsOverWords(song));
  EXPECT_EQ(back.format, SongFormat::ChordsOverWords);
  int read = 0;
  for (const SongChord& chord : back.chords) read += chord.read;
  EXPECT_EQ(read, 4);  // "Riff" has no define in plain text
}

TEST(SongDefines, SlashDefinesAreHeldToTheirSlashChord) {
  const VoicedSong voiced = VoiceSong(Practical(),
                                      ReadSong("{define: C/B base-fret 1 frets x 2 2 0 1 0}\n"
                                               "{define: Am/F base-fret 1 frets 1 0 2 2 1 0}\n"
                                               "{define: D base-fret 1 frets x x 0 2 3 3}\n"
                                               "[C/B]a [Am/F]b [D]c\n"),
                                      {});
  ASSERT_EQ(voiced.warnings.size(), 1u);  // a D with a G is no D
  EXPECT_NE(voiced.warnings[0].message.find("adds G"), std::string::npos);
}

TEST(SongDefines, MalformedDefinesAreNotedNotDropped) {
  struct Row {
    const char* define;
    const char* problem;
  };
  const Row rows[] = {{"G base-fret 0 frets 3 2 0 0 0 3", "base-fret 0"},
                      {"G base-fret 99 frets 1 1 1 1 1 1", "base-fret 99"},
                      {"G base-fret 1 frets 3 2 o o o 3", "'o' is not a fret"},
                      {"G base-fret 1", "no frets"},
                      {"G base-fret 20 frets 1 3 3 2 1 9", "past the neck"}};
  for (const Row& row : rows) {
    const Song song = ReadSong(std::string("{define: ") + row.define + "}\n[G]a\n");
    EXPECT_TRUE(song.defines.empty()) << row.define;
    EXPECT_TRUE(HasNote(song, row.problem)) << row.define;
  }
  // A {chord: G} only asks for the diagram: nothing to say.
  EXPECT_TRUE(ReadSong("{chord: G}\n[G]a\n").notes.empty());
}

TEST(SongTransposeDirective, MovesTheChordsFromItsLineOn) {
  const std::string text = "[G]a\n{transpose: 2}\n[G]b\n{transpose}\n[G]c\n{transpose: -1}\n[G]d\n";
  const Song song = ReadSong(text);
  const VoicedSong voiced = VoiceSong(Practical(), song, {});
  EXPECT_EQ(Symbols(voiced), "G A G F#");
  // Not moved by the player: written back as read.
  EXPECT_EQ(WriteChordPro(SongToWrite(song, voiced)), text);
  SongVoicingOptions up;
  up.transpose = 2;
  const VoicedSong moved = VoiceSong(Practical(), song, up);
  EXPECT_EQ(Symbols(moved), "A B A Ab");
  const std::string written = WriteChordPro(SongToWrite(song, moved));
  EXPECT_EQ(written, "[A]a\n{transpose: 0}\n[B]b\n{transpose: 0}\n[A]c\n{transpose: 0}\n[Ab]d\n");
  EXPECT_EQ(Symbols(VoiceSong(Practical(), ReadSong(written), {})), "A B A Ab");
}

TEST(SongReading, PartNamesInBracketsAreHeadingsNotChords) {
  const Song song = ReadSong("[Chorus]\n[G]la [C]la\n[Verse 2]\n[Pre-chorus] [D]la\n");
  EXPECT_EQ(song.lines[0].kind, LineKind::Heading);
  EXPECT_EQ(song.lines[2].kind, LineKind::Heading);
  ASSERT_EQ(song.chords.size(), 3u);
  for (const SongChord& chord : song.chords) EXPECT_TRUE(chord.read) << chord.written;
  EXPECT_EQ(WriteChordPro(song), "[Chorus]\n[G]la [C]la\n[Verse 2]\n[Pre-chorus] [D]la\n");
}

TEST(SongReading, GermanHIsReadAsBWithANote) {
  const Song song = ReadSong("H7   E    Hm   C/H\nso sing the old song\n");
  ASSERT_EQ(song.chords.size(), 4u);
  for (const SongChord& chord : song.chords) EXPECT_TRUE(chord.read) << chord.written;
  EXPECT_EQ(song.chords[0].chord.root, 11);
  EXPECT_EQ(song.chords[3].chord.bass, 11);
  EXPECT_TRUE(HasNote(song, "H is read as B"));
  Song moved = song;
  TransposeSong(moved, 2, *ParseSongKey("D"));
  EXPECT_EQ(moved.chords[0].text, "C#7");
  EXPECT_EQ(moved.chords[3].text, "D/C#");
}

TEST(SongTranspose, ASongCutAtTheLimitIsMovedWholeOrNotAtAll) {
  std::string text;
  for (std::size_t i = 0; i <= kMaxSongChords; ++i) text += "[G]la ";
  Song song = ReadSong(text + "\n");
  ASSERT_TRUE(song.chordsCut);
  EXPECT_FALSE(TransposeSong(song, 2, *ParseSongKey("A")));
  EXPECT_EQ(WriteChordPro(song), text + "\n");
  SongVoicingOptions up;
  up.transpose = 2;
  const VoicedSong voiced = VoiceSong(Practical(), song, up);
  EXPECT_EQ(voiced.chords.front().symbol, "G");
  EXPECT_EQ(voiced.transpose, 0);
  EXPECT_FALSE(voiced.warnings.empty());
}

TEST(SongReading, LinesPastTheLimitAreKeptVerbatimNotRead) {
  for (const std::string& tail : {std::string("[G]la\n"), std::string("G\nla\n")}) {
    const std::string text = std::string(kMaxSongLines + 10000, '\n') + tail;
    const Song song = ReadSong(text);
    EXPECT_EQ(song.lines.size(), kMaxSongLines + 1);
    EXPECT_TRUE(song.chords.empty());
    EXPECT_TRUE(HasNote(song, "kept as they are"));
    EXPECT_EQ(
        song.format == SongFormat::ChordPro ? WriteChordPro(song) : WriteChordsOverWords(song),
        text);
  }
}

}  // namespace
}  // namespace corvanta
