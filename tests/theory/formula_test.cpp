// Tests of formulas and search arguments.
#include "theory/formula.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

struct ArgumentRow {
  const char* name;
  const char* formula;
  int root;
  int bass;
  const char* argument;
};

TEST(SearchArgument, isTheBassThenTheTransposedChord) {
  const ArgumentRow rows[] = {
      {"C major", "00 04 07", 0, 0, "0 4 7"},
      {"C major over E", "00 04 07", 0, 4, "4 0 4 7"},
      {"A minor seventh", "00 03 07 10", 9, 9, "9 0 4 7"},
      {"G7", "00 04 07 10", 7, 7, "7 11 2 5"},
      {"B major wraps", "00 04 07", 11, 11, "11 3 6"},
      {"power chord", "00 07", 2, 2, "2 9"},
      {"no root name", "00 04 07", 12, 12, "12 4 7"},
  };
  for (const ArgumentRow& row : rows) {
    EXPECT_EQ(BuildSearchArgument(row.formula, row.root, row.bass), row.argument) << row.name;
  }
}

// The pitch classes the search is given are the numbers of the argument's
// text, read as the text once was built: the bass, then TransposeFormula's
// blank-ended list. Ragged and empty formulas included.
TEST(SearchPitchClasses, areTheNumbersOfTheArgumentText) {
  const char* const formulas[] = {"00 04 07", "00 03 06 09", "00 04 07 10 02 05",
                                  "00 07",    "00",          "00 04 0",
                                  "",         "04 07",       "00  04"};
  for (const char* formula : formulas) {
    for (int root = 0; root <= 12; ++root) {
      for (int bass : {0, root, (root + 4) % 12, 12}) {
        std::vector<int> numbers{bass};
        const std::string rest = TransposeFormula(formula, root, root, bass);
        for (std::size_t at = 0; at < rest.size();) {
          const std::size_t blank = rest.find(' ', at);
          numbers.push_back(std::stoi(rest.substr(at, blank - at)));
          at = blank + 1;
        }
        EXPECT_EQ(SearchPitchClasses(formula, root, bass), numbers)
            << '"' << formula << "\" root " << root << " bass " << bass;
      }
    }
  }
}

TEST(TransposeFormula, endsInABlankAndSkipsTheRootOnlyWhenItIsTheBass) {
  EXPECT_EQ(TransposeFormula("00 04 07", 0, 0, 0), "4 7 ");
  EXPECT_EQ(TransposeFormula("00 04 07", 0, 0, 4), "0 4 7 ");
  // A ragged end is never read past.
  EXPECT_EQ(TransposeFormula("00 04 0", 0, 0, 0), "4 ");
  EXPECT_EQ(TransposeFormula("", 0, 0, 0), "");
}

TEST(FormulaCheck, acceptsOnlyTwoDigitOffsetsWithSingleBlanks) {
  EXPECT_TRUE(IsWellFormedFormula("00 04 07"));
  EXPECT_TRUE(IsWellFormedFormula("00 07 05"));
  EXPECT_FALSE(IsWellFormedFormula("00  04"));
  EXPECT_FALSE(IsWellFormedFormula("00 4 07"));
  EXPECT_FALSE(IsWellFormedFormula("00 12"));
  EXPECT_FALSE(IsWellFormedFormula("04 07"));
  EXPECT_FALSE(IsWellFormedFormula("00 04 07 "));
  EXPECT_EQ(FormulaOffsets("00 03 07 10"), (std::vector<int>{0, 3, 7, 10}));
}

}  // namespace
}  // namespace corvanta
