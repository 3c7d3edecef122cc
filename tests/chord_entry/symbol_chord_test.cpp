// The typed-symbol reader that makes a Chord directly, against the reading
// through the chord controls' state it replaced: the same Chord, the same
// report, and the same controls when the window shows it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "chord_entry/entry_chord.h"
#include "reference_entry_reading.h"
#include "symbols/symbol_query.h"
#include "theory/catalogue.h"
#include "theory/degree_codes.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

constexpr ChordNotation kNotations[] = {ChordNotation::Classic, ChordNotation::Standard};

// Every note name a root or bass is typed with: the sharps and the flats.
std::vector<std::string> NoteSpellings() {
  std::vector<std::string> names;
  for (std::string_view name : kSharpNoteNames) names.emplace_back(name);
  for (int row : kBlackKeyRows) names.emplace_back(kFlatNoteNames[row]);
  return names;
}

// The chord type names of the catalogue and the check list's words, each
// once, and the standard spellings players type most.
std::vector<std::string> TypeWords() {
  std::vector<std::string> types;
  for (const ChordType& type : kChordCatalogue) types.emplace_back(TrimBlanks(type.name));
  for (const DegreeItem& item : kDegreeItems) types.emplace_back(item.text);
  for (const char* standard :
       {"maj7", "m7b5", "7#9", "13(#11)", "7(b9,#9,11,#11)", "9sus4", "6/9", "m(maj7)", "7alt",
        "add9(no3)", "11", "13", "(no5)", "dim7", "ø7", "Δ", "5", "N.C.", "mMaj9"})
    types.emplace_back(standard);
  return types;
}

void ExpectSameReading(const SymbolReading& direct, const SymbolReading& plain) {
  EXPECT_EQ(direct.searches, plain.searches);
  EXPECT_EQ(direct.unrecognised, plain.unrecognised);
  EXPECT_EQ(direct.namesRoot, plain.namesRoot);
  EXPECT_EQ(direct.omitted, plain.omitted);
  EXPECT_EQ(direct.ambiguous, plain.ambiguous);
  EXPECT_EQ(direct.noChord, plain.noChord);
  EXPECT_EQ(direct.tooManyNotes, plain.tooManyNotes);
}

// A window that has been used: flat grids, a slash chord entered by
// clicks, options changed. Showing a symbol must leave it as the reference
// leaves it, whatever each path keeps of the old state.
ChordEntry UsedEntry() {
  ChordEntry entry;
  entry.ShowRootAs(Accidentals::Flats);
  entry.ShowBassAs(Accidentals::Flats);
  entry.ChooseRoot(10);
  entry.ChooseBass(3);
  entry.ToggleDegree(15);
  entry.ToggleDegree(18);
  entry.SetOmitFifth(true);
  entry.SetSpan(3);
  return entry;
}

void ExpectBothPathsAgree(const std::string& text, ChordNotation notation) {
  SCOPED_TRACE(text + (notation == ChordNotation::Classic ? " (classic)" : " (standard)"));
  const SymbolChord direct = ChordOfSymbol(text, notation);
  ChordEntry fresh;
  const SymbolReading plain = reference::ReadTypedChord(fresh, text, notation);
  EXPECT_EQ(direct.chord, ChordOfEntry(fresh.state));
  ExpectSameReading(direct.reading, plain);

  for (ChordEntry start : {ChordEntry{}, UsedEntry()}) {
    ChordEntry shown = start;
    ChordEntry referenced = start;
    ExpectSameReading(ShowSymbol(shown, direct),
                      reference::ReadTypedChord(referenced, text, notation));
    EXPECT_TRUE(shown.state == referenced.state);
  }
}

TEST(SymbolChord, everyCatalogueTypeOnEveryRootAndBassReadsAsThroughTheEntry) {
  const std::vector<std::string> notes = NoteSpellings();
  const std::vector<std::string> types = TypeWords();
  for (ChordNotation notation : kNotations) {
    for (const std::string& type : types) {
      for (const std::string& root : notes) {
        ExpectBothPathsAgree(root + type, notation);
        for (const std::string& bass : notes)
          ExpectBothPathsAgree(root + type + "/" + bass, notation);
      }
      ASSERT_FALSE(testing::Test::HasFailure()) << "first failing type: " << type;
    }
  }
}

// Texts no list foresees: rootless, refused, glued, repeated, raw bytes.
TEST(SymbolChord, randomTextsReadAsThroughTheEntry) {
  static const char* pieces[] = {
      "C",    "C#",   "Db",   "m",    "7",   "9",   "11",   "13",       "/",    " ",    "b5", "b9",
      "#9",   "sus4", "sus2", "add9", "dim", "aug", "+",    "-",        "(",    ")",    ",",  "no",
      "omit", "E",    "Bb",   "M",    "maj", "5",   "6",    "\xC2\xBA", "N.C.", "\xBA", "♯",  "♭",
      "ø",    "Δ",    "root", "#11",  "alt", "x",   "\xC3", "9/6",      "13-"};
  std::mt19937 random(4920);
  std::uniform_int_distribution<int> count(0, 9);
  std::uniform_int_distribution<int> piece(0, static_cast<int>(std::size(pieces)) - 1);
  for (int round = 0; round < 6000; ++round) {
    std::string text;
    for (int n = count(random); n > 0; --n) text += pieces[piece(random)];
    ExpectBothPathsAgree(text, kNotations[round % 2]);
    ASSERT_FALSE(testing::Test::HasFailure());
  }
}

TEST(SymbolChord, ownWordsReadAsThroughTheEntry) {
  for (const char* text : {"C#m7/G#", "Bbsus4", "C/b9", "Cm/b5", "/b9", "C7/9/11/13/E", "xyz",
                           "Am7 G", "C/5-/9+", "", "Db6/Ab", "C\xC2\xBA/Gb"}) {
    SCOPED_TRACE(text);
    const SymbolChord direct = ReadOwnWords(text);
    ChordEntry fresh;
    ExpectSameReading(direct.reading, reference::ReadChordSymbol(fresh, text));
    EXPECT_EQ(direct.chord, ChordOfEntry(fresh.state));
    ChordEntry shown = UsedEntry();
    ChordEntry referenced = UsedEntry();
    ShowSymbol(shown, direct);
    reference::ReadChordSymbol(referenced, text);
    EXPECT_TRUE(shown.state == referenced.state);
  }
}

// A chord refused for its notes is the default chord, and the controls
// keep what they showed.
TEST(SymbolChord, aRefusedChordChangesNothing) {
  const SymbolChord refused = ChordOfSymbol("C7(b9,#9,11,#11)", ChordNotation::Standard);
  ASSERT_EQ(refused.reading.tooManyNotes, 7);
  EXPECT_EQ(refused.reading.searches, 0);
  EXPECT_EQ(refused.chord, Chord{});
  ChordEntry entry = UsedEntry();
  const ChordEntryState before = entry.state;
  ShowSymbol(entry, refused);
  EXPECT_TRUE(entry.state == before);
}

}  // namespace
}  // namespace corvanta
