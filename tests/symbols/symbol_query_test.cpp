// Tests of reading typed chord symbols into the entry.
#include "symbols/symbol_query.h"

#include <gtest/gtest.h>

#include "chord_entry/entry_chord.h"
#include "theory/note_spelling.h"

namespace corvanta {
namespace {

struct QueryRow {
  const char* typed;
  const char* echo;
  int root;
  int bass;
  const char* formula;
  const char* typeName;
  std::vector<int> ticked;
};

std::vector<int> Ticked(const ChordEntry& entry) {
  std::vector<int> items;
  for (int i = 0; i < kDegreeItemCount; ++i) {
    if (entry.state.ticked[i]) items.push_back(i);
  }
  return items;
}

ChordEntry Query(std::string_view text) {
  ChordEntry entry;
  EXPECT_EQ(ReadChordSymbol(entry, text).searches, 1);
  return entry;
}

TEST(SymbolQuery, readsTheTypedExamples) {
  const QueryRow rows[] = {
      {"C", "C", 0, 0, "00 04 07", "", {0}},
      {"Am7", "Am/7 ", 9, 9, "00 03 07 10", "m/7", {0, 1, 15}},
      {"Cm7/G", "Cm/7/G", 0, 7, "00 03 07 10", "m/7", {0, 1, 15}},
      {"C5", "C5 ", 0, 0, "00 07", "5", {0, 10}},
      {"Bbsus4", "Bbsus4 ", 10, 10, "00 07 05", "sus4", {0, 48}},
      {"C/b9", "C/b9 ", 0, 0, "00 04 07 01", "b9", {0, 44}},
      {"Cmaj7", "Cm/", 0, 0, "00 03 07", "m", {0, 1}},
      {"C#m", "C#m ", 1, 1, "00 03 07", "m", {0, 1}},
      {"Dbm", "Dbm ", 1, 1, "00 03 07", "m", {0, 1}},
      {"Cb", "Cb", 11, 11, "00 04 07", "", {0}},
      {"Fb", "Fb", 4, 4, "00 04 07", "", {0}},
      {"E#", "E", 4, 4, "00 04 07", "", {0}},
      {"C9", "C9 ", 0, 0, "00 04 07 02", "9", {0, 18}},
      {"C7/9/11/13", "C7/9/11/13 ", 0, 0, "00 04 07 10 02 05", "7/9/11/13", {0, 15, 18, 21}},
      {"C7/7", "C7/7 ", 0, 0, "00 04 07 10", "7/7", {0, 15}},
      {"C/sus11", "Csus11 ", 0, 0, "00 07 05", "sus11", {0, 50}},
      {"CM", "CM ", 0, 0, "00 04 07", "M", {0, 1}},
      {"Cadd9 13", "Cadd9 13 ", 0, 0, "00 04 07 09 02", "add9/13", {0, 24, 33}},
      {"C#m7/G#", "C#m/7/G#", 1, 8, "00 03 07 10", "m/7", {0, 1, 15}},
  };
  for (const QueryRow& row : rows) {
    ChordEntry entry = Query(row.typed);
    EXPECT_EQ(entry.state.chordSymbol, row.echo) << row.typed;
    EXPECT_EQ(entry.state.rootPitchClass, row.root) << row.typed;
    EXPECT_EQ(entry.state.bassPitchClass, row.bass) << row.typed;
    EXPECT_EQ(entry.state.chordFormula, row.formula) << row.typed;
    EXPECT_EQ(entry.state.typeName, row.typeName) << row.typed;
    EXPECT_EQ(Ticked(entry), row.ticked) << row.typed;
  }
}

TEST(SymbolQuery, echoesABassWithoutAWordAfterASlashAndASingleSlashBeforeAFlatWord) {
  EXPECT_EQ(Query("C/E").state.chordSymbol, "C/E");
  EXPECT_EQ(Query("C/E").state.bassPitchClass, 4);
  EXPECT_EQ(Query("C E").state.chordSymbol, "C/E");
  EXPECT_EQ(Query("Cm/b5").state.chordSymbol, "Cm/b5 ");
  EXPECT_EQ(Query("Cm b5").state.chordSymbol, "Cm /b5 ");
}

TEST(SymbolQuery, followsTheTypedAccidentalsInTheNoteGrids) {
  ChordEntry entry = Query("Bbsus4");
  EXPECT_EQ(entry.state.rootGridNames, Accidentals::Flats);
  EXPECT_EQ(entry.state.bassGridNames, Accidentals::Sharps);
  EXPECT_EQ(entry.state.rootButtonDown, Accidentals::Sharps);  // the buttons stay
  EXPECT_EQ(Query("C/b9").state.bassGridNames, Accidentals::Flats);
  EXPECT_EQ(Query("Dbm").state.rootGridNames, Accidentals::Flats);
  EXPECT_EQ(Query("G/Bb").state.chordSymbol, "G/Bb");
  ChordEntry flats;
  flats.ShowBassAs(Accidentals::Flats);
  ReadChordSymbol(flats, "C");  // no words: the bass grid keeps its names
  EXPECT_EQ(flats.state.bassGridNames, Accidentals::Flats);
}

TEST(SymbolQuery, keepsTheOmitIntervalsAndMovesTheGridsToTheChordRead) {
  ChordEntry entry;
  entry.ChooseRoot(2);
  entry.ToggleDegree(0);  // minor: third 3
  ReadChordSymbol(entry, "G7");
  EXPECT_EQ(entry.state.rootName, "G");
  EXPECT_EQ(entry.state.rootGridRow, 7);
  EXPECT_EQ(entry.state.bassGridRow, 7);
  EXPECT_EQ(entry.state.thirdInterval, 3);
  EXPECT_EQ(entry.SearchArgument(), "7 11 2 5");
  // A later bass choice composes from the chord shown.
  entry.ChooseBass(11);
  EXPECT_EQ(entry.state.chordSymbol, "G7/B");
}

TEST(SymbolQuery, aBassClickAfterAQueryNamesTheChordShown) {
  ChordEntry entry;
  ReadChordSymbol(entry, "Am7");
  EXPECT_EQ(entry.ChooseBass(7).searches, 1);
  EXPECT_EQ(entry.state.chordSymbol, "Am/7/G");
  EXPECT_EQ(entry.SearchArgument(), "7 9 0 4 7");
  // A slash bass read moves the bass grid too, spelled as typed.
  ChordEntry slash;
  ReadChordSymbol(slash, "Bbm7/Ab");
  EXPECT_EQ(slash.state.rootGridRow, 10);
  EXPECT_EQ(slash.state.bassGridRow, 8);
  EXPECT_EQ(slash.state.bassSuffix, "/Ab");
  // Text with no note name leaves the grids where they were.
  ChordEntry none;
  none.ChooseRoot(4);
  ReadChordSymbol(none, "xyz");
  EXPECT_EQ(none.state.rootGridRow, 4);
}

// "º" is read as typed, in UTF-8, and written back the same; a lone byte
// 0xBA (a Latin-1 "º") is no character and reads as an unknown word.
TEST(SymbolQuery, readsTheDiminishedSignInUtf8) {
  for (ChordNotation notation : {ChordNotation::Classic, ChordNotation::Standard}) {
    const SymbolChord sign = ChordOfSymbol("C\xC2\xBA/Gb", notation);
    EXPECT_EQ(sign.chord.formula, "00 03 06 09");
    EXPECT_EQ(sign.chord.bass, 6);
    EXPECT_TRUE(sign.reading.unrecognised.empty());
    const SymbolChord stray = ChordOfSymbol("C\xBA", notation);
    EXPECT_EQ(stray.chord.formula, "00 04 07");
    EXPECT_EQ(stray.reading.unrecognised, std::vector<std::string>{"\xBA"});
  }
  EXPECT_EQ(ChordOfSymbol("C\xC2\xBA/Gb", ChordNotation::Classic).chord.symbol, "C\xC2\xBA/Gb");
}

TEST(SymbolQuery, givesTheNoNoteRootForTextWithoutANoteName) {
  for (std::string_view text : {"", " ", "x", "hello", "\xBA"}) {
    ChordEntry entry = Query(text);
    EXPECT_EQ(entry.state.rootPitchClass, kNoPitchClass) << text;
    EXPECT_EQ(entry.state.bassPitchClass, kNoPitchClass) << text;
    EXPECT_EQ(entry.SearchArgument(), "12 4 7") << text;
  }
}

TEST(SymbolQuery, readsHugeAndBinaryTextSafely) {
  std::string huge(1 << 20, '7');
  EXPECT_EQ(Query("C" + huge).state.chordFormula, "00 04 07");
  std::string words;
  for (int i = 0; i < 100000; ++i) words += "/9";
  ChordEntry many = Query("C" + words);
  EXPECT_EQ(many.state.chordFormula, "00 04 07 02");
  EXPECT_EQ(many.state.typeName.size(), 2u * 100000 - 1);
  std::string binary("C\0m\xff\x01/\x80", 7);
  Query(binary);
  Query("m");
  Query("Cm");
  Query("C#m7b5");
}

// The notes under the strings are spelled by the chord in every key: each
// chord tone as the status bar spells it.
TEST(SymbolQuery, spellsEveryPitchClassByTheChordInEveryKey) {
  struct Row {
    const char* typed;
    int pitchClass;
    const char* name;
  };
  const Row rows[] = {{"C7", 10, "Bb"},   {"F#7", 10, "A#"}, {"Db", 5, "F"},   {"Db", 8, "Ab"},
                      {"Ebm", 6, "Gb"},   {"E", 8, "G#"},    {"Ab7", 6, "Gb"}, {"B", 3, "D#"},
                      {"C/Bb", 10, "Bb"}, {"Abm7", 11, "Cb"}};
  for (const Row& row : rows) {
    ChordEntry entry;
    ReadTypedChord(entry, row.typed, ChordNotation::Standard);
    EXPECT_EQ(ChordSpelling(entry.state)[row.pitchClass], row.name) << row.typed;
  }
  for (const char* quality : {"", "m", "7", "maj7", "m7b5", "dim7"}) {
    for (int root = 0; root < 12; ++root) {
      for (Accidentals names : {Accidentals::Sharps, Accidentals::Flats}) {
        ChordEntry entry;
        std::string typed = std::string(NoteNamesFor(names)[root]) + quality;
        ReadTypedChord(entry, typed, ChordNotation::Standard);
        const auto spelling = ChordSpelling(entry.state);
        for (const std::string& note : ChordNoteNames(entry.state))
          EXPECT_EQ(spelling[PitchClassOfSpelling(note)], note) << typed;
      }
    }
  }
}

}  // namespace
}  // namespace corvanta
