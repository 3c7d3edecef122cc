// The fingering value: each string's stop, where barres lie and which
// finger holds what, and its key values read and written back.
#include "instrument/fingering.h"

#include <gtest/gtest.h>

#include "keyed_fingering.h"
#include "search/instrument_search.h"
#include "search/voicing.h"

namespace corvanta {
namespace {

constexpr int x = kMutedString;

TEST(StringStop, saysWhatTheStringDoes) {
  EXPECT_TRUE(StringStop::Muted().IsMuted());
  EXPECT_FALSE(StringStop::Muted().Sounds());
  EXPECT_EQ(StringStop::Muted().Fret(), 0);
  EXPECT_TRUE(StringStop::Open().IsOpen());
  EXPECT_TRUE(StringStop::Open().Sounds());
  EXPECT_TRUE(StringStop::AtFret(3).IsHeld());
  EXPECT_EQ(StringStop::AtFret(3).Fret(), 3);
  EXPECT_EQ(StringStop(), StringStop::Muted());
  EXPECT_EQ(Fingering(4).size(), 4u);
  for (StringStop stop : Fingering(4)) EXPECT_TRUE(stop.IsMuted());
}

TEST(Fingering, laysEachBarreWhereTheHandLaysIt) {
  struct Row {
    const char* shape;
    std::vector<int> values;
    std::vector<Barre> barres;
  };
  const Row rows[] = {
      {"the F barre", {-1, 3, 3, 2, 1, 1}, {{1, 0, 5}}},
      {"the A-shape C over the muted low string", {x, -3, 5, 5, 5, 3}, {{3, 1, 5}}},
      // The finger count may begin a barre on every string of a run: one finger.
      {"several starts at one fret", {3, -5, -5, -5, -5, 5}, {{5, 1, 5}}},
      {"it ends before an open string", {-2, x, 2, 0, 2, 2}, {{2, 0, 2}}},
      {"a partial barre above a full one", {-2, -4, 4, 4, 2, 5}, {{2, 0, 5}, {4, 1, 3}}},
      {"no barre", {x, 3, 2, 0, 1, 0}, {}},
  };
  for (const Row& row : rows) EXPECT_EQ(Keyed(row.values).Barres(), row.barres) << row.shape;
  // A barre begins only on a held string, and leaves with it.
  Fingering open = Keyed({0, 0, 0, 0});
  open.StartBarre(1);
  EXPECT_FALSE(open.HasBarre());
  Fingering f = Keyed({-1, 3, 3, 2, 1, 1});
  f.Set(0, StringStop::Open());
  EXPECT_FALSE(f.HasBarre());
}

TEST(Fingering, numbersItsFingersAsADiagramDoes) {
  EXPECT_EQ(FingerNumbers(Keyed({x, 3, 2, 0, 1, 0})), (std::vector<int>{-1, 3, 2, 0, 1, 0}));
  EXPECT_EQ(FingerNumbers(Keyed({-1, 3, 3, 2, 1, 1})), (std::vector<int>{1, 3, 4, 2, 1, 1}));
  EXPECT_EQ(FingerNumbers(Keyed({x, -3, 5, 5, 5, 3})), (std::vector<int>{-1, 1, 2, 3, 4, 1}));
  // The same shape without its barre needs a finger a string.
  EXPECT_EQ(FingerNumbers(Keyed({1, 3, 3, 2, 1, 1})), (std::vector<int>{1, 5, 6, 4, 2, 3}));
  EXPECT_EQ(FingerNumbers(Keyed({0, 0, 0, 0})), (std::vector<int>{0, 0, 0, 0}));
}

TEST(Fingering, readsWhatAPlayerReads) {
  EXPECT_EQ(ReadableFrets(Keyed({x, 3, 2, 0, 1, 0})), "X 3 2 0 1 0");
  EXPECT_EQ(ReadableFrets(Keyed({-1, 3, 3, 2, 1, 1})), "1 3 3 2 1 1");
  const Fingering c = Keyed({x, 3, 2, 0, 1, 0});
  EXPECT_EQ(c.LowestHeldFret(), 1);
  EXPECT_EQ(c.HighestFret(), 3);
  EXPECT_EQ(c.HeldCount(), 3);
  EXPECT_EQ(Fingering(6).LowestHeldFret(), 0);
  EXPECT_TRUE(Keyed({1, 3, 3, 2, 1, 1}).SameStops(Keyed({-1, 3, 3, 2, 1, 1})));
  EXPECT_NE(Keyed({1, 3, 3, 2, 1, 1}), Keyed({-1, 3, 3, 2, 1, 1}));
}

TEST(KeyValues, roundTripEveryValueAndRefuseTheRest) {
  for (int value = -29; value <= 29; ++value) {
    const std::vector<int> values{value, x, 0};
    auto fingering = FingeringOfKeyValues(values);
    ASSERT_TRUE(fingering) << value;
    // -0 is 0: an open string has no barre.
    EXPECT_EQ(KeyValues(*fingering), (std::vector<int>{value, x, 0})) << value;
  }
  for (int bad : {30, -30, 98, 100, -99})
    EXPECT_FALSE(FingeringOfKeyValues(std::vector<int>{bad, 0, 0})) << bad;
  EXPECT_FALSE(FingeringOfKeyValues(std::vector<int>(9, 0)));
  EXPECT_TRUE(FingeringOfKeyValues(std::vector<int>(8, 0)));
}

// The sort key is a function of the value's fields: made again from the
// fingering, it is the one the search recorded.
TEST(KeyValues, theSortKeyFollowsFromTheFields) {
  for (const Instrument& instrument : BuiltInInstruments()) {
    SearchSettings settings;
    settings.rootPitchClass = settings.bassPitchClass = 9;
    settings.fretCount = 12;
    const InstrumentSearchResult result = SearchOnInstrument(instrument, {9, 9, 0, 4, 7}, settings);
    EXPECT_FALSE(result.voicings.empty()) << instrument.name;
    for (const Voicing& voicing : result.voicings) {
      EXPECT_EQ(VoicingOrder(voicing, ValueRanks(voicing.frets)), voicing.order)
          << instrument.name << " " << VoicingKeyText(voicing);
      EXPECT_EQ(ParseKeyFingering(VoicingKeyText(voicing)), voicing.frets);
    }
  }
}

}  // namespace
}  // namespace corvanta
