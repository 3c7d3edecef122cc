// A songbook's contents and index.
#include "printed_song/songbook.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

SongbookSong Song(const std::string& title, const std::string& words) {
  SongbookSong song;
  song.sheet.title = title;
  SongSheetBlock label;
  label.kind = SongBlockKind::Section;
  label.text = "Verse 1";
  SongSheetBlock lyric;
  lyric.segments = {{"", "  ", true}, {"G", words, true}};
  song.sheet.body = {label, lyric};
  song.firstLine = FirstLineOf(song.sheet);
  return song;
}

std::vector<std::string> Texts(const std::vector<SongbookEntry>& entries) {
  std::vector<std::string> texts;
  for (const SongbookEntry& entry : entries) texts.push_back(entry.text);
  return texts;
}

TEST(Songbook, firstLinesAreTheWordsWithoutChordsOrExtraSpaces) {
  EXPECT_EQ(Song("A", "Oh   Shenan doah,  I long ").firstLine, "Oh Shenan doah, I long");
  EXPECT_EQ(Song("A", "Oh Shenandoah, I long to see you,").firstLine,
            "Oh Shenandoah, I long to see you");
  SongSheet chordsOnly;
  chordsOnly.body.resize(1);
  chordsOnly.body[0].segments = {{"G", "  ", true}, {"D", "", true}};
  EXPECT_EQ(FirstLineOf(chordsOnly), "");
}

TEST(Songbook, theIndexIsAlphabeticalIgnoringCaseAndPunctuationTheContentsInBookOrder) {
  Songbook book;
  book.songs = {Song("swing low", "Swing low, sweet chariot"),
                Song("\"Amazing\" Grace", "Amazing grace"),
                Song("Red River Valley", "From this valley"), Song("", "la la")};
  EXPECT_EQ(Texts(SongbookContents(book)),
            (std::vector<std::string>{"swing low", "\"Amazing\" Grace", "Red River Valley",
                                      "(untitled)"}));
  EXPECT_EQ(Texts(SongbookIndexEntries(book)),
            (std::vector<std::string>{"\"Amazing\" Grace", "Red River Valley", "swing low",
                                      "(untitled)"}));
  book.index = SongbookIndex::FirstLines;
  EXPECT_EQ(Texts(SongbookContents(book)),
            (std::vector<std::string>{"Swing low, sweet chariot", "Amazing grace",
                                      "From this valley", "la la"}));
  // Titles and first lines together; a first line that is the title once.
  const std::vector<SongbookEntry> index = SongbookIndexEntries(book);
  EXPECT_EQ(Texts(index), (std::vector<std::string>{"\"Amazing\" Grace", "From this valley",
                                                    "la la", "Red River Valley", "swing low",
                                                    "Swing low, sweet chariot", "(untitled)"}));
  EXPECT_TRUE(index[1].firstLine);
  EXPECT_EQ(index[1].song, 2);
}

}  // namespace
}  // namespace corvanta
