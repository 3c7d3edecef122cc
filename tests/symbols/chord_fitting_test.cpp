// Tests of chord fitting against the plain reference.
#include "symbols/chord_fitting.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "reference_fitting.h"
#include "theory/degree_code.h"
#include "theory/degree_codes.h"

namespace corvanta {
namespace {

// A chord as the reader composes it from random check-list words, with no
// note limit: the last base named wins, the degrees apply in item order.
ComposedChord RandomChord(std::mt19937& random) {
  ComposedChord chord;
  for (int item = 0; item < kDegreeItemCount; ++item) chord.ticked[item] = random() % 6 == 0;
  chord.base = "00 04 07";
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (chord.ticked[item] && IsBaseFormulaCode(kDegreeItems[item].code))
      chord.base = kDegreeItems[item].code;
  }
  for (int item = 1; item < kDegreeItemCount; ++item) {
    std::string_view code = kDegreeItems[item].code;
    if (chord.ticked[item] && !IsBaseFormulaCode(code))
      ApplyDegreeCode(code, chord.base, chord.additions, std::numeric_limits<int>::max());
  }
  chord.root = static_cast<int>(random() % 12);
  chord.bass = random() % 2 == 0 ? chord.root : static_cast<int>(random() % 12);
  chord.impliedNinth = random() % 3 == 0;
  return chord;
}

TEST(ChordFitting, theMaskFittingEqualsThePlainReference) {
  std::mt19937 random(36);
  for (int i = 0; i < 20000; ++i) {
    const ComposedChord chord = RandomChord(random);
    RequestedOmissions omit{random() % 4 == 0, random() % 4 == 0, random() % 4 == 0};
    const FittedChord fast = FitChord(chord, omit);
    const FittedChord plain = reference::FitChord(chord, omit);
    SCOPED_TRACE(chord.base + "|" + chord.additions + " root " + std::to_string(chord.root) +
                 " bass " + std::to_string(chord.bass));
    ASSERT_EQ(fast.formula, plain.formula);
    ASSERT_EQ(fast.omitted, plain.omitted);
    ASSERT_EQ(fast.asked, plain.asked);
    ASSERT_EQ(fast.notes, plain.notes);
  }
}

// The leaving-out order on chords players know, from the reference too.
TEST(ChordFitting, leavesOutWhatPlayersLeaveOut) {
  struct Row {
    const char* name;
    ComposedChord chord;
    std::vector<std::string> omitted;
  };
  std::array<bool, kDegreeItemCount> thirteen{};
  thirteen[24] = true;
  const Row rows[] = {
      {"C13(#11): the fifth first", {"00 04 07", " 10 02 06 09", {}, 0, 0}, {"5"}},
      {"C13(b9) with 9 and 11: fifth, then eleventh",
       {"00 04 07", " 10 01 02 05 09", thirteen, 0, 0},
       {"5", "11"}},
      {"C7(b9,9,#9,b13): fifth, then the ninth",
       {"00 04 07", " 10 01 02 03 08", {}, 0, 0},
       {"5", "9"}},
      {"C7(9,11,13)/Db: the root over a bass outside",
       {"00 04 07", " 10 02 05 09", {}, 0, 1},
       {"5", "root"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FitChord(row.chord, {}).omitted, row.omitted);
    EXPECT_EQ(reference::FitChord(row.chord, {}).omitted, row.omitted);
  }
}

}  // namespace
}  // namespace corvanta
