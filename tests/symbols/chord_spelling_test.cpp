// Chord symbols as guitarists write them: standard spellings in both
// notations, the program's own words read exactly as before, and every
// unused word reported.
#include "symbols/chord_spelling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "chord_entry/entry_chord.h"
#include "symbols/symbol_query.h"
#include "symbols/symbol_words.h"
#include "theory/catalogue.h"
#include "theory/formula.h"
#include "theory/note_spelling.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

struct Reading {
  ChordEntry entry;
  SymbolReading report;
};

Reading Read(std::string_view typed, ChordNotation notation) {
  Reading reading;
  reading.report = ReadTypedChord(reading.entry, typed, notation);
  return reading;
}

// The notes as sounds: the bass, then the other pitch classes upwards,
// named with sharps, so a row compares what sounds, not how it is spelled
// (the spelling by degree has its own test).
std::string SoundOf(const std::vector<std::string>& names) {
  if (names.empty()) return "";
  std::vector<int> above;
  for (std::size_t i = 1; i < names.size(); ++i) above.push_back(PitchClassOfSpelling(names[i]));
  std::sort(above.begin(), above.end());
  std::string text(kSharpNoteNames[PitchClassOfSpelling(names.front())]);
  for (int pitchClass : above) text += " " + std::string(kSharpNoteNames[pitchClass]);
  return text;
}

std::string Notes(std::string_view typed, ChordNotation notation) {
  Reading reading = Read(typed, notation);
  return SoundOf(ChordNoteNames(reading.entry.state));
}

std::string Sound(std::string_view names) {
  std::vector<std::string> notes;
  std::size_t at = 0;
  while (at < names.size()) {
    std::size_t end = std::min(names.find(' ', at), names.size());
    notes.emplace_back(names.substr(at, end - at));
    at = end + 1;
  }
  return SoundOf(notes);
}

struct SpellingRow {
  const char* typed;
  const char* classic;   // notes, bass first, in the program's own notation
  const char* standard;  // the same with the standard-notation option
};

TEST(ChordSpelling, readsTheStandardSpellingsAsTheirNotes) {
  const SpellingRow rows[] = {
      // Roots: lowercase letters and the sharp and flat signs.
      {"a", "A C# E", "A C# E"},
      {"bb7", "Bb D F Ab", "Bb D F Ab"},
      {"C\xE2\x99\xAFm", "C# E G#", "C# E G#"},
      {"E\xE2\x99\xAD", "Eb G Bb", "Eb G Bb"},
      // Major seventh, in every usual spelling.
      {"Cmaj7", "C E G B", "C E G B"},
      {"CMaj7", "C E G B", "C E G B"},
      {"Cma7", "C E G B", "C E G B"},
      {"CM7", "C E G B", "C E G B"},
      {"C\xCE\x94", "C E G B", "C E G B"},
      {"C\xCE\x94"
       "7",
       "C E G B", "C E G B"},
      {"C\xE2\x96\xB3"
       "7",
       "C E G B", "C E G B"},
      {"C^7", "C E G B", "C E G B"},
      {"C7M", "C E G B", "C E G B"},
      {"Cmaj9", "C E G B D", "C E G B D"},
      {"Cmaj13", "C E G B A", "C E G B D A"},
      {"Cmaj", "C E G", "C E G"},
      // Minor.
      {"Cmin7", "C D# G A#", "C D# G A#"},
      {"C-7", "C D# G A#", "C D# G A#"},
      {"C\xE2\x88\x92"
       "7",
       "C D# G A#", "C D# G A#"},
      {"Cmi", "C D# G", "C D# G"},
      {"C-", "C D# G", "C D# G"},
      // Minor-major.
      {"CmM7", "C D# G B", "C D# G B"},
      {"Cmmaj7", "C D# G B", "C D# G B"},
      {"Cm(maj7)", "C D# G B", "C D# G B"},
      {"Cm\xCE\x94"
       "7",
       "C D# G B", "C D# G B"},
      {"C-\xCE\x94"
       "7",
       "C D# G B", "C D# G B"},
      {"Cminmaj7", "C D# G B", "C D# G B"},
      {"CmM9", "C D# G B D", "C D# G B D"},
      // Half-diminished and diminished.
      {"C\xC3\xB8", "C D# F# A#", "C D# F# A#"},
      {"C\xC3\xB8"
       "7",
       "C D# F# A#", "C D# F# A#"},
      {"Cm7b5", "C D# F# A#", "C D# F# A#"},
      {"Cm7(b5)", "C D# F# A#", "C D# F# A#"},
      {"F#m7b5", "F# A C E", "F# A C E"},
      {"C-7b5", "C D# F# A#", "C D# F# A#"},
      {"Cmin7b5", "C D# F# A#", "C D# F# A#"},
      {"Cdim7", "C D# F# A", "C D# F# A"},
      {"C\xC2\xB0"
       "7",
       "C D# F# A", "C D# F# A"},
      {"Co7", "C D# F# A", "C D# F# A"},
      {"Cdim", "C D# F# A", "C D# F#"},
      {"C\xC2\xB0", "C D# F# A", "C D# F#"},
      {"Co", "C D# F# A", "C D# F#"},
      // Augmented.
      {"C+", "C E G#", "C E G#"},
      {"C7#5", "C E G# A#", "C E G# A#"},
      {"C+7", "C E G# A#", "C E G# A#"},
      {"Caug7", "C E G# A#", "C E G# A#"},
      {"C+M7", "C E G# B", "C E G# B"},
      {"Cmaj7#5", "C E G# B", "C E G# B"},
      // Alterations, in a word or in parentheses.
      {"E7#9", "E G# B D G", "E G# B D G"},
      {"C7b9#9", "C E G A# D# C#", "C E G A# D# C#"},
      {"C7(#11)", "C E G A# F#", "C E G A# F#"},
      {"C7+9", "C E G A# D#", "C E G A# D#"},
      {"C7-9", "C E G A# C#", "C E G A# C#"},
      {"C13b9", "C E G A C#", "C E G A# A C#"},
      {"C9#11", "C E G D F#", "C E G A# D F#"},
      // Suspensions and additions.
      {"Csus", "C G F", "C G F"},
      {"C7sus", "C G F A#", "C G F A#"},
      {"C7sus4", "C G F A#", "C G F A#"},
      {"C9sus4", "C G F D", "C G F A# D"},
      {"Csus2", "C G D", "C G D"},
      {"Cadd2", "C E G D", "C E G D"},
      {"Cadd9", "C E G D", "C E G D"},
      {"C6/9", "C E G A D", "C E G A D"},
      {"C69", "C E G A D", "C E G A D"},
      {"C6add9", "C E G A D", "C E G A D"},
      {"C(add9)", "C E G D", "C E G D"},
      {"Cmadd9", "C D# G D", "C D# G D"},
      {"Cm(add9)", "C D# G D", "C D# G D"},
      {"C5", "C G", "C G"},
      // Where the notations differ, the program's own reading is the default.
      {"C9", "C E G D", "C E G A# D"},
      {"C11", "C E G F", "C E G A# D F"},
      {"C13", "C E G A", "C E G A# D A"},
      {"Cm9", "C D# G D", "C D# G A# D"},
      {"Cm11", "C D# G F", "C D# G A# D F"},
      // Slash chords keep their bass.
      {"Cmaj7/G", "G C E B", "G C E B"},
      {"C/E\xE2\x99\xAD", "Eb C E G", "Eb C E G"},
      {"Am7/G", "G A C E", "G A C E"},
  };
  for (const SpellingRow& row : rows) {
    EXPECT_EQ(Notes(row.typed, ChordNotation::Classic), Sound(row.classic)) << row.typed;
    EXPECT_EQ(Notes(row.typed, ChordNotation::Standard), Sound(row.standard))
        << row.typed << " standard";
    EXPECT_TRUE(Read(row.typed, ChordNotation::Classic).report.unrecognised.empty()) << row.typed;
  }
}

TEST(ChordSpelling, echoesTheChordInTheProgramsOwnWords) {
  EXPECT_EQ(Read("Cmaj7", ChordNotation::Classic).entry.state.chordSymbol, "C7+ ");
  EXPECT_EQ(Read("F#m7b5", ChordNotation::Classic).entry.state.chordSymbol, "F#m/7/b5 ");
  EXPECT_EQ(Read("E7#9", ChordNotation::Classic).entry.state.chordSymbol, "E7/9+ ");
  EXPECT_EQ(Read("C9", ChordNotation::Standard).entry.state.chordSymbol, "C7/9 ");
  EXPECT_EQ(RespellChordSymbol("Cmaj7/G", ChordNotation::Classic), "C7+/G");
}

// Texts made only of the check list's own words, with the separators and
// the bass as anyone might type them.
std::string OwnWordsText(std::mt19937& random) {
  static const char* const kRoots[] = {"C",  "C#", "Db", "D", "Eb", "E", "F",  "F#",
                                       "Gb", "G",  "Ab", "A", "Bb", "B", "Cb", "Fb"};
  std::uniform_int_distribution<int> pick(0, 1 << 20);
  std::string text = kRoots[pick(random) % std::size(kRoots)];
  int words = pick(random) % 5;
  for (int i = 0; i < words; ++i) {
    if (i > 0 || pick(random) % 2)
      text += kSymbolSeparators[pick(random) % kSymbolSeparators.size()];
    text += kDegreeItems[pick(random) % kDegreeItemCount].text;
  }
  if (pick(random) % 3 == 0) text += std::string("/") + kRoots[pick(random) % std::size(kRoots)];
  return text;
}

TEST(ChordSpelling, leavesEveryTextOfTheProgramsOwnWordsReadExactlyAsBefore) {
  std::mt19937 random(20261208);
  for (int sample = 0; sample < 20000; ++sample) {
    std::string text = OwnWordsText(random);
    ChordEntry before;
    ReadChordSymbol(before, text);
    ChordEntry after;
    ReadTypedChord(after, text, ChordNotation::Classic);
    ASSERT_EQ(after.state.chordSymbol, before.state.chordSymbol) << text;
    ASSERT_EQ(after.state.ticked, before.state.ticked) << text;
    ASSERT_EQ(after.state.chordFormula, before.state.chordFormula) << text;
    ASSERT_EQ(after.state.typeName, before.state.typeName) << text;
    ASSERT_EQ(after.state.rootPitchClass, before.state.rootPitchClass) << text;
    ASSERT_EQ(after.state.bassPitchClass, before.state.bassPitchClass) << text;
    ASSERT_EQ(after.state.rootGridNames, before.state.rootGridNames) << text;
    ASSERT_EQ(after.state.bassGridNames, before.state.bassGridNames) << text;
  }
}

TEST(ChordSpelling, keepsEveryCatalogueTypeReadAsItsFormula) {
  for (const ChordType& type : kChordCatalogue) {
    std::string name(TrimBlanks(type.name));
    Reading reading = Read("C" + std::string(name), ChordNotation::Classic);
    EXPECT_TRUE(reading.report.unrecognised.empty()) << name;
  }
}

TEST(ChordSpelling, reportsEveryWordItDoesNotUse) {
  using Words = std::vector<std::string>;
  EXPECT_EQ(Read("C7xyz", ChordNotation::Classic).report.unrecognised, Words{"xyz"});
  EXPECT_EQ(Read("Cxyz/E", ChordNotation::Classic).report.unrecognised, Words{"xyz"});
  EXPECT_EQ(Read("C foo bar 7", ChordNotation::Classic).report.unrecognised, (Words{"foo", "bar"}));
  EXPECT_EQ(Read("E#&", ChordNotation::Classic).report.unrecognised, Words{"&"});
  EXPECT_TRUE(Read("C/E", ChordNotation::Classic).report.unrecognised.empty());

  Reading hello = Read("hello", ChordNotation::Classic);
  EXPECT_FALSE(hello.report.namesRoot);
  EXPECT_EQ(hello.report.unrecognised, Words{"hello"});
  EXPECT_FALSE(Read("", ChordNotation::Classic).report.namesRoot);
  EXPECT_TRUE(Read("Cm", ChordNotation::Classic).report.namesRoot);
}

TEST(ChordSpelling, readsCharactersNotBytes) {
  // A multi-byte first character is one passed-over character: no root,
  // the bass C, and the echo keeps the character whole.
  Reading accented = Read(
      "\xC3\xA9"
      "C",
      ChordNotation::Classic);
  EXPECT_EQ(accented.entry.state.rootPitchClass, kNoPitchClass);
  EXPECT_EQ(accented.entry.state.bassPitchClass, 0);
  EXPECT_EQ(accented.entry.state.chordSymbol, "\xC3\xA9/C");
  // With no spelling step, "♯7" still keeps its 7 as a word.
  ChordEntry sharpSeven;
  ReadChordSymbol(sharpSeven,
                  "\xE2\x99\xAF"
                  "7");
  EXPECT_EQ(sharpSeven.state.chordFormula, "00 04 07 10");
}

TEST(ChordSpelling, writesAFlatWordAfterALeadingSlashWithItsOwnSlash) {
  ChordEntry entry;
  ReadChordSymbol(entry, "/b9");
  EXPECT_EQ(entry.state.chordSymbol, "//b9 ");
  ReadChordSymbol(entry, "Cm/b5");
  EXPECT_EQ(entry.state.chordSymbol, "Cm/b5 ");
}

TEST(ChordSpelling, acceptsAnyTextInLinearTime) {
  std::string huge;
  for (int i = 0; i < 50000; ++i) huge += "maj7#9\xE2\x99\xAF\xCE\x94-+b";
  Reading reading = Read("C" + huge, ChordNotation::Standard);
  EXPECT_TRUE(reading.report.namesRoot);
  std::string binary("c\0\xff\xCE/\xE2\x99", 7);
  Read(binary, ChordNotation::Classic);
  Read(binary, ChordNotation::Standard);
}

}  // namespace
}  // namespace corvanta
