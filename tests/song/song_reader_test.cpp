// Tests of the song readers and writers.
#include "song/song_reader.h"

#include <gtest/gtest.h>

#include "song/song_writer.h"
#include "song_files.h"

namespace corvanta {
namespace {

std::vector<std::string> Texts(const Song& song) {
  std::vector<std::string> texts;
  for (const SongChord& chord : song.chords) texts.push_back(chord.text);
  return texts;
}

TEST(SongReader, ChordProSongsAreWrittenBackByteForByte) {
  for (const char* name : {"amazing_grace.cho", "scarborough_fair.cho"}) {
    const std::string text = ReadSongFile(name);
    ASSERT_FALSE(text.empty()) << name;
    const Song song = ReadSong(text);
    EXPECT_EQ(song.format, SongFormat::ChordPro) << name;
    EXPECT_EQ(WriteChordPro(song), text) << name;
    EXPECT_TRUE(song.notes.empty()) << name;
  }
}

TEST(SongReader, ChordProDirectivesFillTheMetadataAndSections) {
  const Song song = ReadSong(ReadSongFile("amazing_grace.cho"));
  EXPECT_EQ(song.title, "Amazing Grace");
  EXPECT_EQ(song.subtitle, "New Britain");
  EXPECT_EQ(song.artist, "Traditional");
  EXPECT_EQ(song.composer, "William Walker");
  EXPECT_EQ(song.album, "Hymns Old and New");
  EXPECT_EQ(song.year, "1779");
  EXPECT_EQ(song.key, "G");
  EXPECT_EQ(song.tempo, "80");
  EXPECT_EQ(song.time, "3/4");
  EXPECT_EQ(song.duration, "3:10");
  ASSERT_EQ(song.defines.size(), 1u);
  EXPECT_EQ(song.defines[0].name, "G");
  EXPECT_EQ(ReadableFrets(song.defines[0].frets), "3 2 0 0 0 3");
  // Unknown directives and meta are kept, in order.
  ASSERT_EQ(song.otherDirectives.size(), 2u);
  EXPECT_EQ(song.otherDirectives[1], "x_custom_thing: kept as it was");
  std::vector<std::string> kinds;
  for (const SongSection& section : song.sections) kinds.push_back(section.kind);
  EXPECT_EQ(kinds, (std::vector<std::string>{"verse", "chorus", "tab", "grid"}));
  EXPECT_EQ(song.sections[0].label, "Verse 1");
  // The tab is verbatim, the grid's bars hold chords.
  int tabLines = 0;
  for (const SongLine& line : song.lines) tabLines += line.kind == LineKind::Tab;
  EXPECT_EQ(tabLines, 3);
  const std::vector<std::string> texts = Texts(song);
  EXPECT_EQ(std::vector<std::string>(texts.end() - 4, texts.end()),
            (std::vector<std::string>{"G", "G7", "C", "G"}));
  EXPECT_EQ(song.lines[static_cast<std::size_t>(song.chords.back().line)].kind, LineKind::Grid);
}

TEST(SongReader, InlineChordsArePlacedOverTheirSyllables) {
  const Song song = ReadSong("{t: x}\nA[G]mazing [G7]grace\n");
  ASSERT_EQ(song.chords.size(), 2u);
  const SongLine& line = song.lines[1];
  EXPECT_EQ(line.lyrics, "Amazing grace");
  EXPECT_EQ(line.chords[0].lyricOffset, 1u);
  EXPECT_EQ(line.chords[1].column, 8);
  EXPECT_EQ(song.chords[1].sourceLine, 2);
  EXPECT_EQ(song.chords[1].sourceColumn, 13);  // the G of [G7]
}

TEST(SongReader, ChordsOverWordsKeepColumnsHeadingsAndText) {
  const std::string text = ReadSongFile("rising_sun.txt");
  const Song song = ReadSong(text);
  ASSERT_EQ(song.format, SongFormat::ChordsOverWords);
  EXPECT_EQ(WriteChordsOverWords(song), text);
  ASSERT_GE(song.sections.size(), 2u);
  EXPECT_EQ(song.sections[0].label, "Verse 1");
  EXPECT_EQ(song.sections[1].kind, "chorus");
  // "Am      C" over "There is a house": C at column 8, over "house"'s h... the 'a'.
  const SongLine& first = song.lines[static_cast<std::size_t>(song.chords[0].line)];
  EXPECT_EQ(first.lyrics, "There is a house in New Orleans");
  EXPECT_EQ(first.chords[1].column, 8);
  EXPECT_EQ(first.lyrics.substr(first.chords[1].lyricOffset, 5), " a ho");
  EXPECT_EQ(song.chords.size(), 23u);
  // And into ChordPro, read back to the same chords at the same places.
  const Song again = ReadSong(WriteChordPro(song));
  EXPECT_EQ(again.format, SongFormat::ChordPro);
  EXPECT_EQ(Texts(again), Texts(song));
  EXPECT_EQ(again.lines[static_cast<std::size_t>(again.chords[1].line)].chords[0].column, 0);
}

TEST(SongReader, BareProgressionsWithBarsRepeatsAndNoChord) {
  const std::string text = ReadSongFile("greensleeves.txt");
  const Song song = ReadSong(text);
  EXPECT_EQ(song.format, SongFormat::Progression);
  EXPECT_EQ(WriteChordsOverWords(song), text);
  const std::vector<std::string> texts = Texts(song);
  EXPECT_EQ(texts.size(), 16u);
  EXPECT_EQ(texts[12], "N.C.");
  EXPECT_TRUE(song.chords[12].noChord);
  const Song plain = ReadSong("G D Em C");
  EXPECT_EQ(Texts(plain), (std::vector<std::string>{"G", "D", "Em", "C"}));
}

TEST(SongReader, AChordNotReadIsKeptAndReportedWhereItStands) {
  const Song song = ReadSong("G D Hzz C\n");
  ASSERT_EQ(song.chords.size(), 4u);
  EXPECT_FALSE(song.chords[2].read);
  EXPECT_EQ(song.chords[2].written, "Hzz");
  EXPECT_EQ(song.chords[2].sourceLine, 1);
  EXPECT_EQ(song.chords[2].sourceColumn, 5);
  EXPECT_FALSE(song.chords[2].problem.empty());
  const Song inline_ = ReadSong("[G]la [Xq7]la\n");
  ASSERT_EQ(inline_.chords.size(), 2u);
  EXPECT_FALSE(inline_.chords[1].read);
  EXPECT_EQ(WriteChordPro(inline_), "[G]la [Xq7]la\n");
}

TEST(SongReader, OddBytesAreKeptLineForLine) {
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"lyrics only", "just words\nand more words\n"},
      {"CR/LF", "{t: a}\r\n[G]one\r\n[C]two"},
      {"lone CR", "G D\rEm C\r"},
      {"BOM", "\xEF\xBB\xBF{title: b}\n[Am]x\n"},
      {"tabs", "G\tD\nsome\twords here\n"},
      {"binary", std::string("[G]\0\x01\xff[", 7) + "\n{"},
      {"unclosed", "{start_of_chorus}\n[G]a\n"},
  };
  for (const Case& c : cases) {
    const Song song = ReadSong(c.text);
    const std::string back =
        song.format == SongFormat::ChordPro ? WriteChordPro(song) : WriteChordsOverWords(song);
    EXPECT_EQ(back, c.text) << c.name;
  }
  EXPECT_TRUE(ReadSong("").chords.empty());
  EXPECT_TRUE(ReadSong("\xEF\xBB\xBF{title: b}\n").byteOrderMark);
}

TEST(SongReader, AHugeSongStopsAtItsLimitWithANote) {
  std::string text;
  while (text.size() <= kMaxSongBytes) text += "G D Em C G D Em C\n";
  const Song song = ReadSong(text);
  EXPECT_FALSE(song.notes.empty());
  EXPECT_LE(song.chords.size(), kMaxSongChords);
}

TEST(SongReader, FormIsToldFromTheText) {
  EXPECT_EQ(DetectSongFormat("{title: x}\nla"), SongFormat::ChordPro);
  EXPECT_EQ(DetectSongFormat("la [Am]la"), SongFormat::ChordPro);
  EXPECT_EQ(DetectSongFormat("[Chorus]\nG   D\nla la la\n"), SongFormat::ChordsOverWords);
  EXPECT_EQ(DetectSongFormat("G D | Em C"), SongFormat::Progression);
  // A forced form reads the text so.
  EXPECT_EQ(ReadSong("G D\nla la\n", SongFormat::Progression).format, SongFormat::Progression);
}

}  // namespace
}  // namespace corvanta
