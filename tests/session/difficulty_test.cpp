// The difficulty figure judged as a songbook would judge it, and the order
// by ease.
#include "search/difficulty.h"

#include <gtest/gtest.h>

#include "keyed_fingering.h"
#include "session/placed_fingering.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "symbols/symbol_query.h"

namespace corvanta {
namespace {

using Values = std::vector<int>;

std::vector<Voicing> FingeringsOf(const char* symbol) {
  ChordEntry entry;
  ReadTypedChord(entry, symbol, ChordNotation::Classic);
  return VoiceEntry(entry, BuiltInInstruments().front()).search.voicings;
}

// The voicings of a chord, easiest first, and where a shape stands among them.
int EaseRank(const std::vector<Voicing>& voicings, const Values& shape) {
  const double figure = Difficulty(Keyed(shape));
  int easier = 0;
  bool found = false;
  for (const Voicing& voicing : voicings) {
    const Values frets = KeyValues(voicing.frets);
    if (FindVoicing({voicing}, Keyed(shape)) == 0) found = true;
    if (Difficulty(Keyed(frets)) < figure) ++easier;
  }
  return found ? easier : -1;
}

constexpr int x = kMuted;

// The open shapes every songbook prints are the easiest of their chords.
TEST(Difficulty, theSongbooksOpenShapesAreTheirChordsEasiest) {
  struct Row {
    const char* symbol;
    Values shape;
  };
  for (const Row& row :
       {Row{"C", {x, 3, 2, 0, 1, 0}}, Row{"A", {x, 0, 2, 2, 2, 0}}, Row{"G", {3, 2, 0, 0, 0, 3}},
        Row{"E", {0, 2, 2, 1, 0, 0}}, Row{"D", {x, x, 0, 2, 3, 2}}, Row{"Am", {x, 0, 2, 2, 1, 0}},
        Row{"Em", {0, 2, 2, 0, 0, 0}}, Row{"Dm", {x, x, 0, 2, 3, 1}}}) {
    EXPECT_EQ(EaseRank(FingeringsOf(row.symbol), row.shape), 0) << row.symbol;
  }
  // G's other open shape comes right after, behind only the first and the
  // same shape without its top string.
  EXPECT_LE(EaseRank(FingeringsOf("G"), {3, 2, 0, 0, 3, 3}), 2);
}

// The E- and A-shape barres are the easiest of their chords' movable
// shapes on the same strings. (A four-string shape such as F's x x 3 2 1 1,
// or a shape with open strings, is easier still, as players know.)
TEST(Difficulty, theBarreShapesAreTheEasiestMovableShapesOnTheirStrings) {
  struct Row {
    const char* symbol;
    Values shape;
  };
  for (const Row& row : {Row{"F", {-1, 3, 3, 2, 1, 1}}, Row{"Gm", {-3, 5, 5, 3, 3, 3}},
                         Row{"G", {-3, 5, 5, 4, 3, 3}}, Row{"Am", {-5, 7, 7, 5, 5, 5}},
                         Row{"Bm", {x, -2, 4, 4, 3, 2}}, Row{"Cm", {x, -3, 5, 5, 4, 3}},
                         Row{"C", {x, -3, 5, 5, 5, 3}}}) {
    const double figure = Difficulty(Keyed(row.shape));
    bool found = false;
    for (const Voicing& voicing : FingeringsOf(row.symbol)) {
      const Values frets = KeyValues(voicing.frets);
      bool sameStrings = true, open = false;
      for (std::size_t s = 0; s < frets.size(); ++s) {
        sameStrings = sameStrings && (frets[s] == kMuted) == (row.shape[s] == kMuted);
        open = open || frets[s] == 0;
      }
      if (!sameStrings || open) continue;
      if (FindVoicing({voicing}, Keyed(row.shape)) == 0) found = true;
      EXPECT_GE(Difficulty(Keyed(frets)), figure)
          << row.symbol << " " << ReadableFrets(Keyed(frets));
    }
    EXPECT_TRUE(found) << row.symbol;
  }
}

TEST(Difficulty, eachCostCountsWhereAPlayerFeelsIt) {
  // Open strings alone cost nothing; each muted string a little.
  EXPECT_EQ(Difficulty(Keyed({0, 0, 0, 0, 0, 0})), 0);
  EXPECT_LT(Difficulty(Keyed({0, 0, 0, 0, 0, 0})), Difficulty(Keyed({x, 0, 0, 0, 0, 0})));
  // A muted string between sounding ones costs more than one at the edge.
  EXPECT_GT(Difficulty(Keyed({x, 3, x, 0, 1, 0})), Difficulty(Keyed({x, x, 2, 0, 1, 0})));
  // The same stretch is easier up the neck, the position's own cost aside.
  EXPECT_GT(Difficulty(Keyed({x, 1, 3, x, x, x})),
            Difficulty(Keyed({x, 12, 14, x, x, x})) - kDifficultyWeights.position * 11);
  // A full barre tires more than a partial one.
  EXPECT_GT(Difficulty(Keyed({-1, 3, 3, 2, 1, 1})), Difficulty(Keyed({x, -1, 3, 3, 3, 1})) - 0.6);
  EXPECT_EQ(WordForDifficulty(Difficulty(Keyed({x, 3, 2, 0, 1, 0}))), DifficultyWord::Easy);
  EXPECT_EQ(WordForDifficulty(Difficulty(Keyed({-1, 3, 3, 2, 1, 1}))), DifficultyWord::Medium);
  EXPECT_EQ(WordForDifficulty(Difficulty(Keyed({x, 1, x, 5, x, 9}))), DifficultyWord::Hard);
  EXPECT_EQ(Difficulty(Keyed({x, x, x, x})), 0);
  EXPECT_EQ(Difficulty(Keyed({})), 0);
}

TEST(OrderVoicings, easeKeepsThePromotedShapeFirstAndTiesInTheSearchsOrder) {
  std::vector<Voicing> voicings = FingeringsOf("F");
  const std::vector<Voicing> byPosition = voicings;
  OrderVoicings(voicings, VoicingOrderChoice::Position);
  EXPECT_EQ(voicings, byPosition);
  OrderVoicings(voicings, VoicingOrderChoice::Ease);
  ASSERT_EQ(voicings.size(), byPosition.size());
  EXPECT_TRUE(voicings.front().preferred);
  for (std::size_t i = 2; i < voicings.size(); ++i) {
    const double before = Difficulty(voicings[i - 1].frets);
    const double now = Difficulty(voicings[i].frets);
    ASSERT_LE(before, now);
    if (before == now) {
      // Equal figures keep the search's order.
      ASSERT_LT(voicings[i - 1].order, voicings[i].order);
    }
  }
}

}  // namespace
}  // namespace corvanta
