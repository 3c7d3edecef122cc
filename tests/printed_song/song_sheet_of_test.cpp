// The printed sheet of a read and voiced song: every line the song shows in
// its place, chords over their syllables, and the chords' diagrams once each.
#include "printed_song/song_sheet_of.h"

#include <gtest/gtest.h>

#include "song/song_reader.h"

namespace corvanta {
namespace {

constexpr const char* kSong =
    "{title: Amazing Grace}\n{subtitle: John Newton}\n{key: G}\n{capo: 3}\n{tempo: 90}\n"
    "# not printed\n"
    "{start_of_verse: Verse 1}\nA[G]mazing grace, how [C]sweet the [G]sound\n{end_of_verse}\n"
    "\n{soc}\nI [Em]once was lost\n{eoc}\n{c: Slowly}\n{ci: Softly}\n"
    "{sog}\n| G . . | C . G | x2\n{eog}\n{sot}\ne|---0---|\n{eot}\n{chorus}\n{np}\n[Xq9]Odd\n";

SongSheet Sheet(const std::string& text) {
  Session session;
  return SongSheetOf(VoiceSong(session, ReadSong(text), SongVoicingOptions()), session);
}

std::vector<SongBlockKind> Kinds(const SongSheet& sheet) {
  std::vector<SongBlockKind> kinds;
  for (const SongSheetBlock& block : sheet.body) kinds.push_back(block.kind);
  return kinds;
}

TEST(SongSheetOf, takesTheTitleBlockFromTheSongAndTheCapo) {
  const SongSheet sheet = Sheet(kSong);
  EXPECT_EQ(sheet.title, "Amazing Grace");
  EXPECT_EQ(sheet.subtitle, "John Newton");
  EXPECT_EQ(sheet.facts, "Key Bb \u00b7 90 bpm");
  EXPECT_EQ(sheet.capoLine, "Capo 3 \u2014 shapes in G, sounding Bb");
  EXPECT_EQ(sheet.diagrams.capo, 3);
}

TEST(SongSheetOf, aKeyTheChordsDoNotSettleIsNotPrinted) {
  EXPECT_EQ(Sheet("{title: Two}\n{tempo: 80}\n[C]one [G]two\n").facts, "80 bpm");
  EXPECT_EQ(Sheet("{title: Words}\nno chords at all\n").facts, "");
  EXPECT_EQ(Sheet("[Em]a [C]b [D]c [Em]d\n").facts, "Key Em");
}

TEST(SongSheetOf, simplifiedChordsArePrintedAndSaidSo) {
  Session session;
  SongVoicingOptions options;
  options.simplify = true;
  const SongSheet sheet = SongSheetOf(
      VoiceSong(session, ReadSong("{key: C}\n[Cmaj7]one [Am7]two\n"), options), session);
  EXPECT_EQ(sheet.facts, "Key C \u00b7 Chords simplified");
  ASSERT_EQ(sheet.diagrams.diagrams.size(), 2u);
  EXPECT_EQ(sheet.diagrams.diagrams[0].caption, "C");
  EXPECT_EQ(sheet.diagrams.diagrams[1].caption, "Am");
}

TEST(SongSheetOf, printsEveryShownLineInOrder) {
  using K = SongBlockKind;
  const SongSheet sheet = Sheet(kSong);
  const std::vector<K> expected{K::Section, K::Lyrics, K::Space, K::Section, K::Lyrics,  K::Comment,
                                K::Comment, K::Grid,   K::Tab,   K::Section, K::NewPage, K::Lyrics};
  EXPECT_EQ(Kinds(sheet), expected);
  const SongSheetBlock& verse = sheet.body[1];
  const std::vector<SongSheetSegment> segments{{"", "A", true},
                                               {"G", "mazing grace, how ", true},
                                               {"C", "sweet the ", true},
                                               {"G", "sound", true}};
  EXPECT_EQ(verse.segments, segments);
  EXPECT_FALSE(verse.chorus);
  EXPECT_TRUE(sheet.body[3].chorus && sheet.body[4].chorus);
  EXPECT_EQ(sheet.body[3].text, "Chorus");
  EXPECT_EQ(sheet.body[6].comment, CommentStyle::Italic);
  const std::vector<SongGridRow> grid{
      {"", {"|", "|", "|"}, {{"G", ".", "."}, {"C", ".", "G"}}, "x2"}};
  EXPECT_EQ(sheet.body[7].rows, grid);
  EXPECT_EQ(sheet.body[8].lines, std::vector<std::string>{"e|---0---|"});
  EXPECT_TRUE(sheet.body[9].chorus);  // the chorus recalled
  EXPECT_FALSE(sheet.body[11].segments.front().chordRead);
  EXPECT_EQ(sheet.body[11].segments.front().chord, "Xq9");
}

TEST(SongSheetOf, drawsEachDistinctChordOnceWithItsVoicing) {
  const SongSheet sheet = Sheet(kSong);
  std::vector<std::string> captions;
  for (const SheetDiagram& diagram : sheet.diagrams.diagrams) {
    captions.push_back(diagram.caption);
    EXPECT_EQ(diagram.frets.size(), 6u);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"G", "C", "Em"}));
  // Printed as chord books print them: marks above the nut, no "1" at it.
  EXPECT_TRUE(sheet.diagrams.chartMarks);
  EXPECT_FALSE(sheet.diagrams.nutFretLabel);
}

TEST(SongSheetOf, transposedChordsAreTheOnesPrinted) {
  Session session;
  SongVoicingOptions options;
  options.transpose = 2;
  options.capo = 0;
  const SongSheet sheet =
      SongSheetOf(VoiceSong(session, ReadSong("[G]Hello [C]world\n"), options), session);
  ASSERT_EQ(sheet.body.size(), 1u);
  EXPECT_EQ(sheet.body[0].segments[0].chord, "A");
  EXPECT_EQ(sheet.body[0].segments[1].chord, "D");
  EXPECT_TRUE(sheet.capoLine.empty());
}

TEST(SongSheetOf, aBareProgressionIsOneLineOfChordsSpacedByItsColumns) {
  const SongSheet sheet = Sheet("G  D  Em  C\n");
  ASSERT_EQ(sheet.body.size(), 1u);
  ASSERT_EQ(sheet.body[0].segments.size(), 4u);
  EXPECT_EQ(sheet.body[0].segments[0].lyric, "   ");
  EXPECT_EQ(sheet.body[0].segments[3].chord, "C");
  EXPECT_TRUE(sheet.title.empty());
}

TEST(SongSheetOf, anEmptySongIsAnEmptySheet) {
  const SongSheet sheet = Sheet("");
  EXPECT_TRUE(sheet.diagrams.diagrams.empty());
  EXPECT_TRUE(sheet.capoLine.empty());
}

// A run of blank lines is one gap standing for all of them: the sheet of a
// text of blank lines stays a few blocks, however long the text.
TEST(SongSheetOf, aRunOfBlankLinesIsOneGap) {
  const SongSheet sheet = Sheet("[G]one\n\n\n\n[C]two\n" + std::string(10000, '\n') + "[D]three\n");
  using K = SongBlockKind;
  EXPECT_EQ(Kinds(sheet), (std::vector<K>{K::Lyrics, K::Space, K::Lyrics, K::Space, K::Lyrics}));
  EXPECT_EQ(sheet.body[1].blankLines, 3);
  EXPECT_EQ(sheet.body[3].blankLines, 10000);
}

// Grids as ChordPro defines them: the shape and label of start_of_grid,
// a line's label and note in its margins, its repeat signs; progressions
// with bar lines as grid rows, their lines one grid; "x2" and annotations
// printed without brackets where chords stand; other programs' blocks
// verbatim.
TEST(SongSheetOf, gridsProgressionsAndAnnotationsKeepTheirMarks) {
  using K = SongBlockKind;
  const SongSheet grid = Sheet(
      "{start_of_grid: shape=\"4x3\" label=\"Intro\"}\n"
      "Intro |: G . . | C . . | D . . | G . . :| x2\n"
      "| Em . . || C . D |. \n{end_of_grid}\n");
  ASSERT_EQ(Kinds(grid), (std::vector<K>{K::Section, K::Grid}));
  EXPECT_EQ(grid.body[0].text, "Intro");
  const SongSheetBlock& block = grid.body[1];
  EXPECT_EQ(block.barsPerRow, 4);
  EXPECT_EQ(block.cellsPerBar, 3);
  const std::vector<SongGridRow> rows{
      {"Intro",
       {"|:", "|", "|", "|", ":|"},
       {{"G", ".", "."}, {"C", ".", "."}, {"D", ".", "."}, {"G", ".", "."}},
       "x2"},
      {"", {"|", "||", "|."}, {{"Em", ".", "."}, {"C", ".", "D"}}, ""}};
  EXPECT_EQ(block.rows, rows);
  // The label and the note are words, not chords the reader could not read.
  std::vector<std::string> read;
  for (const SongChord& chord :
       ReadSong("{sog}\nIntro | G . | C . | repeat 4 times\nD E\n{eog}\n").chords)
    read.push_back(chord.written);
  EXPECT_EQ(read, (std::vector<std::string>{"G", "C", "D", "E"}));

  const SongSheet progression =
      Sheet("Am | C | G | Em\nAm | Dm | E7 | E7\nAm C G Em x2\nN.C. | Am E Am\n");
  ASSERT_EQ(Kinds(progression), (std::vector<K>{K::Grid, K::Lyrics, K::Grid}));
  ASSERT_EQ(progression.body[0].rows.size(), 2u);
  EXPECT_EQ(progression.body[0].rows[0],
            (SongGridRow{"", {"", "|", "|", "|", ""}, {{"Am"}, {"C"}, {"G"}, {"Em"}}, ""}));
  const SongSheetSegment& repeat = progression.body[1].segments.back();
  EXPECT_EQ(repeat.chord, "x2");
  EXPECT_TRUE(repeat.annotation);
  EXPECT_EQ(progression.body[2].rows[0],
            (SongGridRow{"", {"", "|", ""}, {{"N.C."}, {"Am", "E", "Am"}}, ""}));

  const SongSheet annotated = Sheet("[*||:]Hello [G]world [*Rit.]\n");
  const std::vector<SongSheetSegment> segments{
      {"||:", "Hello ", true, true}, {"G", "world ", true, false}, {"Rit.", "", true, true}};
  EXPECT_EQ(annotated.body[0].segments, segments);

  const SongSheet abc = Sheet("{start_of_abc}\nX:1\nK:G\n[G]abc d|\n{end_of_abc}\n[C]la\n");
  ASSERT_EQ(Kinds(abc), (std::vector<K>{K::Tab, K::Lyrics}));
  EXPECT_EQ(abc.body[0].lines, (std::vector<std::string>{"X:1", "K:G", "[G]abc d|"}));
  EXPECT_EQ(Sheet("{start_of_abc}\n[G]a\n{end_of_abc}\n").diagrams.diagrams.size(), 0u);
}

}  // namespace
}  // namespace corvanta
