// Seeded random input for the typed-symbol reader and the check list: any
// bytes and any click sequence must leave a well-formed chord of at most six
// notes, bass included.
#include <gtest/gtest.h>

#include <random>

#include "chord_entry/entry_chord.h"
#include "symbols/chord_spelling.h"
#include "symbols/symbol_query.h"
#include "theory/formula.h"

namespace corvanta {
namespace {

constexpr int kRounds = 3000;

void ExpectWellFormedChord(const ChordEntry& entry, const std::string& what) {
  const std::string& formula = entry.state.chordFormula;
  ASSERT_TRUE(IsWellFormedFormula(formula)) << what << " -> '" << formula << "'";
  int notes = static_cast<int>(formula.size() + 1) / 3;
  int bass = entry.state.bassPitchClass != entry.state.rootPitchClass ? 1 : 0;
  EXPECT_LE(notes + bass, 6) << what << " -> '" << formula << "'";
  EXPECT_GE(entry.state.rootPitchClass, 0);
  EXPECT_LE(entry.state.rootPitchClass, kNoPitchClass);
}

std::string RandomSymbol(std::mt19937& random) {
  // Mostly chord vocabulary, some raw bytes, so that deep paths are reached.
  static const char* pieces[] = {"C",   "C#", "Db", "m",     "7",    "9",    "11",       "13",
                                 "/",   " ",  "b5", "b9",    "sus4", "sus2", "add9",     "dim",
                                 "aug", "+",  "-",  "(",     ")",    ",",    ".",        "\\",
                                 "E",   "Bb", "M",  "ADD11", "5",    "6",    "\xC2\xBA", "maj"};
  std::uniform_int_distribution<int> count(0, 12);
  std::uniform_int_distribution<int> piece(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text;
  for (int n = count(random); n > 0; --n) {
    if (byte(random) < 24) {
      text += static_cast<char>(byte(random));
    } else {
      text += pieces[piece(random)];
    }
  }
  return text;
}

TEST(EntryFuzz, typedSymbolsAlwaysGiveAWellFormedChord) {
  std::mt19937 random(20261208);
  for (int round = 0; round < kRounds; ++round) {
    std::string text = RandomSymbol(random);
    ChordEntry entry;
    ReadChordSymbol(entry, text);
    ExpectWellFormedChord(entry, text);
    BuildSearchArgument(entry.state.chordFormula, entry.state.rootPitchClass,
                        entry.state.bassPitchClass);
  }
}

// The shortcut for symbols of words read as typed gives what spelling each
// word would: the same text, omissions and verdict on the program's words.
TEST(EntryFuzz, theSpellingShortcutEqualsSpellingWordByWord) {
  std::mt19937 random(36);
  for (int round = 0; round < 10 * kRounds; ++round) {
    std::string text = RandomSymbol(random);
    for (ChordNotation notation : {ChordNotation::Classic, ChordNotation::Standard}) {
      SpelledSymbol fast = SpellChordSymbol(text, notation);
      SpelledSymbol plain = SpellChordSymbolWordByWord(text, notation);
      ASSERT_EQ(fast.text, plain.text) << text;
      ASSERT_EQ(fast.ownWords, plain.ownWords) << text;
      ASSERT_EQ(fast.noChord, plain.noChord) << text;
      ASSERT_EQ(fast.omit.any(), plain.omit.any()) << text;
    }
  }
}

TEST(EntryFuzz, clickSequencesAlwaysGiveAWellFormedChord) {
  std::mt19937 random(42);
  std::uniform_int_distribution<int> item(-2, kDegreeItemCount + 1);
  std::uniform_int_distribution<int> length(1, 40);
  std::uniform_int_distribution<int> note(0, 11);
  for (int round = 0; round < kRounds; ++round) {
    ChordEntry entry;
    entry.ChooseRoot(note(random));
    if (round % 2 == 0) entry.ChooseBass(note(random));
    std::string clicks;
    for (int n = length(random); n > 0; --n) {
      int clicked = item(random);
      clicks += std::to_string(clicked) + ",";
      entry.ToggleDegree(clicked);
      ExpectWellFormedChord(entry, clicks);
    }
  }
}

}  // namespace
}  // namespace corvanta
