// Tests of the chord entry's rules.
#include "chord_entry/chord_entry.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

std::vector<int> Ticked(const ChordEntry& entry) {
  std::vector<int> items;
  for (int i = 0; i < kDegreeItemCount; ++i) {
    if (entry.state.ticked[i]) items.push_back(i);
  }
  return items;
}

// Ticks the given items (besides item 0) and runs the handler for the last,
// as if the user had just ticked it.
ChordEntry TickAll(const std::vector<int>& items, int bass = 0) {
  ChordEntry entry;
  if (bass != 0) entry.ChooseBass(bass);
  entry.state.ticked.fill(false);
  for (int item : items) entry.state.ticked[item] = true;
  entry.ApplyToggledDegree(items.back());
  return entry;
}

TEST(ChordGrids, choosingARootDropsTheBassAndMovesTheBassRow) {
  ChordEntry entry;
  EXPECT_EQ(entry.ChooseBass(4).searches, 1);
  EXPECT_EQ(entry.state.chordSymbol, "C/E");
  EXPECT_EQ(entry.SearchArgument(), "4 0 4 7");
  entry.ChooseType(29);  // m7
  EXPECT_EQ(entry.state.chordSymbol, "Cm7/E");
  // The nested bass choice runs first: two searches.
  EXPECT_EQ(entry.ChooseRoot(2).searches, 2);
  EXPECT_EQ(entry.state.chordSymbol, "Dm7");
  EXPECT_EQ(entry.state.bassGridRow, 2);
  EXPECT_EQ(entry.state.bassPitchClass, 2);
  EXPECT_EQ(entry.SearchArgument(), "2 5 9 0");
  // Choosing the root whose row the bass grid already has searches once.
  entry.ChooseBass(7);
  entry.ChooseBass(2);
  EXPECT_EQ(entry.ChooseRoot(2).searches, 1);
}

TEST(ChordGrids, spellTheRootFromTheBassGrid) {
  ChordEntry entry;
  entry.ShowRootAs(Accidentals::Flats);  // root grid in flats, bass grid in sharps
  EXPECT_EQ(entry.RootGridText(1), "Db");
  EXPECT_EQ(entry.BassGridText(1), "C#");
  entry.ChooseRoot(1);
  EXPECT_EQ(entry.state.chordSymbol, "C#");
  entry.ShowBassAs(Accidentals::Flats);
  EXPECT_EQ(entry.state.chordSymbol, "C#");  // relabelling alone changes no symbol
  entry.ChooseBass(10);
  EXPECT_EQ(entry.state.chordSymbol, "C#/Bb");
  entry.ChooseBass(1);
  EXPECT_EQ(entry.state.chordSymbol, "C#");
  EXPECT_EQ(entry.SearchArgument(), "1 5 8");
}

TEST(ChordGrids, majorTypeShowsNoTypeNameAndTypesLeaveTheTicks) {
  ChordEntry entry;
  entry.ToggleDegree(15);
  entry.ChooseType(33);
  EXPECT_EQ(entry.state.chordSymbol, "Cm6");
  entry.ChooseType(0);
  EXPECT_EQ(entry.state.typeName, "");
  EXPECT_EQ(entry.state.chordSymbol, "C");
  EXPECT_EQ(Ticked(entry), (std::vector<int>{0, 15}));
  EXPECT_EQ(entry.state.thirdInterval, 4);
  EXPECT_EQ(entry.ChooseType(35).searches, 0);
  EXPECT_EQ(entry.ChooseRoot(-1).searches, 0);
}

TEST(ChordGrids, aSeparateBassWithAFiveNoteFormulaDisablesAddedDegrees) {
  ChordEntry entry;
  entry.ChooseType(17);  // 7/9: five notes
  entry.ChooseBass(4);
  EXPECT_FALSE(entry.state.enabled[24]);
  EXPECT_TRUE(entry.state.enabled[2]);  // not a pure added degree
  EXPECT_EQ(entry.ToggleDegree(24).searches, 0);
  EXPECT_FALSE(entry.state.ticked[24]);
  entry.ChooseBass(0);
  EXPECT_TRUE(entry.state.enabled[24]);
}

TEST(OptionControls, searchOnceAndSimpleChordsSetTheSpan) {
  ChordEntry entry;
  EXPECT_EQ(entry.SetSimpleChords(true).searches, 1);
  EXPECT_EQ(entry.state.span, 3);
  EXPECT_EQ(entry.SetSimpleChords(false).searches, 1);
  EXPECT_EQ(entry.state.span, 5);
  EXPECT_EQ(entry.SetFretCount(24).searches, 1);
  EXPECT_EQ(entry.state.fretCount, 24);
  EXPECT_EQ(entry.SetFretCount(7).searches, 0);
  EXPECT_EQ(entry.SetSpan(9).searches, 0);
  EXPECT_EQ(entry.state.chordSymbol, "C");
}

TEST(ModesAndSpelling, changeNoChordAndDoNotSearch) {
  ChordEntry entry;
  entry.ToggleDegree(1);
  ChordEntryState before = entry.state;
  entry.ChooseMode(EntryMode::TypeGrid);
  entry.ChooseMode(EntryMode::DegreeList);
  EXPECT_EQ(entry.state.ticked, before.ticked);
  EXPECT_EQ(entry.state.mode, EntryMode::DegreeList);
}

struct DegreeRow {
  std::vector<int> ticked;
  const char* formula;
  const char* symbol;
  const char* argument;
};

TEST(DegreeList, composesTheExamplesOfTheCheckList) {
  const DegreeRow rows[] = {
      {{0}, "00 04 07", "C", "0 4 7"},
      {{1, 15}, "00 03 07 10", "Cm/7", "0 3 7 10"},
      {{0, 2}, "00 04 08", "Caug", "0 4 8"},
      {{0, 42}, "00 04 06", "C/b5", "0 4 6"},
      {{0, 48}, "00 07 05", "Csus4", "0 7 5"},
      {{1, 48}, "00 03 07 05", "Cm/sus4", "0 3 7 5"},
      {{0, 15, 18, 21, 24}, "00 04 07 10 02 05", "C7/9/11/13", "0 4 7 10 2 5"},
      {{0, 5, 18}, "00 04 07 02", "C2/9", "0 4 7 2"},
      {{3, 13}, "00 03 06 09", "Cdim/6", "0 3 6 9"},
      {{0, 2, 9}, "00 04 08 06", "Caug/5-", "0 4 8 6"},
      {{10, 48}, "00 07 05", "C5/sus4", "0 7 5"},
  };
  for (const DegreeRow& row : rows) {
    ChordEntry entry = TickAll(row.ticked);
    EXPECT_EQ(entry.state.chordFormula, row.formula) << row.symbol;
    EXPECT_EQ(entry.state.chordSymbol, row.symbol);
    EXPECT_EQ(entry.SearchArgument(), row.argument) << row.symbol;
  }
}

TEST(DegreeList, refusesADegreeAtTheSixNoteLimit) {
  ChordEntry entry = TickAll({0, 15, 18, 21, 24});
  EXPECT_FALSE(entry.state.ticked[24]);
  EXPECT_FALSE(entry.state.enabled[24]);
  EXPECT_FALSE(entry.state.enabled[5]);
  EXPECT_TRUE(entry.state.enabled[15]);
  EXPECT_FALSE(entry.state.bassGridEnabled);
  // With a separate bass the fifth note is refused already.
  ChordEntry overE = TickAll({0, 15, 18, 21}, 4);
  EXPECT_EQ(overE.state.chordFormula, "00 04 07 10 02");
  EXPECT_FALSE(overE.state.ticked[21]);
}

TEST(DegreeList, keepsMajorAndMinorExclusive) {
  ChordEntry entry;
  entry.ToggleDegree(0);
  EXPECT_EQ(Ticked(entry), (std::vector<int>{1}));
  EXPECT_EQ(entry.state.thirdInterval, 3);
  entry.ToggleDegree(1);
  EXPECT_EQ(Ticked(entry), (std::vector<int>{0}));
  entry.ToggleDegree(1);
  EXPECT_EQ(Ticked(entry), (std::vector<int>{1}));
  entry.ToggleDegree(10);  // a power chord brings the major tick back
  EXPECT_EQ(Ticked(entry), (std::vector<int>{0, 10}));
  EXPECT_EQ(entry.state.chordSymbol, "C5");
}

TEST(DegreeList, setsTheThirdAndFifthForTheOmitOptions) {
  EXPECT_EQ(TickAll({0, 2}).state.fifthInterval, 8);
  EXPECT_EQ(TickAll({0, 9}).state.fifthInterval, 6);
  EXPECT_EQ(TickAll({3}).state.fifthInterval, 6);
  EXPECT_EQ(TickAll({3}).state.thirdInterval, 3);
  EXPECT_EQ(TickAll({0, 11, 9}).state.fifthInterval, 8);
  EXPECT_EQ(TickAll({0}).state.fifthInterval, 7);
}

}  // namespace
}  // namespace corvanta
