// Where printed lyrics may break and where their letters end.
#include "printed_song/text_breaks.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

// The text with a "|" at every place a line may break.
std::string Marked(std::string_view text) {
  std::string marked;
  std::size_t from = 0;
  for (std::size_t at : LineBreaks(text)) {
    marked += std::string(text.substr(from, at - from)) + "|";
    from = at;
  }
  return marked + std::string(text.substr(from));
}

TEST(LineBreaks, fallWhereALyricMayBreak) {
  struct Row {
    const char* name;
    const char* text;
    const char* marked;
  };
  const Row rows[] = {
      {"after blanks, the blanks kept on the line", "When I  was", "When |I  |was"},
      {"none at the ends", " a ", " |a "},
      {"a no-break space holds its words", "Mr.\u00a0Jones", "Mr.\u00a0Jones"},
      {"between CJK characters", "好一朵", "好|一|朵"},
      {"never before closing punctuation", "茉莉花，好", "茉|莉|花，|好"},
      {"never after opening punctuation", "说「好」", "说|「好」"},
      {"CJK after Latin", "la好", "la|好"},
      {"after a hyphen between letters", "well-known", "well-|known"},
      {"not after a leading hyphen", "-x", "-x"},
      {"not inside a word with accents", "café crème", "café |crème"},
      {"a malformed byte is a letter", "a\xff b", "a\xff |b"},
  };
  for (const Row& row : rows) EXPECT_EQ(Marked(row.text), row.marked) << row.name;
}

TEST(LetterEnds, keepMarksAndJoinersOnTheirLetter) {
  struct Row {
    const char* name;
    const char* text;
    std::vector<std::size_t> ends;
  };
  const Row rows[] = {
      {"empty", "", {}},
      {"ASCII", "ab", {1, 2}},
      {"a combining accent", "e\u0301a", {3, 4}},
      {"a CJK character is three bytes", "好a", {3, 4}},
      {"a joined emoji sequence", "\U0001F468\u200D\U0001F469", {11}},
      {"CR LF is one", "\r\n", {2}},
      {"a truncated sequence is one letter a byte", "\xe5\xa5", {1, 2}},
  };
  for (const Row& row : rows) EXPECT_EQ(LetterEnds(row.text), row.ends) << row.name;
}

TEST(TrimWhiteSpace, dropsUnicodeWhiteSpaceAtTheEnds) {
  EXPECT_EQ(TrimWhiteSpace("  a b \t"), "a b");
  EXPECT_EQ(TrimWhiteSpace("\u3000好\u3000"), "好");
  EXPECT_EQ(TrimWhiteSpace("   "), "");
  EXPECT_EQ(TrimWhiteSpace("a\xc2"), "a\xc2");  // a cut sequence is not a blank
  EXPECT_TRUE(IsWhiteSpace(" \u00a0 "));
  EXPECT_FALSE(IsWhiteSpace(" x "));
}

}  // namespace
}  // namespace corvanta
