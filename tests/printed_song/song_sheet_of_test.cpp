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
  const std::vector<std::vector<std::string>> bars{{"G", ".", "."}, {"C", ".", "G"}};
  EXPECT_EQ(sheet.body[7].bars, bars);
  EXPECT_EQ(sheet.body[7].text, "x2");
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

}  // namespace
}  // namespace corvanta
