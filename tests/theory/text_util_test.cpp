#include "theory/text_util.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(ReplaceAll, replacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("99 3 2 0 1 0 ", "99", "X"), "X 3 2 0 1 0 ");
  EXPECT_EQ(ReplaceAll("999", "99", "X"), "X9");
  EXPECT_EQ(ReplaceAll("-3 -5", "-", ""), "3 5");
  EXPECT_EQ(ReplaceAll("abc", "", "X"), "abc");
}

TEST(ChordTextCodec, mapsTheDiminishedSignBothWaysAndNeverEmitsInvalidUtf8) {
  EXPECT_EQ(BytesToUtf8("C\xBA"), "C\xC2\xBA");
  EXPECT_EQ(Utf8ToBytes("C\xC2\xBA"), "C\xBA");
  EXPECT_EQ(BytesToUtf8("标准音"), "标准音");
  EXPECT_EQ(BytesToUtf8(std::string("\xFF\x80", 2)), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(BytesToUtf8(std::string("\xE6\xA0", 2)), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace corvanta
