// Interval names as players say them, in the chord they belong to.
#include "theory/interval_names.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanta {
namespace {

std::string Names(const std::vector<int>& chord) {
  std::string names;
  for (int interval : chord) names += std::string(IntervalName(interval, chord)) + " ";
  return names;
}

TEST(IntervalNames, nameEachToneAsItsChordHasIt) {
  EXPECT_EQ(Names({0, 4, 7}), "R 3 5 ");
  EXPECT_EQ(Names({0, 3, 7, 10}), "R b3 5 b7 ");
  EXPECT_EQ(Names({0, 4, 7, 10, 2}), "R 3 5 b7 9 ");
  EXPECT_EQ(Names({0, 4, 10, 3}), "R 3 b7 #9 ");  // E7#9
  EXPECT_EQ(Names({0, 4, 7, 10, 2, 9}), "R 3 5 b7 9 13 ");
  EXPECT_EQ(Names({0, 4, 7, 9}), "R 3 5 6 ");      // a sixth chord
  EXPECT_EQ(Names({0, 3, 6, 9}), "R b3 b5 bb7 ");  // diminished seventh
  EXPECT_EQ(Names({0, 5, 7}), "R 4 5 ");           // sus4
  EXPECT_EQ(Names({0, 2, 7}), "R 2 5 ");           // sus2
  EXPECT_EQ(Names({0, 4, 8}), "R 3 #5 ");          // augmented
  EXPECT_EQ(Names({0, 4, 7, 11, 6}), "R 3 5 7 #11 ");
  EXPECT_EQ(Names({0, 4, 7, 10, 1, 8}), "R 3 5 b7 b9 b13 ");
  EXPECT_EQ(IntervalName(-3, {0, 4, 7, 9}), "6");  // any integer wraps
  EXPECT_EQ(IntervalName(14, {0, 4, 7}), "9");
}

}  // namespace
}  // namespace corvanta
