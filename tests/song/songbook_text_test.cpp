// Files of several songs and setlists: the texts a songbook is made from.
#include <gtest/gtest.h>

#include "song/setlist.h"
#include "song/song_library.h"
#include "song/song_reader.h"
#include "song/song_split.h"

namespace corvanta {
namespace {

std::vector<std::string> Titles(const std::vector<SongOfText>& songs) {
  std::vector<std::string> titles;
  for (const SongOfText& song : songs) titles.push_back(song.song.title);
  return titles;
}

TEST(SongSplit, newSongStartsTheNextSongAndEmptyPartsAreNone) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> titles;
    std::vector<int> firstLines;
  };
  const Case cases[] = {
      {"one song", "{title: A}\n[G]la\n", {"A"}, {1}},
      {"two", "{title: A}\n[G]la\n{new_song}\n{title: B}\n[C]lo\n", {"A", "B"}, {1, 4}},
      {"short form, spaces and case", "{t: A}\n  {NS}  \r\n{t: B}\n", {"A", "B"}, {1, 3}},
      {"leading and trailing", "# list\n\n{ns}\n{t: A}\n{ns}\n\n", {"A"}, {4}},
      {"with a colon", "{t: A}\n{new_song:}\n{t: B}\n", {"A", "B"}, {1, 3}},
      {"a value is not the directive", "{t: A}\n{ns: x}\n{t: B}\n", {"B"}, {1}},
      {"only new_song", "{ns}\n{ns}\n", {""}, {1}},
      {"byte order mark", "\xEF\xBB\xBF{ns}\n{t: A}\n", {"A"}, {2}},
  };
  for (const Case& c : cases) {
    const std::vector<SongOfText> songs = ReadSongs(c.text);
    EXPECT_EQ(Titles(songs), c.titles) << c.name;
    std::vector<int> firstLines;
    for (const SongOfText& song : songs) {
      firstLines.push_back(song.firstLine);
      EXPECT_TRUE(song.song.notes.empty()) << c.name << ": " << song.song.notes.front();
    }
    EXPECT_EQ(firstLines, c.firstLines) << c.name;
  }
}

TEST(SongSplit, eachSongKeepsOnlyItsOwnLinesChordsAndSections) {
  const std::string text =
      "{title: A}\n{key: G}\n{soc}\n[G]one [D]two\n{eoc}\n{ns}\n{title: B}\nthree [Em]four\n";
  const std::vector<SongOfText> songs = ReadSongs(text);
  ASSERT_EQ(songs.size(), 2u);
  EXPECT_EQ(songs[0].song.chords.size(), 2u);
  EXPECT_EQ(songs[0].song.sections.size(), 1u);
  EXPECT_EQ(songs[1].song.key, "");  // not the first song's key
  ASSERT_EQ(songs[1].song.chords.size(), 1u);
  // Lines count from the song's own start; firstLine gives the file's.
  EXPECT_EQ(songs[1].song.chords[0].sourceLine + songs[1].firstLine - 1, 8);
}

TEST(SongSplit, readingOneSongOfAFileOfSeveralReadsTheFirstAndSaysSo) {
  const Song song = ReadSong("{title: A}\n[G]one\n{new_song}\n{title: B}\n[C]two\n");
  EXPECT_EQ(song.title, "A");
  EXPECT_EQ(song.chords.size(), 1u);
  ASSERT_EQ(song.notes.size(), 1u);
  EXPECT_NE(song.notes[0].find("2 songs"), std::string::npos);
  // Chords over words have no {new_song}: one song, whole.
  EXPECT_EQ(ReadSongs("G    D\nla la la\n").size(), 1u);
}

TEST(Setlist, linesGivePathsAndSettingsAndBadSettingsAreProblems) {
  const Setlist setlist = ReadSetlist(
      "# Sunday\n"
      "amazing-grace.cho key=A capo=2 instrument=ukulele\n"
      "\n"
      "  songs/the water is wide.cho transpose=-2 mode=easiest\n"
      "odd.cho key=H capo=13 colour=red\n"
      "a=b.cho\n");
  ASSERT_EQ(setlist.entries.size(), 4u);
  const SetlistEntry& grace = setlist.entries[0];
  EXPECT_EQ(grace.path, "amazing-grace.cho");
  EXPECT_EQ(grace.line, 2);
  EXPECT_EQ(grace.key, "A");
  EXPECT_EQ(grace.capo, 2);
  EXPECT_EQ(grace.instrument, "ukulele");
  EXPECT_EQ(setlist.entries[1].path, "songs/the water is wide.cho");
  EXPECT_EQ(setlist.entries[1].transpose, -2);
  EXPECT_EQ(setlist.entries[1].mode, "easiest");
  EXPECT_EQ(setlist.entries[2].path, "odd.cho");
  EXPECT_FALSE(setlist.entries[2].key || setlist.entries[2].capo);
  // The first word is the path even when it holds "=".
  EXPECT_EQ(setlist.entries[3].path, "a=b.cho");
  ASSERT_EQ(setlist.problems.size(), 3u);
  for (const SetlistProblem& problem : setlist.problems) EXPECT_EQ(problem.line, 5);
  // Written back, every entry reads the same.
  for (const SetlistEntry& entry : setlist.entries) {
    const Setlist again = ReadSetlist(SetlistLine(entry));
    ASSERT_EQ(again.entries.size(), 1u);
    SetlistEntry expected = entry;
    expected.line = 1;
    EXPECT_EQ(again.entries[0], expected) << SetlistLine(entry);
  }
}

TEST(SongLibrary, searchFindsEveryWordInTitlesArtistsLyricsAndChords) {
  SongLibrary library;
  library.Add("/s/grace.cho",
              "{title: Amazing Grace}\n{artist: John Newton}\n[G]Was blind but [D7]now\n", "grace");
  library.Add("/s/two.cho",
              "{title: Down in the Valley}\n[G]Hang your head\n{ns}\n{artist: Burns}\n[C]auld "
              "lang [F]syne\n",
              "two");
  library.Sort();
  std::vector<std::string> titles;
  for (const LibrarySong& song : library.Songs()) titles.push_back(song.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Amazing Grace", "Down in the Valley", "two (2)"}));
  EXPECT_EQ(library.Songs()[2].part, 1);
  EXPECT_EQ(library.Songs()[2].firstLine, 4);
  struct Case {
    const char* query;
    std::vector<int> found;
  };
  const Case cases[] = {
      {"", {0, 1, 2}}, {"  ", {0, 1, 2}},  {"GRACE", {0}},       {"newton", {0}},
      {"burns", {2}},  {"blind now", {0}}, {"blind valley", {}}, {"d7", {0}},
      {"f", {2}},      {"hang head", {1}}, {"zzz", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(library.Search(c.query), c.found) << c.query;
}

}  // namespace
}  // namespace corvanta
