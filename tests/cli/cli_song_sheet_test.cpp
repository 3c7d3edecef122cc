// corvanta-cli song --pdf/--svg/--png: the printed song drawn by the
// drawing module, written through the one output path, read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include "cli_process.h"
#include "pdf_reading.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
using testing::PageWords;
using testing::Poppler;
using testing::ReadWhole;
using testing::RunCli;

const std::string kSong = std::string(CORVANTA_TEST_DATA) + "/amazing_grace.cho";

fs::path Folder() { return test_files::FreshFolder("corvanta-song-sheet"); }

// Printed songs keep their pages and their words, page by page, as they
// were recorded (tests/printed_song/pages/*.txt, pdftotext's reading).
TEST(CliSongSheet, printedSongsKeepTheirPagesAndWords) {
  struct Case {
    const char* song;
    const char* options;
    const char* recorded;
  };
  const std::string songs = CORVANTA_TESTS_FOLDER, printed = CORVANTA_PRINTED_SONGS;
  const Case cases[] = {
      {"song/songs/amazing_grace.cho", "", "amazing_grace.txt"},
      {"song/songs/greensleeves.txt", "", "greensleeves.txt"},
      {"song/songs/rising_sun.txt", "--page letter", "rising_sun.txt"},
      {"song/songs/scarborough_fair.cho", "", "scarborough_fair.txt"},
      {"data/amazing_grace.cho", "--capo 0 --transpose 2", "data_amazing_grace.txt"},
      {"printed_song/songs/every_block.cho", "", "every_block.txt"},
      {"printed_song/songs/grids.cho", "", "grids.txt"},
  };
  const fs::path folder = Folder();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.song);
    const fs::path pdf = folder / "sheet.pdf";
    auto run = RunCli(std::string("song ") + songs + "/" + c.song + " " + c.options + " --pdf " +
                      pdf.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = Poppler("pdftotext " + pdf.string() + " -");
    if (text.empty()) GTEST_SKIP() << "poppler-utils is not installed";
    const auto recorded = PageWords(ReadWhole(printed + "/pages/" + c.recorded));
    const auto now = PageWords(text);
    ASSERT_EQ(now.size(), recorded.size());
    for (std::size_t page = 0; page < now.size(); ++page)
      EXPECT_EQ(now[page], recorded[page]) << "page " << page + 1;
  }
  fs::remove_all(folder);
}

TEST(CliSongSheet, printsTheSongAsPdfPagesOfThePaperAsked) {
  const fs::path folder = Folder();
  const fs::path pdf = folder / "grace.pdf";
  auto run = RunCli("song " + kSong + " --pdf " + pdf.string() + " --page letter");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.empty()) << run.out;  // the sheet is the output: no summary
  ASSERT_EQ(ReadWhole(pdf).substr(0, 5), "%PDF-");
  const std::string info = Poppler("pdfinfo " + pdf.string());
  if (info.empty()) GTEST_SKIP() << "poppler-utils is not installed";
  EXPECT_NE(info.find("612 x 792"), std::string::npos) << info;
  const std::string text = Poppler("pdftotext " + pdf.string() + " -");
  for (const char* expected : {"Amazing Grace", "Capo 3 \u2014 shapes in G, sounding Bb",
                               "That saved a wretch like me", "Was blind, but now I see"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  // Transposed and without the capo, the sheet's chords are the sounding ones.
  auto bare = RunCli("song " + kSong + " --capo 0 --transpose 2 --pdf " + pdf.string());
  ASSERT_EQ(bare.status, 0) << bare.err;
  const std::string moved = Poppler("pdftotext " + pdf.string() + " -");
  EXPECT_EQ(moved.find("Capo"), std::string::npos);
  EXPECT_NE(moved.find("Key C"), std::string::npos) << moved;
  fs::remove_all(folder);
}

TEST(CliSongSheet, writesSvgAndPngAndStandardOutput) {
  const fs::path folder = Folder();
  auto svg = RunCli("song --chords 'G D Em C' --svg " + (folder / "p.svg").string());
  ASSERT_EQ(svg.status, 0) << svg.err;
  EXPECT_NE(ReadWhole(folder / "p.svg").find("<svg"), std::string::npos);
  auto png = RunCli("song " + kSong + " --png " + (folder / "p.png").string() + " --scale 1");
  ASSERT_EQ(png.status, 0) << png.err;
  EXPECT_EQ(ReadWhole(folder / "p.png").substr(1, 3), "PNG");
  auto piped = RunCli("song - --pdf -", "{title: Piped}\n[C]la [G]la\n");
  ASSERT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out.substr(0, 5), "%PDF-");
  fs::remove_all(folder);
}

TEST(CliSongSheet, refusesTwoSheetsABadPaperAndAnUnwritableTarget) {
  const fs::path folder = Folder();
  const std::string a = (folder / "a.pdf").string(), b = (folder / "b.svg").string();
  EXPECT_EQ(RunCli("song " + kSong + " --pdf " + a + " --svg " + b).status, 2);
  EXPECT_EQ(RunCli("song " + kSong + " --pdf " + a + " --page a5").status, 2);
  EXPECT_EQ(RunCli("song " + kSong + " --png " + a + " --scale 9").status, 2);
  auto folderTarget = RunCli("song " + kSong + " --pdf " + folder.string());
  EXPECT_EQ(folderTarget.status, 1);
  EXPECT_FALSE(folderTarget.err.empty());
  EXPECT_FALSE(fs::exists(a));
  EXPECT_FALSE(fs::exists(b));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace corvanta
