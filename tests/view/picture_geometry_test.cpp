// Tests of the diagram grid's geometry.
#include "view/layout/picture_geometry.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(PictureGeometry, laysOutNineFingeringsInFourColumns) {
  int columns = PictureColumns(450);
  ASSERT_EQ(columns, 4);
  EXPECT_EQ(PictureHeight(9, columns), 520);
  const std::pair<int, int> origins[] = {{0, 0},     {100, 0},   {200, 0},   {300, 0}, {0, 130},
                                         {100, 130}, {200, 130}, {300, 130}, {0, 260}};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(CellOf(i, columns).left, origins[i].first) << i;
    EXPECT_EQ(CellOf(i, columns).top, origins[i].second) << i;
  }
}

TEST(PictureGeometry, zoomStepsStayWithinTheOfferedSizes) {
  EXPECT_EQ(StepZoom(100, 1), 150);
  EXPECT_EQ(StepZoom(300, 1), 300);
  EXPECT_EQ(StepZoom(100, -1), 100);
  EXPECT_EQ(StepZoom(200, -1), 150);
  EXPECT_EQ(StepZoom(175, 1), 150);  // between steps: from the first
}

TEST(PictureGeometry, keepsOneColumnForANarrowPicture) {
  EXPECT_EQ(PictureColumns(0), 1);
  EXPECT_EQ(PictureColumns(99), 1);
  EXPECT_EQ(PictureHeight(3, PictureColumns(40)), 3 * 130 + 260);
  EXPECT_EQ(PictureHeight(0, 4), 260);
}

TEST(ItemAt, mapsAPointInsideACellToItsItem) {
  EXPECT_EQ(ItemAt(0, 0, 450, 520, 9), 0);
  EXPECT_EQ(ItemAt(150, 140, 450, 520, 9), 5);
  EXPECT_EQ(ItemAt(99, 129, 450, 520, 9), 0);
  EXPECT_EQ(ItemAt(10, 300, 450, 520, 9), 8);
}

TEST(ItemAt, ignoresTheStripEmptyCellsAndPointsOutsideThePicture) {
  EXPECT_FALSE(ItemAt(396, 10, 450, 520, 9));  // the ignored strip of the last column
  EXPECT_EQ(ItemAt(395, 10, 450, 520, 9), 3);
  EXPECT_FALSE(ItemAt(420, 10, 450, 520, 9));   // right of the last column
  EXPECT_FALSE(ItemAt(150, 300, 450, 520, 9));  // an empty cell of the last row
  EXPECT_FALSE(ItemAt(-1, 10, 450, 520, 9));
  EXPECT_FALSE(ItemAt(10, -130, 450, 520, 9));
  EXPECT_FALSE(ItemAt(10, 520, 450, 520, 9));
  EXPECT_FALSE(ItemAt(10, 10, 450, 520, 0));
  EXPECT_EQ(ItemAt(50, 10, 60, 520, 3), 0);
  EXPECT_FALSE(ItemAt(96, 10, 99, 520, 3));
}

}  // namespace
}  // namespace corvanta
