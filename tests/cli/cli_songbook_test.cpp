// corvanta-cli songbook: books of our own songs (traditional words) read
// back page by page with poppler's tools.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "cli_process.h"
#include "pdf_reading.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
using testing::HavePoppler;
using testing::PageCount;
using testing::PageText;
using testing::Poppler;
using testing::RunModernCli;

const fs::path kSongs = fs::path(CORVANTA_TEST_DATA) / "songbook";

fs::path Folder() { return test_files::FreshFolder("corvanta-songbook"); }

// The first line of a page's text that is not blank.
std::string FirstLine(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t start = line.find_first_not_of(" \f");
    if (start != std::string::npos) return line.substr(start);
  }
  return {};
}

std::string LastLine(const std::string& text) {
  std::istringstream lines(text);
  std::string line, last;
  while (std::getline(lines, line)) {
    const std::size_t start = line.find_first_not_of(" \f");
    if (start != std::string::npos) last = line.substr(start);
  }
  return last;
}

// "Title . . . . 7" lines of a contents or index page: title -> page.
std::map<std::string, int> Entries(const std::string& text) {
  std::map<std::string, int> entries;
  static const std::regex entry("^\\s*(\\S.*?)\\s+(?:\\. ?)*\\.?\\s*(\\d+)\\s*$");
  std::istringstream lines(text);
  std::string line;
  std::smatch match;
  while (std::getline(lines, line))
    if (std::regex_match(line, match, entry)) entries[match[1]] = std::stoi(match[2]);
  return entries;
}

// The outline as pdftohtml reads it: title -> page (1-based).
std::map<std::string, int> Outline(const fs::path& pdf) {
  const std::string xml = Poppler("pdftohtml -xml -i -stdout -q " + pdf.string());
  std::map<std::string, int> items;
  static const std::regex item("<item page=\"(\\d+)\">([^<]*)</item>");
  for (std::sregex_iterator it(xml.begin(), xml.end(), item), end; it != end; ++it)
    items[(*it)[2]] = std::stoi((*it)[1]);
  return items;
}

TEST(CliSongbook, aFolderBecomesABookWhoseContentsAndOutlinePointAtEachSong) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const fs::path folder = Folder();
  const fs::path pdf = folder / "book.pdf";
  auto run = RunModernCli("songbook " + kSongs.string() + " --title 'Evening Songs' --pdf " +
                          pdf.string());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(PageText(pdf, 1).find("Evening Songs"), std::string::npos);
  const std::map<std::string, int> contents = Entries(PageText(pdf, 2));
  // File-name order, numbers as numbers; the file of two songs gives two.
  const std::vector<std::string> titles = {"Shenandoah",       "Oh! Susanna",
                                           "Red River Valley", "Down in the Valley",
                                           "Auld Lang Syne",   "Swing Low, Sweet Chariot"};
  ASSERT_EQ(contents.size(), titles.size()) << PageText(pdf, 2);
  int previous = 2;
  const std::map<std::string, int> outline = Outline(pdf);
  for (const std::string& title : titles) {
    ASSERT_TRUE(contents.count(title)) << title;
    const int page = contents.at(title);
    EXPECT_GT(page, previous) << title << ": each song starts on a page of its own, in order";
    previous = page;
    EXPECT_EQ(FirstLine(PageText(pdf, page)), title) << "page " << page;
    EXPECT_EQ(outline.count(title) ? outline.at(title) : -1, page) << title;
  }
  // The index at the back: alphabetical, the same pages.
  const int last = PageCount(pdf);
  const std::string index = PageText(pdf, last);
  EXPECT_EQ(FirstLine(index), "Index");
  EXPECT_EQ(Entries(index), contents);
  EXPECT_LT(index.find("Auld Lang Syne"), index.find("Down in the Valley"));
  EXPECT_LT(index.find("Red River"), index.find("Shenandoah"));
  EXPECT_EQ(outline.count("Contents") ? outline.at("Contents") : -1, 2);
  EXPECT_EQ(outline.count("Index") ? outline.at("Index") : -1, last);
  // Page numbers at the foot of every page after the title page.
  for (int page = 2; page <= last; ++page)
    EXPECT_EQ(LastLine(PageText(pdf, page)), std::to_string(page));
  fs::remove_all(folder);
}

TEST(CliSongbook, aSetlistPlaysEachSongInItsOwnKeyCapoAndInstrument) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const fs::path folder = Folder();
  const fs::path pdf = folder / "set.pdf";
  auto run = RunModernCli("songbook " + (kSongs / "evening.setlist").string() + " --pdf " +
                          pdf.string() + " --index first-lines");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string contents = PageText(pdf, 1);
  // By first line, in the setlist's order.
  EXPECT_LT(contents.find("Swing low, sweet chariot"), contents.find("Oh Shenandoah")) << contents;
  EXPECT_LT(contents.find("Oh Shenandoah"), contents.find("From this valley"));
  const std::string swing = PageText(pdf, 2);
  EXPECT_EQ(FirstLine(swing), "Swing Low, Sweet Chariot");
  EXPECT_NE(swing.find("Key D"), std::string::npos) << swing;
  EXPECT_EQ(swing.find(" F "), std::string::npos) << "C's F moved to D's G";
  const std::string shenandoah = PageText(pdf, 3);
  EXPECT_NE(shenandoah.find("Capo 2 \u2014 shapes in Bb, sounding C"), std::string::npos)
      << shenandoah;
  // The index holds titles and first lines.
  const std::string index = PageText(pdf, PageCount(pdf));
  EXPECT_NE(index.find("Red River Valley"), std::string::npos);
  EXPECT_NE(index.find("From this valley"), std::string::npos);
  fs::remove_all(folder);
}

// A song of numbered verses, four lines each, long enough for pages.
std::string LongSong(const std::string& title, int verses) {
  std::string text = "{title: " + title + "}\n\n";
  for (int verse = 1; verse <= verses; ++verse) {
    for (int line = 1; line <= 4; ++line)
      text += "[G]Verse " + std::to_string(verse) + " line " + std::to_string(line) +
              " goes [C]on and [D]on\n";
    text += "\n";
  }
  return text;
}

TEST(CliSongbook, versesAreNeverSplitAcrossPagesAndPackedSongsShareThem) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const fs::path folder = Folder();
  // Eighteen verses leave room at the foot of the long song's last page.
  constexpr int kVerses = 18;
  std::ofstream(folder / "a.cho") << LongSong("Long Road", kVerses);
  std::ofstream(folder / "b.cho") << LongSong("Short One", 1);
  std::ofstream(folder / "c.cho") << LongSong("Shorter Still", 1);
  const fs::path pdf = folder / "book.pdf";
  auto run = RunModernCli("songbook " + folder.string() + " --pdf " + pdf.string());
  ASSERT_EQ(run.status, 0) << run.err;
  const int pages = PageCount(pdf);
  ASSERT_GE(pages, 5);
  int versesSeen = 0;
  for (int page = 1; page <= pages; ++page) {
    const std::string text = PageText(pdf, page);
    for (int verse = 1; verse <= kVerses; ++verse) {
      int lines = 0;
      for (int line = 1; line <= 4; ++line)
        lines += text.find("Verse " + std::to_string(verse) + " line " + std::to_string(line) +
                           " ") != std::string::npos;
      EXPECT_TRUE(lines == 0 || lines == 4) << "verse " << verse << " split on page " << page;
      versesSeen += lines == 4;
    }
  }
  EXPECT_EQ(versesSeen, kVerses + 2);  // the two short songs' first verses too
  // Packed, the short songs follow the long one on its last page.
  const fs::path packed = folder / "packed.pdf";
  ASSERT_EQ(RunModernCli("songbook " + folder.string() + " --pack --pdf " + packed.string()).status,
            0);
  EXPECT_EQ(PageCount(packed), pages - 2);
  const std::map<std::string, int> contents = Entries(PageText(packed, 1));
  EXPECT_EQ(contents.at("Short One"), contents.at("Shorter Still"));
  fs::remove_all(folder);
}

TEST(CliSongbook, aBadSongInTheMiddleIsNamedAndTheBookStillMade) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
  const fs::path folder = Folder();
  std::ofstream(folder / "1.cho") << "{title: First}\n[G]One\n";
  std::ofstream(folder / "2.cho", std::ios::binary) << std::string("\x89PNG\0\0\0\x01", 8);
  std::ofstream(folder / "3.cho") << "{title: Third}\n\n[Xq9]Three [G]and\n";
  std::ofstream(folder / "4.cho") << "{title: Fourth}\n[C]Four\n";
  std::ofstream(folder / "list.setlist") << "1.cho capo=99\nnowhere.cho\n4.cho\n";
  const fs::path pdf = folder / "book.pdf";
  auto run = RunModernCli("songbook " + folder.string() + " " + (folder / "list.setlist").string() +
                          " --pdf " + pdf.string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("2.cho: not a song"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("3.cho:3:2: warning: 'Xq9'"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("list.setlist:1: 'capo=99'"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("list.setlist:2: " + (folder / "nowhere.cho").string() + ": no such file"),
            std::string::npos)
      << run.err;
  const std::map<std::string, int> contents = Entries(PageText(pdf, 1));
  EXPECT_EQ(contents.size(), 3u) << PageText(pdf, 1);  // First, Third, Fourth (twice: one entry)
  EXPECT_EQ(FirstLine(PageText(pdf, contents.at("Third"))), "Third");
  EXPECT_EQ(FirstLine(PageText(pdf, contents.at("Fourth"))), "Fourth");
  // Nothing readable: nothing written, and said.
  auto none = RunModernCli("songbook " + (folder / "2.cho").string() + " --pdf " +
                           (folder / "none.pdf").string());
  EXPECT_EQ(none.status, 1);
  EXPECT_FALSE(fs::exists(folder / "none.pdf"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace corvanta
