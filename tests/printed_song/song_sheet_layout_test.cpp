// The printed song's layout with a measure of fixed advances (a letter is
// 0.6 of the face's size wide), so every rule is held without fonts, here
// and in the web build.
#include "printed_song/song_sheet_layout.h"

#include <gtest/gtest.h>

#include "printed_song/text_breaks.h"

namespace corvanta {
namespace {

class FixedMeasure : public TextMeasure {
 public:
  double Width(std::string_view text, const SongFace& face) const override {
    return static_cast<double>(LetterCount(text)) * face.size * 0.6;
  }
  FaceMetrics Metrics(const SongFace& face) const override {
    return {face.size * 0.8, face.size * 1.2};
  }
};

const FixedMeasure kMeasure;

SongSheetBlock Lyrics(std::string text) {
  SongSheetBlock block;
  block.segments = {{"G", std::move(text), true}};
  return block;
}

std::vector<const SongText*> TextsOf(const SongPageLayout& page, SongTextRole role) {
  std::vector<const SongText*> texts;
  for (const SongText& text : page.texts)
    if (text.role == role) texts.push_back(&text);
  return texts;
}

// A title of 200 KB: the title block wraps it whole; each later page's
// header is its first words on one line, within the page.
TEST(SongSheetLayout, aLongTitleHeadsLaterPagesOnOneLine) {
  SongSheet sheet;
  for (int i = 0; i < 40000; ++i) sheet.title += "word ";
  for (int i = 0; i < 60; ++i) sheet.body.push_back(Lyrics("la la la"));
  const SongSheetLayout layout = LayOutSongPages(sheet, PaperSize(SongPaper::A4), kMeasure);
  ASSERT_GT(layout.pages.size(), 2u);
  std::string titled;
  for (const SongPageLayout& page : layout.pages)
    for (const SongText* text : TextsOf(page, SongTextRole::Title)) titled += text->text + " ";
  EXPECT_EQ(titled, sheet.title);
  const std::vector<const SongText*> header = TextsOf(layout.pages.back(), SongTextRole::Header);
  ASSERT_EQ(header.size(), 1u);
  EXPECT_EQ(header.front()->text.substr(0, 10), "word word ");
  EXPECT_EQ(header.front()->text.substr(header.front()->text.size() - 3), "\u2026");
  EXPECT_LE(kSongPageMargin + kMeasure.Width(header.front()->text, header.front()->Face()),
            layout.pageSize.width - kSongPageMargin);
}

// A gap standing for many blank lines takes their room, and at most ends
// its page: the next words start at the top of the next one.
TEST(SongSheetLayout, aLongGapEndsItsPageAndNoMore) {
  SongSheet sheet;
  sheet.body.push_back(Lyrics("one"));
  SongSheetBlock gap;
  gap.kind = SongBlockKind::Space;
  gap.blankLines = 3;
  sheet.body.push_back(gap);
  sheet.body.push_back(Lyrics("two"));
  const SongSheetLayout near = LayOutSongPages(sheet, PaperSize(SongPaper::A4), kMeasure);
  ASSERT_EQ(near.pages.size(), 1u);
  const auto lyrics = TextsOf(near.pages.front(), SongTextRole::Lyric);
  ASSERT_EQ(lyrics.size(), 2u);
  const double line = kMeasure.Metrics(FaceOf(SongTextRole::Lyric)).lineHeight;
  const double chordLine = kMeasure.Metrics(FaceOf(SongTextRole::Chord)).lineHeight;
  EXPECT_NEAR(lyrics[1]->baseline.y - lyrics[0]->baseline.y, chordLine + line + 3 * 0.6 * line,
              1e-9);
  sheet.body[1].blankLines = 1000000;
  const SongSheetLayout far = LayOutSongPages(sheet, PaperSize(SongPaper::A4), kMeasure);
  ASSERT_EQ(far.pages.size(), 2u);
  EXPECT_EQ(TextsOf(far.pages[1], SongTextRole::Lyric).front()->text, "two");
}

// The x of every bar line drawn on each printed line, left to right.
std::vector<std::vector<double>> BarLines(const SongPageLayout& page) {
  std::vector<std::vector<double>> lines;
  double y = -1;
  for (const SheetRule& rule : page.rules) {
    if (rule.from.y != y) lines.emplace_back();
    y = rule.from.y;
    lines.back().push_back(rule.from.x);
  }
  return lines;
}

SongSheet GridSheet(std::vector<SongGridRow> rows, double barsPerRow = 0) {
  SongSheet sheet;
  SongSheetBlock grid;
  grid.kind = SongBlockKind::Grid;
  grid.rows = std::move(rows);
  grid.barsPerRow = static_cast<int>(barsPerRow);
  sheet.body.push_back(grid);
  return sheet;
}

// Bars stand in columns over every line of a grid, whatever each line's
// chords and label; a row too wide wraps by equal groups (4 as 2 + 2).
TEST(SongSheetLayout, gridBarsStandInColumnsAndWrapEvenly) {
  const SongSheet sheet =
      GridSheet({{"Intro", {"|", "|", "|", "|", "|"}, {{"G"}, {"C"}, {"D"}, {"G"}}, "x2"},
                 {"", {"|", "|", "|", "|", "|"}, {{"Cmaj7#11", "."}, {"C"}, {"D"}, {"G"}}, ""}});
  const SongSheetLayout wide = LayOutSongPages(sheet, {2000, 842}, kMeasure);
  const auto lines = BarLines(wide.pages.front());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], lines[1]);
  ASSERT_EQ(lines[0].size(), 5u);
  EXPECT_GT(lines[0][0], kSongPageMargin);  // after the label's margin
  // A page that holds three of these bars: two a line, four lines.
  const double bar = lines[0][1] - lines[0][0];
  const double narrow = 2 * kSongPageMargin + (lines[0][0] - kSongPageMargin) + 3.5 * bar +
                        kMeasure.Width("x2 ", FaceOf(SongTextRole::CommentItalic));
  const auto wrapped = BarLines(LayOutSongPages(sheet, {narrow, 842}, kMeasure).pages.front());
  ASSERT_EQ(wrapped.size(), 4u);
  for (const auto& line : wrapped)
    EXPECT_EQ(line, (std::vector<double>{lines[0][0], lines[0][1], lines[0][2]}));
}

// Repeat signs are drawn: a thick line and two dots on the repeated side;
// a plain bar line is a rule alone.
TEST(SongSheetLayout, repeatSignsHaveTheirThickLineAndDots) {
  const auto fillsOf = [](std::vector<std::string> marks) {
    return LayOutSongPages(GridSheet({{"", std::move(marks), {{"G"}}, ""}}), {595, 842}, kMeasure)
        .pages.front()
        .fills.size();
  };
  EXPECT_EQ(fillsOf({"|", "|"}), 0u);
  EXPECT_EQ(fillsOf({"|:", ":|"}), 6u);  // each: a thick line, two dots
  EXPECT_EQ(fillsOf({"|", "|."}), 1u);
}

SongSheetBlock Plain(std::string text) {
  SongSheetBlock block;
  block.segments = {{"", std::move(text), true}};
  return block;
}

SongSheetBlock Kind(SongBlockKind kind, std::string text = {}) {
  SongSheetBlock block;
  block.kind = kind;
  block.text = std::move(text);
  return block;
}

// The page (from 0) each text of a role first stands on, by its text.
int PageOf(const SongSheetLayout& layout, std::string_view text) {
  for (std::size_t page = 0; page < layout.pages.size(); ++page)
    for (const SongText& drawn : layout.pages[page].texts)
      if (drawn.text == text) return static_cast<int>(page);
  return -1;
}

// With this measure a plain line is 14.4 points and A4 holds 51 of them:
// each case fills the first page to just where its rule decides.
TEST(SongSheetLayout, stanzasHeadingsAndTabsAreNotPartedAtAPageFoot) {
  struct Case {
    const char* name;
    int plainLines;  // filling the first page
    int chordLines;  // lines with chords, 27.6 points each, before them
    std::vector<SongSheetBlock> then;
    std::vector<std::string> onPageTwo;
  };
  SongSheetBlock tab = Kind(SongBlockKind::Tab);
  tab.lines = {"e|--0--|", "B|--1--|", "G|--0--|"};
  const std::vector<Case> cases{
      {"a stanza that fits a page moves whole",
       48,
       0,
       {Kind(SongBlockKind::Space), Plain("s1"), Plain("s2"), Plain("s3"), Plain("s4")},
       {"s1", "s2", "s3", "s4"}},
      {"a heading goes with its first line past a gap",
       49,
       0,
       {Kind(SongBlockKind::Section, "Verse"), Kind(SongBlockKind::Space), Plain("first")},
       {"Verse", "first"}},
      {"a tab's first line is not a page's last", 1, 26, {tab}, {"e|--0--|", "B|--1--|"}},
  };
  for (const Case& c : cases) {
    SongSheet sheet;
    for (int i = 0; i < c.chordLines; ++i) sheet.body.push_back(Lyrics("c" + std::to_string(i)));
    for (int i = 0; i < c.plainLines; ++i) sheet.body.push_back(Plain("p" + std::to_string(i)));
    sheet.body.insert(sheet.body.end(), c.then.begin(), c.then.end());
    const SongSheetLayout layout = LayOutSongPages(sheet, PaperSize(SongPaper::A4), kMeasure);
    ASSERT_EQ(layout.pages.size(), 2u) << c.name;
    for (const std::string& text : c.onPageTwo) EXPECT_EQ(PageOf(layout, text), 1) << c.name;
  }
  // A stanza longer than a page parts as it must: no page is left empty.
  SongSheet long_;
  for (int i = 0; i < 120; ++i) long_.body.push_back(Plain("l" + std::to_string(i)));
  const SongSheetLayout parted = LayOutSongPages(long_, PaperSize(SongPaper::A4), kMeasure);
  EXPECT_EQ(parted.pages.size(), 3u);
  EXPECT_EQ(PageOf(parted, "l0"), 0);
}

}  // namespace
}  // namespace corvanta
