// Chord symbols as other chord libraries and printed fake books write them:
// what each family of spellings must sound, and that no written degree is
// ever lost without the reader saying so.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "chord_entry/entry_chord.h"
#include "symbols/chord_fitting.h"
#include "symbols/symbol_query.h"
#include "symbols/symbol_words.h"
#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

using PitchSet = std::set<int>;

// The pitch classes the search is asked for: the chord and its bass.
PitchSet Sounding(const ChordEntryState& state) {
  PitchSet sounding{state.bassPitchClass};
  for (int offset : FormulaOffsets(TrimBlanks(state.chordFormula)))
    sounding.insert(WrapPitchClass(state.rootPitchClass + offset));
  return sounding;
}

PitchSet NoteSet(std::string_view names) {
  PitchSet set;
  std::size_t at = 0;
  while (at < names.size()) {
    std::size_t end = names.find(' ', at);
    if (end == std::string_view::npos) end = names.size();
    set.insert(PitchClassOfName(names.substr(at, end - at)));
    at = end + 1;
  }
  return set;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : ",") + word;
  return text;
}

struct FamilyRow {
  const char* typed;
  const char* notes;    // every pitch class that sounds, bass included
  const char* omitted;  // degrees reported left out, comma-separated
};

void ExpectRows(std::initializer_list<FamilyRow> rows, ChordNotation notation) {
  for (const FamilyRow& row : rows) {
    ChordEntry entry;
    SymbolReading reading = ReadTypedChord(entry, row.typed, notation);
    EXPECT_EQ(Sounding(entry.state), NoteSet(row.notes)) << row.typed;
    EXPECT_EQ(Joined(reading.omitted), row.omitted) << row.typed;
    EXPECT_TRUE(reading.unrecognised.empty()) << row.typed << ": " << reading.unrecognised[0];
    EXPECT_EQ(reading.tooManyNotes, 0) << row.typed;
  }
}

TEST(SymbolFamilies, capitalSpellingsOfPrintedFakeBooks) {
  ExpectRows({{"CMA7", "C E G B", ""},
              {"CMAJ7", "C E G B", ""},
              {"CMI", "C Eb G", ""},
              {"CMI7", "C Eb G Bb", ""},
              {"CMIN9", "C Eb G Bb D", ""},
              {"CMA9", "C E G B D", ""},
              {"C7SUS", "C F G Bb", ""},
              {"CSUS4", "C F G", ""},
              {"CADD9", "C E G D", ""},
              {"CDIM7", "C Eb Gb A", ""},
              {"CAUG", "C E G#", ""},
              {"CM", "C E G", ""}},  // a capital M alone: major, never minor
             ChordNotation::Standard);
}

TEST(SymbolFamilies, parenthesesListsBlanksAndAlterationsAfterExtensions) {
  ExpectRows({{"C(add 9)", "C E G D", ""},
              {"C7(b9 #11)", "C E G Bb Db F#", ""},
              {"C7(b9, #11)", "C E G Bb Db F#", ""},
              {"C13(b9,#11)", "C E Bb Db F# A", "5"},
              {"C13(b9)", "C E G Bb Db A", ""},  // the altered ninth replaces the ninth
              {"C9(#11)", "C E G Bb D F#", ""},
              {"C(#5)9", "C E G# Bb D", ""},  // a 9 after the alteration keeps its seventh
              {"D#9+", "D# G B C# F", ""},    // a ninth chord with a raised fifth
              {"Bdim9", "B D F Ab C#", ""},
              {"G\xC3\xB8"
               "13",
               "G Bb Db F A E", ""},
              {"C-5", "C E Gb", ""},  // the flat fifth, not a minor power chord
              {"C+11", "C E G F#", ""},
              {"C-7", "C Eb G Bb", ""}},  // "-" before any other number is still minor
             ChordNotation::Standard);
}

TEST(SymbolFamilies, omitAltDomAndHalfDiminished) {
  ExpectRows({{"C(omit3)", "C G", "3"},
              {"C(no3)", "C G", "3"},
              {"Cadd9(no3)", "C G D", "3"},
              {"C7(omit 5)", "C E Bb", "5"},
              {"Cmaj7(omit3)", "C G B", "3"},
              {"C9(no root)/E", "E G Bb D", "root"},
              {"C7alt", "C E Bb Db D# Ab", "5"},
              {"Calt", "C E Bb Db D# Ab", "5"},
              {"Cdom7", "C E G Bb", ""},
              {"Cdom9", "C E G Bb D", ""},
              {"Ch7", "C Eb Gb Bb", ""},
              {"Ch", "C Eb Gb Bb", ""}},
             ChordNotation::Standard);
  // Without another bass there is no root to leave out: said, not done.
  ChordEntry entry;
  SymbolReading rootless = ReadTypedChord(entry, "C9(no root)", ChordNotation::Standard);
  EXPECT_EQ(rootless.unrecognised, std::vector<std::string>{"no root"});  // as typed
  EXPECT_TRUE(Sounding(entry.state).contains(0));
}

// A list after omit or no leaves out every degree it names; a degree the
// reader cannot leave out is reported as typed, never kept in silence nor
// read as a chord word (the 5 of "omit3,5" is no power chord).
TEST(SymbolFamilies, omitListsLeaveOutEveryDegreeListed) {
  ExpectRows({{"C(omit3,5)", "C", "3,5"},
              {"C(omit 3, 5)", "C", "3,5"},
              {"C9(omit 3 5)", "C Bb D", "3,5"},
              {"Cmaj7(no 3 5)", "C B", "3,5"},
              {"Cmaj7(no3,no5)", "C B", "3,5"},
              {"C7(omit 5 3)", "C Bb", "3,5"},
              {"C9(no 3 root)/E", "E G Bb D", "3,root"},
              {"C7(omit 5)/G", "G C E Bb", "5"}},
             ChordNotation::Standard);
  const std::vector<std::pair<std::string, std::vector<std::string>>> refused{
      {"C7(omit 13)", {"13"}},     // not "omit 1" and a stray 3
      {"C7(omit13)", {"omit13"}},  // as typed, the blank left out
      {"C(omit root)", {"omit root"}}, {"C9(no root)", {"no root"}},
      {"C7(omit 5 9)", {"9"}},  // the 5 left out, the 9 said so
      {"C(omit)", {"omit"}},
  };
  for (const auto& [typed, unrecognised] : refused) {
    ChordEntry entry;
    SymbolReading reading = ReadTypedChord(entry, typed, ChordNotation::Standard);
    EXPECT_EQ(reading.unrecognised, unrecognised) << typed;
  }
  ChordEntry entry;
  ReadTypedChord(entry, "C7(omit 13)", ChordNotation::Standard);
  EXPECT_EQ(Sounding(entry.state), NoteSet("C E G Bb")) << "nothing else changes";
  ReadTypedChord(entry, "C7(omit 5 9)", ChordNotation::Standard);
  EXPECT_EQ(Sounding(entry.state), NoteSet("C E Bb"));
}

TEST(SymbolFamilies, doubleAccidentalsAndTheRootsBSharpCFlatESharpFFlat) {
  ExpectRows({{"Cbb", "Bb D F", ""},
              {"C##m", "D F A", ""},
              {"Fx7", "G B D F", ""},
              {"D\xF0\x9D\x84\xAB", "C E G", ""},
              {"B#", "C E G", ""},
              {"B#7", "C E G Bb", ""},
              {"Cb", "B D# F#", ""},
              {"E#m", "F Ab C", ""},
              {"Fb", "E G# B", ""},
              {"C/Ebb", "D C E G", ""},
              {"Am/B#", "C A E", ""}},
             ChordNotation::Standard);
  // The check list's own "b" words glued to a flat root stay as they are.
  ChordEntry entry;
  ReadTypedChord(entry, "Gbb6", ChordNotation::Classic);
  EXPECT_EQ(entry.state.rootPitchClass, 6);
  EXPECT_EQ(entry.state.chordFormula, "00 04 07 08");
}

TEST(SymbolFamilies, noChordIsNothingToPlay) {
  for (const char* text : {"N.C.", "NC", "n.c.", "N/C", " N.C. "}) {
    ChordEntry entry;
    SymbolReading reading = ReadTypedChord(entry, text, ChordNotation::Classic);
    EXPECT_TRUE(reading.noChord) << text;
    EXPECT_FALSE(reading.namesRoot) << text;
    EXPECT_EQ(entry.state.rootPitchClass, kNoPitchClass) << text;
    EXPECT_EQ(entry.state.bassPitchClass, kNoPitchClass) << text;
    EXPECT_TRUE(ChordNoteNames(entry.state).empty()) << text;
  }
  ChordEntry entry;
  EXPECT_FALSE(ReadTypedChord(entry, "NCx", ChordNotation::Classic).noChord);
}

TEST(SymbolFamilies, moreThanSixNotesLeaveOutTonesAsPlayersDo) {
  ExpectRows({{"C13(#11)", "C E Bb D F# A", "5"},                 // the 13 stays, the fifth goes
              {"C7(b9,#9,b13)", "C E Bb Db D# Ab", "5"},          // Ab stays, G goes
              {"C13(#11)/Ab", "Ab C E Bb F# A", "5,9"},           // then the ninth the 13 implies
              {"C13(9,#11)/Ab", "Ab C E Bb D A", "5,#11"},        // a written ninth stays
              {"C7(b9,9,#9)/Ab", "Ab C E Bb Db D#", "5,9"},       // then the plain ninth
              {"C7(b9,#9,#11)/A", "A E Bb Db D# F#", "5,root"}},  // then the root
             ChordNotation::Standard);
  // The program's own words are read as the check list reads them; the
  // degree refused at the limit is now reported.
  ChordEntry own;
  SymbolReading reading = ReadTypedChord(own, "C7/9/11/13", ChordNotation::Classic);
  EXPECT_EQ(own.state.chordFormula, "00 04 07 10 02 05");
  EXPECT_EQ(reading.omitted, std::vector<std::string>{"13"});
  // Seven notes none of which players leave out: refused, the entry kept.
  ChordEntry kept;
  ReadTypedChord(kept, "Am", ChordNotation::Standard);
  const ChordEntryState before = kept.state;
  SymbolReading refused = ReadTypedChord(kept, "C7(b9,#9,11,#11)", ChordNotation::Standard);
  EXPECT_EQ(refused.tooManyNotes, 7);
  EXPECT_EQ(refused.searches, 0);
  EXPECT_EQ(kept.state.chordFormula, before.chordFormula);
  EXPECT_EQ(kept.state.chordSymbol, before.chordSymbol);
}

TEST(SymbolFamilies, extensionsImplyTheirSeventhWhereverTheyStand) {
  ExpectRows({{"C(#9)13b9", "C E Bb Db D# A", "5"},  // 13 after other words: C13(b9,#9)
              {"C(b5)9", "C E Gb Bb D", ""},
              {"Csus4(add3)", "C E F G", ""},
              {"C(b9)11", "C E G Bb Db F", ""}},
             ChordNotation::Standard);
}

TEST(SymbolFamilies, dottedAndReversedSpellings) {
  ExpectRows({{"Cdim.7", "C Eb Gb A", ""},
              {"Cdim.", "C Eb Gb", ""},
              {"C9/6", "C E G A D", ""},  // the 6/9 chord, not a 13
              {"C6/9", "C E G A D", ""},
              {"C74", "C F G Bb", ""},  // 7sus4
              {"C7/4", "C F G Bb", ""}},
             ChordNotation::Standard);
}

TEST(SymbolFamilies, handWrittenSpellings) {
  ExpectRows({{"Cmajadd9", "C E G D", ""},
              {"Gmajadd9", "G B D A", ""},
              {"CMadd9", "C E G D", ""},
              {"C-#5", "C Eb G#", ""},
              {"C7aug", "C E G# Bb", ""},
              {"CM7+", "C E G# B", ""},
              {"C/e", "E C G", ""},
              {"Am7/g", "G A C E", ""},
              {"EoM7", "E G Bb D#", ""},
              {"Csus2add3", "C D E G", ""}},
             ChordNotation::Standard);
}

TEST(SymbolFamilies, qualityWordsInAnyOrder) {
  ExpectRows({{"C7sus4add9", "C F G Bb D", ""},
              {"Csus4add9", "C F G D", ""},
              {"Cadd9sus4", "C F G D", ""},
              {"Csus47", "C F G Bb", ""},
              {"Cmadd9", "C Eb G D", ""},
              {"Cminadd9", "C Eb G D", ""},
              {"Cmaj7sus4", "C F G B", ""},
              {"Cm7omit5", "C Eb Bb", "5"},
              {"C7altsus4", "C F Bb Db D# Ab", "5"},
              {"Caugmaj7", "C E G# B", ""},
              {"Cmaj7aug", "C E G# B", ""},
              {"Cdimmaj7", "C Eb Gb B", ""}},
             ChordNotation::Standard);
}

// Spellings other libraries read differently: read the common way, and
// the reading says which.
TEST(SymbolFamilies, ambiguousSpellingsAreReadTheCommonWayAndSaidSo) {
  struct Row {
    const char* typed;
    const char* notes;
    const char* taken;
  };
  const Row rows[] = {{"C9/6", "C E G A D", "9/6 as 6/9"},
                      {"Csus9", "C F G Bb D", "sus9 as 9sus4"},
                      {"C-11", "C Eb G Bb D F", "-11 as m11"}};
  for (const Row& row : rows) {
    ChordEntry entry;
    SymbolReading reading = ReadTypedChord(entry, row.typed, ChordNotation::Standard);
    EXPECT_EQ(Sounding(entry.state), NoteSet(row.notes)) << row.typed;
    EXPECT_EQ(reading.ambiguous, std::vector<std::string>{row.taken}) << row.typed;
  }
  ChordEntry plain;
  EXPECT_TRUE(ReadTypedChord(plain, "C6/9", ChordNotation::Standard).ambiguous.empty());
  // The program's own words are its own: "sus9" is its suspended second.
  ChordEntry own;
  EXPECT_TRUE(ReadTypedChord(own, "Csus9", ChordNotation::Classic).ambiguous.empty());
  EXPECT_EQ(Sounding(own.state), NoteSet("C D G"));
}

TEST(SymbolFamilies, aWordUsedForNothingIsReportedNotTakenAsTheBass) {
  ChordEntry entry;
  SymbolReading reading = ReadTypedChord(entry, "Gm11A", ChordNotation::Standard);
  EXPECT_EQ(reading.unrecognised, std::vector<std::string>{"A"});
  EXPECT_EQ(entry.state.bassPitchClass, 7);
  ChordEntry words;
  EXPECT_EQ(ReadTypedChord(words, "C7zap foo", ChordNotation::Standard).unrecognised,
            (std::vector<std::string>{"zap", "foo"}));
}

// The property: over generated symbols of up to eight written degrees, every
// written degree sounds, or is reported left out, or the chord is refused.
struct Degree {
  const char* written;
  int semitones;
};

constexpr Degree kWrittenDegrees[] = {
    {"b9", 1}, {"9", 2},  {"#9", 3}, {"11", 5},   {"#11", 6}, {"b13", 8},
    {"13", 9}, {"b5", 6}, {"#5", 8}, {"add9", 2}, {"6", 9},
};

// The semitones above the root of a reported degree: a name the fitting
// gives, or a check-list word refused at the limit. A tone reported under
// another name of the same sound (#11 for a written b5) is reported.
int ReportedSemitones(const std::string& name) {
  static const std::pair<const char*, int> kFittingNames[] = {{"5", 7},   {"11", 5}, {"#11", 6},
                                                              {"b11", 4}, {"9", 2},  {"root", 0}};
  for (auto [fitted, semitones] : kFittingNames) {
    if (name == fitted) return semitones;
  }
  int item = DegreeItemExactly(name);
  if (item < 0) return -1;
  std::string_view code = kDegreeItems[item].code;
  return std::stoi(std::string(code.substr(code.size() - 2)));
}

constexpr const char* kQualities[] = {"", "7", "maj7", "m", "m7", "9", "13", "7sus4", "dim7"};
constexpr const char* kBasses[] = {"", "/E", "/Ab", "/A", "/B"};

TEST(SymbolFamilies, noWrittenDegreeIsLostWithoutBeingReported) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> pick(0, 1 << 20);
  for (int sample = 0; sample < 5000; ++sample) {
    std::string text = std::string("C") + kQualities[pick(random) % std::size(kQualities)];
    std::vector<const Degree*> written;
    int count = pick(random) % 9;
    for (int i = 0; i < count; ++i)
      written.push_back(&kWrittenDegrees[pick(random) % std::size(kWrittenDegrees)]);
    if (!written.empty()) {
      text += "(";
      for (std::size_t i = 0; i < written.size(); ++i)
        text += (i > 0 ? "," : "") + std::string(written[i]->written);
      text += ")";
    }
    text += kBasses[pick(random) % std::size(kBasses)];

    ChordEntry entry;
    SymbolReading reading = ReadTypedChord(entry, text, ChordNotation::Standard);
    ASSERT_TRUE(reading.unrecognised.empty()) << text;
    if (reading.tooManyNotes > 0) continue;  // refused and said so
    const PitchSet sounding = Sounding(entry.state);
    ASSERT_LE(static_cast<int>(sounding.size()), kMostChordNotes) << text;
    for (const Degree* degree : written) {
      bool sounds = sounding.contains(degree->semitones);
      bool reported = std::any_of(
          reading.omitted.begin(), reading.omitted.end(),
          [&](const std::string& name) { return ReportedSemitones(name) == degree->semitones; });
      ASSERT_TRUE(sounds || reported) << text << " loses " << degree->written;
    }
  }
}

}  // namespace
}  // namespace corvanta
