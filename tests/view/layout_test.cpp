// Tests of diagram and neck layout, and of clicks on the neck.
#include <gtest/gtest.h>

#include <algorithm>

#include "keyed_fingering.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/neck_layout.h"

namespace corvanta {
namespace {

std::vector<Placement> Only(const std::vector<Placement>& all,
                            std::initializer_list<Sprite> kinds) {
  std::vector<Placement> kept;
  for (const Placement& p : all) {
    if (std::find(kinds.begin(), kinds.end(), p.sprite) != kinds.end()) kept.push_back(p);
  }
  return kept;
}

constexpr int X(int position) { return 21 + 11 * position; }
constexpr int RowY(int row) { return 11 + 16 * row; }

TEST(DiagramLayout, drawsTheFBarreWorkedExample) {
  DiagramLayout layout = LayOutDiagram(Keyed({-1, 3, 3, 2, 1, 1}), DiagramVariant::Plain, false);
  EXPECT_EQ(layout.firstFret, 1);
  auto marks = Only(layout.placements, {Sprite::BassMark, Sprite::SoundingMark, Sprite::MutedMark});
  ASSERT_EQ(marks.size(), 6u);
  EXPECT_EQ(marks[0], (Placement{Sprite::BassMark, X(0), 91}));
  for (int k = 1; k < 6; ++k) EXPECT_EQ(marks[k], (Placement{Sprite::SoundingMark, X(k), 91}));
  auto barre = Only(layout.placements, {Sprite::BarreSegment});
  ASSERT_EQ(barre.size(), 6u);
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(barre[k], (Placement{Sprite::BarreSegment, 18 + 11 * k, RowY(0)}));
  auto dots =
      Only(layout.placements, {Sprite::Finger1, Sprite::Finger2, Sprite::Finger3, Sprite::Finger4});
  const std::vector<Placement> expected{{Sprite::Finger2, X(3), RowY(1)},
                                        {Sprite::Finger3, X(1), RowY(2)},
                                        {Sprite::Finger4, X(2), RowY(2)}};
  EXPECT_EQ(dots, expected);
  EXPECT_EQ(Only(layout.placements, {Sprite::PlainGrid}).front(),
            (Placement{Sprite::PlainGrid, 24, 3}));
}

TEST(DiagramLayout, choosesTheFirstFretShown) {
  EXPECT_EQ(LayOutDiagram(Keyed({99, 99, 99, 99, 99, 99}), DiagramVariant::Plain, false).firstFret,
            1);
  EXPECT_EQ(LayOutDiagram(Keyed({0, 0, 0, 0, 0, 0}), DiagramVariant::Plain, false).firstFret, 1);
  EXPECT_EQ(LayOutDiagram(Keyed({99, 3, 5, 5, 99, 99}), DiagramVariant::Plain, false).firstFret, 1);
  EXPECT_EQ(LayOutDiagram(Keyed({99, 3, 6, 5, 99, 99}), DiagramVariant::Plain, false).firstFret, 3);
  auto highlighted = LayOutDiagram(Keyed({0, 0, 0, 0, 0, 0}), DiagramVariant::Highlighted, false);
  EXPECT_EQ(Only(highlighted.placements, {Sprite::HighlightedGrid}).size(), 1u);
  EXPECT_TRUE(Only(highlighted.placements, {Sprite::Finger1}).empty());
}

TEST(DiagramLayout, barresRunOverMutedStringsAndStopBeforeOpenOnes) {
  auto muted = LayOutDiagram(Keyed({-3, 99, 5, 5, 3, 3}), DiagramVariant::Plain, false);
  EXPECT_EQ(Only(muted.placements, {Sprite::BarreSegment}).size(), 6u);
  EXPECT_EQ(Only(muted.placements, {Sprite::MutedMark}).front().x, X(1));
  auto open = LayOutDiagram(Keyed({99, -2, 4, 0, 2, 2}), DiagramVariant::Plain, false);
  EXPECT_EQ(Only(open.placements, {Sprite::BarreSegment}).size(), 2u);
}

TEST(DiagramLayout, showsNoFifthFingerAndNothingBelowTheFiveRows) {
  auto five = LayOutDiagram(Keyed({1, 2, 3, 4, 5, 99}), DiagramVariant::Plain, false);
  EXPECT_EQ(
      Only(five.placements, {Sprite::Finger1, Sprite::Finger2, Sprite::Finger3, Sprite::Finger4})
          .size(),
      4u);
  auto stretch = LayOutDiagram(Keyed({99, 6, 99, 99, 11, 99}), DiagramVariant::Plain, false);
  EXPECT_EQ(Only(stretch.placements, {Sprite::Finger1, Sprite::Finger2}).size(), 1u);
}

TEST(DiagramLayout, mirrorsForALeftHandedPlayerWithTheSameFingers) {
  const Fingering frets = Keyed({99, -3, 5, 5, 4, 3});
  auto plain = LayOutDiagram(frets, DiagramVariant::Plain, false);
  auto mirrored = LayOutDiagram(frets, DiagramVariant::Plain, true);
  ASSERT_EQ(plain.placements.size(), mirrored.placements.size());
  auto mirrorX = [](const Placement& p) {
    // Sprites at string positions mirror about the grid's middle.
    int position = p.sprite == Sprite::BarreSegment ? (p.x - 18) / 11 : (p.x - 21) / 11;
    int width = p.sprite == Sprite::BarreSegment ? 18 : 21;
    return width + 11 * (5 - position);
  };
  auto sorted = [](std::vector<Placement> v) {
    std::sort(v.begin(), v.end(), [](const Placement& a, const Placement& b) {
      return std::tie(a.sprite, a.y, a.x) < std::tie(b.sprite, b.y, b.x);
    });
    return v;
  };
  std::vector<Placement> reflected;
  for (const Placement& p : plain.placements) {
    reflected.push_back(p.sprite == Sprite::PlainGrid ? p : Placement{p.sprite, mirrorX(p), p.y});
  }
  EXPECT_EQ(sorted(reflected), sorted(mirrored.placements));
}

// Other instruments keep the six-string spacing: each string more or fewer
// moves the right edge by one spacing.
TEST(DiagramLayout, laysOutAnyNumberOfStringsAtTheSameSpacing) {
  const Fingering ukulele = Keyed({0, 0, 0, 3});
  DiagramLayout four = LayOutDiagram(ukulele, DiagramVariant::Plain, false);
  EXPECT_EQ(four.strings, 4);
  EXPECT_EQ(four.fingers, (std::vector<int>{0, 0, 0, 1}));
  std::vector<int> markXs;
  for (const Placement& p : four.placements)
    if (p.sprite == Sprite::BassMark || p.sprite == Sprite::SoundingMark) markXs.push_back(p.x);
  EXPECT_EQ(markXs, (std::vector<int>{21, 32, 43, 54}));
  EXPECT_EQ(DiagramCellWidth(4), 78);
  EXPECT_EQ(DiagramCellWidth(6), 100);
  EXPECT_EQ(DiagramCellWidth(7), 111);
  EXPECT_EQ(DiagramGridWidth(6), 56);

  const Fingering seven = Keyed({99, -1, 3, 3, 2, 1, 1});
  DiagramLayout right = LayOutDiagram(seven, DiagramVariant::Plain, false);
  DiagramLayout left = LayOutDiagram(seven, DiagramVariant::Plain, true);
  EXPECT_EQ(right.fingers, left.fingers);
  EXPECT_EQ(right.fingers, (std::vector<int>{kNoFinger, 1, 3, 4, 2, 1, 1}));
  // The muted low B stands leftmost, or rightmost for a left-handed player.
  auto mutedX = [](const DiagramLayout& layout) {
    for (const Placement& p : layout.placements)
      if (p.sprite == Sprite::MutedMark) return p.x;
    return -1;
  };
  EXPECT_EQ(mutedX(right), 21);
  EXPECT_EQ(mutedX(left), 21 + 6 * 11);
}

TEST(NeckLayout, showsABarreAsAColumnOfEqualMarkers) {
  auto markers = LayOutNeck(Keyed({99, -3, 5, 5, 4, 3}));
  const int x3 = 134 - 10, x4 = 171 - 10, x5 = 206 - 10;
  auto y = [](int string) { return 14 * (5 - string); };
  std::vector<Placement> expected;
  for (int s = 1; s <= 5; ++s) expected.push_back({Sprite::NeckFinger1, x3, y(s)});
  expected.push_back({Sprite::NeckFinger2, x4, y(4)});
  expected.push_back({Sprite::NeckFinger3, x5, y(2)});
  expected.push_back({Sprite::NeckFinger4, x5, y(3)});
  EXPECT_EQ(markers, expected);
}

TEST(NeckLayout, marksOpenStringsAndKeepsHighFretsInsideThePicture) {
  auto open = LayOutNeck(Keyed({0, 0, 0, 0, 0, 0}));
  ASSERT_EQ(open.size(), 6u);
  for (const Placement& p : open) EXPECT_EQ(p.sprite, Sprite::NeckOpen);
  EXPECT_TRUE(LayOutNeck(Keyed({99, 99, 99, 99, 99, 99})).empty());
  for (const Placement& p : LayOutNeck(Keyed({99, 99, 27, 26, 25, 24}))) {
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x + kNeckMarkerWidth, kNeckPictureWidth);
  }
  EXPECT_EQ(LayOutNeck(Keyed({99, 99, 99, 99, 99, 1})).front().x, 40);
  // Far-off values cost no more than near ones (the walk once stepped
  // through every fret in between).
  EXPECT_FALSE(FingeringOfKeyValues(std::vector<int>{99, 99, 99, 2000000000, 0, 3}));
}

TEST(NeckClicks, landOnTheNearestStringAndTheFretSpaceUnderThePoint) {
  for (int string = 0; string < kStringCount; ++string) {
    for (int fret = 1; fret <= kNeckFretWires; ++fret) {
      // Where the marker of that string and fret is drawn, and a little off it.
      int x = NeckFretX(fret) - 5;
      EXPECT_EQ(NeckPositionAt(x, NeckStringY(string, 6), 6), (NeckPosition{string, fret}));
      EXPECT_EQ(NeckPositionAt(x, NeckStringY(string, 6) + 4, 6), (NeckPosition{string, fret}));
    }
    EXPECT_EQ(NeckPositionAt(3, NeckStringY(string, 6), 6)->fret, 0);  // on the nut
  }
  EXPECT_EQ(NeckPositionAt(kNeckPictureWidth - 1, 0, 6), (NeckPosition{5, kNeckFretWires}));
  EXPECT_EQ(NeckPositionAt(300, kNeckPictureHeight - 1, 6)->string, 0);
  for (auto [x, y] :
       {std::pair{-1, 40}, {kNeckPictureWidth, 40}, {300, -1}, {300, kNeckPictureHeight}})
    EXPECT_FALSE(NeckPositionAt(x, y, 6)) << x << "," << y;
}

TEST(NeckClicks, drawCapoFingeringsAtTheirAbsoluteFrets) {
  EXPECT_EQ(AbsoluteFrets(Keyed({99, 3, 2, 0, -1, 0}), 2), (Keyed({99, 5, 4, 0, -3, 0})));
  EXPECT_EQ(AbsoluteFrets(Keyed({99, 3, 2, 0, 1, 0}), 0), (Keyed({99, 3, 2, 0, 1, 0})));
  // Open strings sound at the capo and are marked there.
  auto placements = LayOutNeck(AbsoluteFrets(Keyed({0, 99, 99, 99, 99, 99}), 3), 3);
  ASSERT_EQ(placements.size(), 1u);
  EXPECT_EQ(placements[0].x, NeckFretX(3) - 10);
}

// Chord-chart marks: o over an open string, x over a muted one, nothing over
// a fretted one, above the nut; the grid and its dots one room lower; the
// bass a filled dot when open, a ring round its finger when fretted.
TEST(DiagramLayout, drawsChartMarksAboveTheNut) {
  const Fingering c = Keyed({99, 3, 2, 0, 1, 0});
  const DiagramLayout below = LayOutDiagram(c, DiagramVariant::Plain, false);
  const DiagramLayout chart =
      LayOutDiagram(c, DiagramVariant::Plain, false, -1, DiagramMarks::Chart);
  EXPECT_EQ(chart.shift, kChartMarkRoom);
  auto marks = Only(chart.placements, {Sprite::BassMark, Sprite::SoundingMark, Sprite::MutedMark});
  ASSERT_EQ(marks.size(), 3u);  // the muted string and the two open ones
  EXPECT_EQ(marks[0], (Placement{Sprite::MutedMark, X(0), 4}));
  EXPECT_EQ(marks[1], (Placement{Sprite::SoundingMark, X(3), 4}));
  EXPECT_EQ(marks[2], (Placement{Sprite::SoundingMark, X(5), 4}));
  // Every mark lies above the nut, which the grid puts at its top.
  const auto grid = Only(chart.placements, {Sprite::PlainGrid});
  ASSERT_EQ(grid.size(), 1u);
  for (const Placement& mark : marks) EXPECT_LE(mark.y + 6, grid[0].y);
  // The fretted bass (the A string at fret 3) is ringed round its finger.
  auto rings = Only(chart.placements, {Sprite::BassRing});
  ASSERT_EQ(rings.size(), 1u);
  auto fingers = Only(chart.placements, {Sprite::Finger3});
  ASSERT_EQ(fingers.size(), 1u);
  EXPECT_EQ(rings[0].x + 2, fingers[0].x);
  EXPECT_EQ(rings[0].y + 2, fingers[0].y);
  // The same fingers and rows as below, lower by the room.
  auto dots = [](const DiagramLayout& layout) {
    return Only(layout.placements,
                {Sprite::Finger1, Sprite::Finger2, Sprite::Finger3, Sprite::Finger4});
  };
  ASSERT_EQ(dots(chart).size(), dots(below).size());
  for (std::size_t i = 0; i < dots(below).size(); ++i)
    EXPECT_EQ(dots(chart)[i].y, dots(below)[i].y + kChartMarkRoom);
  EXPECT_EQ(chart.fingers, below.fingers);

  // An open bass is a filled dot over its string; mirrored, on the right.
  const Fingering e = Keyed({0, 2, 2, 1, 0, 0});
  auto left =
      Only(LayOutDiagram(e, DiagramVariant::Plain, true, -1, DiagramMarks::Chart).placements,
           {Sprite::BassMark});
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0], (Placement{Sprite::BassMark, X(5), 4}));
  EXPECT_TRUE(
      Only(LayOutDiagram(e, DiagramVariant::Plain, false, -1, DiagramMarks::Chart).placements,
           {Sprite::BassRing})
          .empty());
}

}  // namespace
TEST(NeckLayout, spreadsAnyNumberOfStringsAndClicksFindThem) {
  for (int strings : {4, 5, 7, 8}) {
    int previous = kNeckPictureHeight;
    for (int string = 0; string < strings; ++string) {
      const int y = NeckStringY(string, strings);
      // The lowest-listed string at the bottom, inside the guitar's outer lines.
      EXPECT_LT(y, previous) << strings << " strings";
      EXPECT_GE(y, NeckStringY(5, 6));
      EXPECT_LE(y, NeckStringY(0, 6));
      previous = y;
      for (int fret : {1, 7, kNeckFretWires})
        EXPECT_EQ(NeckPositionAt(NeckFretX(fret) - 5, y, strings), (NeckPosition{string, fret}));
    }
    // Every marker stays inside the picture.
    std::vector<int> frets(static_cast<std::size_t>(strings), 0);
    frets.back() = 3;
    for (const Placement& p : LayOutNeck(Keyed(frets))) {
      EXPECT_GE(p.y, 0);
      EXPECT_LE(p.y + 12, kNeckPictureHeight);
    }
  }
  // The guitar keeps its lines.
  EXPECT_EQ(NeckStringY(0, 6), 76);
  EXPECT_EQ(NeckStringY(5, 6), 7);
}

TEST(NeckLayout, marksAShortStringOpenAtItsFirstFret) {
  const std::vector<int> starts{5, 0, 0, 0, 0};
  auto open = LayOutNeck(Keyed({0, 99, 99, 99, 99}), 0, starts);
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0].x, NeckFretX(5) - 10);
  // A capo above it marks it at the capo.
  open = LayOutNeck(Keyed({0, 99, 99, 99, 99}), 7, starts);
  EXPECT_EQ(open[0].x, NeckFretX(7) - 10);
}

TEST(DiagramLayout, marksTheStringThatSoundsLowestAsTheBass) {
  // A re-entrant ukulele: 0 0 0 3 has C4 on its second string below G4.
  const std::vector<int> ukulele{67, 60, 64, 69};
  const Fingering frets = Keyed({0, 0, 0, 3});
  EXPECT_EQ(BassString(frets, ukulele, {}), 1);
  EXPECT_EQ(BassString(Keyed({99, 99, 99, 99}), ukulele, {}), -1);
  // The banjo's drone at its fret 7 is A4, above the D3 string.
  const std::vector<int> banjo{67, 50, 55, 59, 62};
  EXPECT_EQ(BassString(Keyed({7, 99, 99, 99, 0}), banjo, std::vector<int>{5, 0, 0, 0, 0}), 4);
  auto bassX = [](const DiagramLayout& layout) {
    for (const Placement& p : layout.placements)
      if (p.sprite == Sprite::BassMark) return p.x;
    return -1;
  };
  EXPECT_EQ(bassX(LayOutDiagram(frets, DiagramVariant::Plain, false, 1)), 21 + 11);
  EXPECT_EQ(bassX(LayOutDiagram(frets, DiagramVariant::Plain, false)), 21);
  // Mirrored, the second string is drawn second from the right.
  EXPECT_EQ(bassX(LayOutDiagram(frets, DiagramVariant::Plain, true, 1)), 21 + 2 * 11);
}

}  // namespace corvanta
