// The difficulty figure judged as a songbook would judge it, and the order
// by ease.
#include "search/difficulty.h"

#include <gtest/gtest.h>

#include "../search/songbook_shapes.h"
#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "keyed_fingering.h"
#include "search/hand.h"
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
  const std::vector<double> figures = OrderVoicings(voicings, VoicingOrderChoice::Ease);
  ASSERT_EQ(voicings.size(), byPosition.size());
  ASSERT_EQ(figures.size(), voicings.size());
  for (std::size_t i = 0; i < voicings.size(); ++i) EXPECT_EQ(figures[i], Difficulty(voicings[i]));
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

std::vector<Voicing> PlayedByEase(const char* symbol, const char* instrument = "guitar") {
  ChordEntry entry;
  ReadTypedChord(entry, symbol, ChordNotation::Standard);
  std::vector<Voicing> voicings =
      VoiceEntry(entry, *FindInstrument(instrument), 0, CapoNames::Sounding, true).search.voicings;
  OrderVoicings(voicings, VoicingOrderChoice::Ease);
  return voicings;
}

// The shapes songbooks print first are first or second of their chord's
// practical voicings by ease: open chords, sevenths, barres, power chords.
TEST(Difficulty, theSongbookShapesComeFirstOrSecond) {
  for (const songbook::Shape& shape : songbook::GuitarShapes()) {
    const int at = FindVoicing(PlayedByEase(shape.symbol), Keyed(shape.frets));
    EXPECT_GE(at, 0) << shape.symbol;
    EXPECT_LE(at, 1) << shape.symbol << " " << ReadableFrets(Keyed(shape.frets));
  }
}

// The same on other instruments: the shapes their players learn first.
TEST(Difficulty, otherInstrumentsSongbookShapesComeFirstOrSecond) {
  struct Row {
    const char* instrument;
    const char* symbol;
    Values shape;
  };
  for (const Row& row : {
           Row{"ukulele", "C", {0, 0, 0, 3}},
           Row{"ukulele", "F", {2, 0, 1, 0}},
           Row{"ukulele", "G", {0, 2, 3, 2}},
           Row{"ukulele", "Am", {2, 0, 0, 0}},
           Row{"ukulele", "Dm", {2, 2, 1, 0}},
           Row{"ukulele", "A", {2, 1, 0, 0}},
           Row{"ukulele", "C7", {0, 0, 0, 1}},
           Row{"ukulele", "G7", {0, 2, 1, 2}},
           Row{"ukulele", "A7", {0, 1, 0, 0}},
           Row{"mandolin", "G", {0, 0, 2, 3}},
           Row{"mandolin", "C", {0, 2, 3, 0}},
           Row{"mandolin", "D", {2, 0, 0, 2}},
           Row{"bass", "C5", {x, 3, 5, x}},
           Row{"bass", "G5", {3, 5, 5, x}},
           Row{"bass", "A5", {x, 0, 2, x}},
       }) {
    const int at = FindVoicing(PlayedByEase(row.symbol, row.instrument), Keyed(row.shape));
    EXPECT_GE(at, 0) << row.instrument << " " << row.symbol;
    EXPECT_LE(at, 1) << row.instrument << " " << row.symbol;
  }
}

// Shapes the old figure put first, behind the ones players use.
TEST(Difficulty, thePlayersShapesComeBeforeTheOddOnes) {
  struct Row {
    const char* symbol;
    Values played;
    Values odd;
  };
  for (const Row& row : {Row{"C7", {x, 3, 2, 3, 1, 0}, {8, 7, 8, 0, 8, 0}},
                         Row{"C7", {x, 3, 2, 3, 1, 0}, {8, 7, 8, 0, 8, x}},
                         Row{"Am7", {x, 0, 2, 0, 1, 0}, {5, 3, 5, 5, 5, 5}},
                         Row{"Am7/G", {3, 0, 2, 0, 1, 0}, {3, x, 2, 2, 2, 2}},
                         Row{"B", {x, 2, 4, 4, 4, 2}, {2, 2, 4, 4, 4, 2}},
                         Row{"Bm", {x, 2, 4, 4, 3, 2}, {2, 2, 4, 4, 3, 2}}}) {
    const std::vector<Voicing> voicings = PlayedByEase(row.symbol);
    const int played = FindVoicing(voicings, Keyed(row.played)),
              odd = FindVoicing(voicings, Keyed(row.odd));
    ASSERT_GE(played, 0) << row.symbol;
    EXPECT_TRUE(odd < 0 || played < odd) << row.symbol << " " << ReadableFrets(Keyed(row.odd));
  }
  // 5 3 5 5 5 5 is no second-easiest Am7.
  EXPECT_GT(FindVoicing(PlayedByEase("Am7"), Keyed({5, 3, 5, 5, 5, 5})), 2);
}

// A barre is one finger however many strings it covers; what the hand does
// is read from the frets alone.
TEST(HandPlacement, countsTheFingersAHandPutsDown) {
  // Gm11's 3 3 3 3 3 1: one barre across five strings at fret 3 (another
  // finger's, behind the first finger's fret 1) and one finger: two.
  const HandPlacement gm11 = HandPlacementOf(Keyed({3, 3, 3, 3, 3, 1}));
  EXPECT_EQ(gm11.fingers, 2);
  EXPECT_EQ(gm11.otherFingerBarre, 5);
  EXPECT_EQ(gm11.firstFingerBarre, 0);
  const HandPlacement f = HandPlacementOf(Keyed({-1, 3, 3, 2, 1, 1}));
  EXPECT_EQ(f.fingers, 4);
  EXPECT_EQ(f.firstFingerBarre, 6);
  EXPECT_TRUE(f.fullBarre);
  const HandPlacement bm = HandPlacementOf(Keyed({x, 2, 4, 4, 3, 2}));
  EXPECT_EQ(bm.fingers, 4);
  EXPECT_EQ(bm.firstFingerBarre, 5);
  EXPECT_FALSE(bm.fullBarre);
  // The barre stops short of the open B string.
  const HandPlacement abm9 = HandPlacementOf(Keyed({4, 1, 1, 1, 0, 2}));
  EXPECT_EQ(abm9.fingers, 3);
  EXPECT_EQ(abm9.firstFingerBarre, 3);
  // Four fingers need no barre; the open strings and muted ones counted.
  const HandPlacement c = HandPlacementOf(Keyed({x, 3, 2, 0, 1, 0}));
  EXPECT_EQ(c.fingers, 3);
  EXPECT_EQ(c.firstFingerBarre, 0);
  EXPECT_EQ(c.span, 2);
  EXPECT_EQ(c.muted, 1);
  EXPECT_EQ(c.mutedInner, 0);
  const HandPlacement g13 = HandPlacementOf(Keyed({3, x, 3, 4, 5, x}));
  EXPECT_EQ(g13.mutedInner, 1);
  EXPECT_EQ(g13.mutedTop, 1);
}

TEST(Difficulty, theReasonsAddUpToTheFigure) {
  for (const char* symbol : {"C", "F", "Bm", "G13", "Am7/G", "C5"}) {
    for (const Voicing& voicing : PlayedByEase(symbol)) {
      const DifficultyReasons reasons = DifficultyReasonsOf(voicing);
      EXPECT_DOUBLE_EQ(reasons.Total(), Difficulty(voicing));
      EXPECT_GE(reasons.fingers, 0);
      EXPECT_GE(reasons.barre, 0);
      EXPECT_EQ(reasons.fifthInBass > 0, voicing.fifthInBass) << symbol;
    }
  }
  // A stretch grows faster than its width, and costs the same up the neck.
  const DifficultyReasons two = DifficultyReasonsOf(Keyed({x, 1, 3, x, x, x}));
  const DifficultyReasons three = DifficultyReasonsOf(Keyed({x, 1, 4, x, x, x}));
  const DifficultyReasons four = DifficultyReasonsOf(Keyed({x, 1, 5, x, x, x}));
  EXPECT_GT(four.stretch - three.stretch, three.stretch - two.stretch);
  EXPECT_EQ(DifficultyReasonsOf(Keyed({x, 8, 10, x, x, x})).stretch, two.stretch);
}

// A shape and itself with a string left out are not two of the first three
// while another shape is as easy (of the same word, not much harder); else
// the copy stays.
TEST(OrderVoicings, aShapeLessOneStringStepsBehindAnother) {
  auto voicing = [](Values frets) { return *MakeVoicing(frets, false, 5); };
  const Voicing g = voicing({3, 2, 0, 0, 0, 3}), thinner = voicing({3, 2, 0, 0, 0, x});
  const Voicing other = voicing({3, 2, 0, 0, 3, x}), hard = voicing({x, 10, 9, 7, 8, 7});
  ASSERT_LT(Difficulty(g), Difficulty(thinner));
  ASSERT_LT(Difficulty(thinner), Difficulty(other));
  ASSERT_EQ(WordForDifficulty(Difficulty(thinner)), WordForDifficulty(Difficulty(other)));
  std::vector<Voicing> voicings{hard, other, thinner, g};
  OrderVoicings(voicings, VoicingOrderChoice::Ease);
  EXPECT_EQ(voicings, (std::vector<Voicing>{g, other, thinner, hard}));
  // Nothing else as easy: the copy keeps its place.
  voicings = {hard, thinner, g};
  OrderVoicings(voicings, VoicingOrderChoice::Ease);
  EXPECT_EQ(voicings, (std::vector<Voicing>{g, thinner, hard}));
}

}  // namespace
}  // namespace corvanta
