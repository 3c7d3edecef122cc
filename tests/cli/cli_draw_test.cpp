// corvanta-cli diagram and sheet: files drawn offscreen, bad arguments
// refused, unwritable paths failing without a partial file.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_process.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
using testing::ReadWhole;
using testing::RunCli;

fs::path Folder() { return test_files::FreshFolder("corvanta-draw"); }

TEST(CliDraw, drawsADiagramAndASheetInEveryFormat) {
  fs::path folder = Folder();
  auto png = RunCli("diagram '-1 3 3 2 1 1' --png " + (folder / "f.png").string() + " --scale 3");
  ASSERT_EQ(png.status, 0) << png.err;
  EXPECT_TRUE(png.err.empty()) << png.err;
  EXPECT_EQ(ReadWhole(folder / "f.png").substr(1, 3), "PNG");
  auto svg = RunCli("diagram x32010 --left-handed --svg " + (folder / "c.svg").string());
  ASSERT_EQ(svg.status, 0) << svg.err;
  EXPECT_NE(ReadWhole(folder / "c.svg").find("<svg"), std::string::npos);
  auto pdf = RunCli("sheet Am7 D9 Gmaj7 --per-chord 20 --tuning 'Drop D' --pdf " +
                    (folder / "s.pdf").string());
  ASSERT_EQ(pdf.status, 0) << pdf.err;
  std::string bytes = ReadWhole(folder / "s.pdf");
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  auto sheetPng = RunCli("sheet C G --capo 2 --png " + (folder / "s.png").string());
  EXPECT_EQ(sheetPng.status, 0) << sheetPng.err;
  fs::remove_all(folder);
}

TEST(CliDraw, aDiagramIsCaptionedWithTheBestNameOfWhatItSounds) {
  fs::path folder = Folder();
  ASSERT_EQ(RunCli("diagram 320003 --svg " + (folder / "g.svg").string()).status, 0);
  std::string open = ReadWhole(folder / "g.svg");
  EXPECT_NE(open.find(">G<"), std::string::npos);
  EXPECT_EQ(open.find("Bm"), std::string::npos);
  ASSERT_EQ(
      RunCli("diagram x32000 --notation standard --svg " + (folder / "c.svg").string()).status, 0);
  EXPECT_NE(ReadWhole(folder / "c.svg").find("Cmaj7"), std::string::npos);
  fs::remove_all(folder);
}

TEST(CliDraw, aSheetDrawsNoChordAsACellOfItsOwn) {
  fs::path folder = Folder();
  auto svg = RunCli("sheet C N.C. G --svg " + (folder / "nc.svg").string());
  ASSERT_EQ(svg.status, 0) << svg.err;
  EXPECT_TRUE(svg.err.empty()) << svg.err;
  std::string drawing = ReadWhole(folder / "nc.svg");
  EXPECT_NE(drawing.find("C  N.C.  G"), std::string::npos);  // the heading
  EXPECT_GE(std::count(drawing.begin(), drawing.end(), '\n'), 10);
  auto refused =
      RunCli("sheet 'C7(b9,#9,11,#11)' --notation standard --svg " + (folder / "r.svg").string());
  EXPECT_EQ(refused.status, 2);
  EXPECT_FALSE(fs::exists(folder / "r.svg"));
  fs::remove_all(folder);
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

// A sheet shows how to play a song's chords: each chord once, in order of
// first appearance (every occurrence with --all), under an optional title.
TEST(CliDraw, aSheetDrawsEachChordOnceUnlessAllAreAsked) {
  fs::path folder = Folder();
  const std::string path = (folder / "s.svg").string();
  auto once = RunCli("sheet Am G Am C Am --title 'House of the Rising Sun' --svg " + path);
  ASSERT_EQ(once.status, 0) << once.err;
  std::string drawing = ReadWhole(path);
  EXPECT_NE(drawing.find(">Am  G  C  "), std::string::npos);
  EXPECT_EQ(Count(drawing, ">Am<"), 1u);
  EXPECT_NE(drawing.find(">House of the Rising Sun<"), std::string::npos);
  auto progression = RunCli("sheet 'Am G | Am C | Am' --svg " + path);
  ASSERT_EQ(progression.status, 0) << progression.err;
  EXPECT_EQ(Count(ReadWhole(path), ">Am<"), 1u);
  auto all = RunCli("sheet Am G Am C Am --all --svg " + path);
  ASSERT_EQ(all.status, 0) << all.err;
  drawing = ReadWhole(path);
  EXPECT_NE(drawing.find(">Am  G  Am  C  Am  "), std::string::npos);
  EXPECT_EQ(Count(drawing, ">Am<"), 3u);
  fs::remove_all(folder);
}

TEST(CliDraw, refusesBadArgumentsAndFailsOnUnwritablePaths) {
  fs::path folder = Folder();
  std::string out = (folder / "x.png").string();
  for (const std::string& arguments : std::vector<std::string>{
           "diagram x32010", "diagram x32010 --png a.png --svg b.svg",
           "diagram 'x 3 2' --png " + out, "diagram x32010 --scale 9 --png " + out,
           "sheet hello --png " + out, "sheet C --per-chord 0 --png " + out,
           "sheet C --tuning H --pdf " + out, "diagram x32010 --capo 13 --png " + out}) {
    auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  auto unwritable = RunCli("sheet C --pdf " + (folder / "missing" / "s.pdf").string());
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
  EXPECT_TRUE(fs::is_empty(folder));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace corvanta
