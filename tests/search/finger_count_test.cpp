// Tests of the finger count and the full-barre rule.
#include "search/finger_count.h"

#include <gtest/gtest.h>

#include "search/key_text.h"
#include "search/voicing.h"

namespace corvanta {
namespace {

// The finger count works on the search's key values.
using Frets = std::array<int, 6>;

std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span) {
  auto voicing = MakeVoicing(values, simpleChords, span);
  if (!voicing) return std::nullopt;
  return VoicingKeyText(*voicing);
}

struct FingerRow {
  const char* name;
  Frets values;
  int fingers;
  Frets marked;
};

TEST(CountFingers, countsOneFingerPerBarreAndPerOtherHeldString) {
  const FingerRow rows[] = {
      {"open C needs no barre", {99, 3, 2, 0, 1, 0}, 3, {99, 3, 2, 0, 1, 0}},
      {"F barre at the lowest fret", {1, 3, 3, 2, 1, 1}, 4, {-1, 3, 3, 2, 1, 1}},
      {"partial barre revisits a covered string", {2, 4, 4, 4, 2, 5}, 3, {-2, -4, 4, 4, 2, 5}},
      {"open string above the lowest fret blocks the barre",
       {1, 3, 3, 0, 1, 1},
       5,
       {1, 3, 3, 0, 1, 1}},
      {"two-string barre on the two highest strings", {3, 5, 5, 4, 7, 7}, 5, {3, 5, 5, 4, -7, 7}},
      {"muted strings do not stop a full barre", {3, 99, 5, 5, 3, 3}, 3, {-3, 99, 5, 5, 3, 3}},
      {"four held strings are counted plainly", {99, 99, 5, 5, 5, 5}, 4, {99, 99, 5, 5, 5, 5}},
  };
  for (const FingerRow& row : rows) {
    Frets values = row.values;
    EXPECT_EQ(CountFingers(values, false), row.fingers) << row.name;
    EXPECT_EQ(values, row.marked) << row.name;
  }
}

TEST(CountFingers, rejectsAFullBarreWhenBarresAreExcluded) {
  Frets barre{1, 3, 3, 2, 1, 1};
  EXPECT_EQ(CountFingers(barre, true), kRejectedFingerCount);
  Frets partial{2, 4, 4, 4, 2, 5};  // its lowest-fret barre still covers string 4
  EXPECT_EQ(CountFingers(partial, true), kRejectedFingerCount);
  Frets open{99, 3, 2, 0, 1, 0};
  EXPECT_EQ(CountFingers(open, true), 3);
}

struct KeyRow {
  const char* name;
  Frets values;
  const char* key;
};

TEST(FingeringKey, encodesPositionStringSetAndHighestFret) {
  const KeyRow rows[] = {
      {"open C", {99, 3, 2, 0, 1, 0}, "112013 99 3 2 0 1 0 "},
      {"F barre", {-1, 3, 3, 2, 1, 1}, "113013 -1 3 3 2 1 1 "},
      {"four top strings", {99, 99, 0, 2, 3, 2}, "111013 99 99 0 2 3 2 "},
      {"string 0 sounding with string 1 muted", {3, 99, 2, 0, 1, 0}, "115013 3 99 2 0 1 0 "},
      {"high position keeps its lowest fret", {99, 99, 7, 9, 8, 7}, "171019 99 99 7 9 8 7 "},
      {"all open", {0, 0, 0, 0, 0, 0}, "113010 0 0 0 0 0 0 "},
      {"muted top string", {99, 3, 2, 0, 1, 99}, "115013 99 3 2 0 1 99 "},
  };
  for (const KeyRow& row : rows) {
    auto key = FingeringKey(row.values, false, 5);
    ASSERT_TRUE(key) << row.name;
    EXPECT_EQ(*key, row.key) << row.name;
  }
}

TEST(FingeringKey, dropsMutedInnerStringsForSimpleChordsAndStretchesBeyondTheSpan) {
  EXPECT_TRUE(FingeringKey({99, 99, 0, 2, 3, 2}, true, 5));
  EXPECT_FALSE(FingeringKey({99, 3, 2, 0, 1, 99}, true, 5));
  EXPECT_TRUE(FingeringKey({99, 1, 3, 99, 99, 99}, false, 3));
  EXPECT_FALSE(FingeringKey({99, 1, 4, 99, 99, 99}, false, 3));
  EXPECT_FALSE(FingeringKey({99, 1, 6, 99, 99, 99}, false, 5));
}

}  // namespace
}  // namespace corvanta
