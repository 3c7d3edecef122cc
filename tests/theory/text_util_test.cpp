// Tests of the chord texts' helpers and of making a text valid UTF-8.
#include "theory/text_util.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace corvanta {
namespace {

// The words as a stream reads them: the plain reference SplitWords keeps to.
std::vector<std::string> StreamWords(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

TEST(SplitWords, readsTheWordsAStreamReads) {
  const struct {
    const char* name;
    std::string text;
  } rows[] = {
      {"empty", ""},
      {"blanks only", "   \t\n"},
      {"one word", "D"},
      {"blanks around", "  0 2 2 1 0 0  "},
      {"tabs and line breaks", "E2\tA2\nD3\r\nG3\vB3\fE4"},
      {"signs and digits kept", "-3 5 5 99 , 3"},
      {"a NUL is not white", std::string("a\0b c", 5)},
      {"bytes above ASCII kept",
       "C\xba"
       "7 \xe5\x90\x89"},
  };
  for (const auto& row : rows) {
    std::vector<std::string> got;
    for (std::string_view word : SplitWords(row.text)) got.emplace_back(word);
    EXPECT_EQ(got, StreamWords(row.text)) << row.name;
  }
}

TEST(ReplaceAll, replacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("99 3 2 0 1 0 ", "99", "X"), "X 3 2 0 1 0 ");
  EXPECT_EQ(ReplaceAll("999", "99", "X"), "X9");
  EXPECT_EQ(ReplaceAll("-3 -5", "-", ""), "3 5");
  EXPECT_EQ(ReplaceAll("abc", "", "X"), "abc");
}

TEST(ValidUtf8, keepsTheDiminishedSignAndNeverEmitsInvalidUtf8) {
  EXPECT_EQ(ValidUtf8("C\xC2\xBA"), "C\xC2\xBA");
  // A lone byte 0xBA is no character: the sign is U+00BA in UTF-8 only.
  EXPECT_EQ(ValidUtf8("C\xBA"), "C\xEF\xBF\xBD");
  EXPECT_EQ(ValidUtf8("标准音"), "标准音");
  EXPECT_EQ(ValidUtf8(std::string("\xFF\x80", 2)), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(ValidUtf8(std::string("\xE6\xA0", 2)), "\xEF\xBF\xBD\xEF\xBF\xBD");
  // Shapes of UTF-8 that are not well formed: above U+10FFFF, a surrogate,
  // overlong forms. (A JSON writer refuses them.)
  for (const char* bad : {"\xF7\xBA\x9D\x92", "\xF4\x90\x80\x80", "\xED\xA0\x80", "\xE0\x80\xAF",
                          "\xF0\x80\x80\xAF", "\xC1\xBF"}) {
    EXPECT_EQ(ValidUtf8(bad).find_first_not_of("\xEF\xBF\xBD\xC2\xBA"), std::string::npos) << bad;
  }
  EXPECT_EQ(ValidUtf8("\xF4\x8F\xBF\xBF"), "\xF4\x8F\xBF\xBF");  // U+10FFFF itself
}

TEST(PrintableText, keepsUtf8AndEscapesControlsAndStrayBytes) {
  EXPECT_EQ(PrintableText("Am7 标准音 º"), "Am7 标准音 º");
  EXPECT_EQ(PrintableText(std::string_view("a\0b", 3)), "a\\x00b");
  EXPECT_EQ(PrintableText("\x1b[31m"), "\\x1B[31m");
  EXPECT_EQ(PrintableText("\xff\xc3"), "\\xFF\\xC3");  // not UTF-8, a sequence cut short
  EXPECT_EQ(PrintableText("\x7f"), "\\x7F");
  EXPECT_EQ(PrintableText(""), "");
}

TEST(QuotedEcho, keepsAShortTextWholeAndCutsALongOneBetweenCharactersWithItsSize) {
  EXPECT_EQ(QuotedEcho("C#m7/G#"), "'C#m7/G#'");
  EXPECT_EQ(QuotedEcho(std::string(64, 'z')), "'" + std::string(64, 'z') + "'");
  EXPECT_EQ(QuotedEcho(std::string(65, 'z')),
            "'" + std::string(64, 'z') + "\xE2\x80\xA6' (65 bytes)");
  // Escapes count as shown: sixteen \x00 fill the 64 columns.
  EXPECT_EQ(
      QuotedEcho(std::string(1 << 20, '\0'))
          .rfind("'" + PrintableText(std::string(16, '\0')) + "\xE2\x80\xA6' (1048576 bytes)", 0),
      0u);
  // A character is never cut in two: 标 is three bytes.
  std::string chinese;
  for (int i = 0; i < 30; ++i) chinese += "标";
  const std::string echoed = QuotedEcho(chinese);
  EXPECT_EQ(echoed.substr(0, 1 + 63), "'" + chinese.substr(0, 63));
  EXPECT_NE(echoed.find("(90 bytes)"), std::string::npos);
}

}  // namespace
}  // namespace corvanta
