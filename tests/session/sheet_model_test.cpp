// Tests of the sheet model's strings under a capo.
#include "session/sheet_model.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

// The window's export and the CLI's sheet describe the strings alike: this
// is the one place they are described.
TEST(SheetModel, describesTheStringsUnderTheCapoAsTheDiagramsDrawThem) {
  SheetModel guitar;
  DescribeStrings(guitar, *FindInstrument("guitar"), 2);
  EXPECT_EQ(guitar.capo, 2);
  EXPECT_EQ(guitar.stringStarts, (std::vector<int>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(guitar.openPitches, (std::vector<int>{42, 47, 52, 57, 61, 66}));
  // The classic tuning's octaves are a table's: its diagrams mark the
  // lowest sounding string.
  EXPECT_FALSE(guitar.bassByPitch);

  SheetModel banjo;
  DescribeStrings(banjo, *FindInstrument("banjo"), 2);
  // The drone string starts at the fifth fret, the third above the capo.
  EXPECT_EQ(banjo.stringStarts.front(), 3);
  EXPECT_TRUE(banjo.bassByPitch);
  EXPECT_EQ(banjo.openPitches.size(), 5u);
}

}  // namespace
}  // namespace corvanta
