// The name a musician would say: real shapes and the name they are
// published under, which the best reading must equal.
#include <gtest/gtest.h>

#include <set>

#include "chord_entry/entry_chord.h"
#include "keyed_fingering.h"
#include "session/placed_fingering.h"
#include "symbols/chord_readings.h"
#include "symbols/reading_text.h"
#include "symbols/symbol_query.h"
#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

// Shapes in key values, low E to high E: x muted.
using Frets = std::array<int, 6>;

struct Shape {
  Frets frets;
  const char* name;
};

std::string BestName(const Frets& frets, ChordNotation notation = ChordNotation::Standard) {
  SoundingNotes notes =
      NotesOnInstrument(Keyed({frets.begin(), frets.end()}), *FindInstrument("guitar"));
  std::vector<ChordReading> readings = ReadChord(notes.pitchClasses, notes.bass);
  return readings.empty() ? "" : WriteReading(readings.front(), notation);
}

constexpr int x = kMuted;

// Players of instruments with no bass string name the chord, not the
// inversion their tuning happens to sound; the inversion reads second.
TEST(BestName, namesTheChordNotItsInversionWhereAnyStringMayBeLowest) {
  struct Played {
    const char* instrument;
    std::vector<int> frets;
    const char* name;
    const char* second;  // the reading over the lowest pitch, or "" when it is the name
  };
  const Played shapes[] = {
      {"ukulele", {2, 0, 1, 0}, "F", "F/C"},       {"ukulele", {0, 0, 0, 3}, "C", ""},
      {"ukulele", {0, 2, 3, 2}, "G", "G/D"},       {"ukulele", {2, 2, 2, 0}, "D", ""},
      {"mandolin", {0, 2, 3, 0}, "C", "C/G"},      {"mandolin", {2, 0, 0, 2}, "D", ""},
      {"charango", {2, 0, 0, 0, 0}, "Am", "Am/E"}, {"banjo", {0, 0, 0, 0, 0}, "G", "G/D"},
  };
  for (const Played& played : shapes) {
    const Instrument& instrument = *FindInstrument(played.instrument);
    const SoundingNotes notes = NotesOnInstrument(Keyed(played.frets), instrument);
    const std::vector<ChordReading> readings =
        ReadChordAsPlayed(notes.pitchClasses, notes.bass, instrument.rules.anyInversion);
    ASSERT_FALSE(readings.empty()) << played.instrument << " " << played.name;
    EXPECT_EQ(WriteReading(readings[0], ChordNotation::Standard), played.name) << played.instrument;
    if (*played.second != '\0') {
      ASSERT_GE(readings.size(), 2u);
      EXPECT_EQ(WriteReading(readings[1], ChordNotation::Standard), played.second)
          << played.instrument << " " << played.name;
    }
  }
  // On the guitar the bass names the chord as ever: x x 0 2 1 1 C-shape over D.
  const std::vector<int> dm7{kMuted, kMuted, 0, 2, 1, 1};
  const SoundingNotes guitar = NotesOnInstrument(Keyed(dm7), *FindInstrument("guitar"));
  const auto asPlayed = ReadChordAsPlayed(guitar.pitchClasses, guitar.bass, false);
  const auto plain = ReadChord(guitar.pitchClasses, guitar.bass);
  ASSERT_EQ(asPlayed.size(), plain.size());
  for (std::size_t i = 0; i < plain.size(); ++i)
    EXPECT_EQ(WriteReading(asPlayed[i], ChordNotation::Standard),
              WriteReading(plain[i], ChordNotation::Standard));
}

TEST(BestName, namesRealShapesAsTheyArePublished) {
  const Shape shapes[] = {
      // Open chords.
      {{x, 3, 2, 0, 1, 0}, "C"},
      {{3, 2, 0, 0, 0, 3}, "G"},
      {{3, 2, 0, 0, 3, 3}, "G"},
      {{x, x, 0, 2, 3, 2}, "D"},
      {{0, 2, 2, 1, 0, 0}, "E"},
      {{x, 0, 2, 2, 2, 0}, "A"},
      {{x, 0, 2, 2, 1, 0}, "Am"},
      {{0, 2, 2, 0, 0, 0}, "Em"},
      {{x, x, 0, 2, 3, 1}, "Dm"},
      {{x, 3, 2, 3, 1, 0}, "C7"},
      {{0, 2, 0, 1, 0, 0}, "E7"},
      {{x, 0, 2, 0, 2, 0}, "A7"},
      {{x, x, 0, 2, 1, 2}, "D7"},
      {{3, 2, 0, 0, 0, 1}, "G7"},
      {{x, 2, 1, 2, 0, 2}, "B7"},
      {{x, 3, 2, 0, 0, 0}, "Cmaj7"},
      {{x, x, 0, 2, 2, 2}, "Dmaj7"},
      {{x, x, 3, 2, 1, 0}, "Fmaj7"},
      {{x, 0, 2, 0, 1, 0}, "Am7"},
      {{0, 2, 2, 0, 3, 0}, "Em7"},
      {{x, x, 0, 2, 1, 1}, "Dm7"},
      // Barre shapes.
      {{1, 3, 3, 2, 1, 1}, "F"},
      {{x, 1, 3, 3, 3, 1}, "Bb"},
      {{x, 2, 4, 4, 3, 2}, "Bm"},
      {{3, 5, 5, 4, 3, 3}, "G"},
      {{x, 3, 5, 3, 5, 3}, "C7"},
      {{5, 7, 5, 5, 5, 5}, "Am7"},
      {{1, 3, 1, 2, 1, 1}, "F7"},
      {{x, 2, 3, 2, 3, x}, "Bm7b5"},
      {{x, 3, 4, 2, 4, x},
       "C\xC2\xB0"
       "7"},
      // Sus, add, sixths, power chords, augmented.
      {{x, x, 0, 2, 3, 3}, "Dsus4"},
      {{x, x, 0, 2, 3, 0}, "Dsus2"},
      {{x, 0, 2, 2, 3, 0}, "Asus4"},
      {{0, 2, 0, 2, 0, 0}, "E7sus4"},
      {{x, 3, 2, 0, 3, 0}, "Cadd9"},
      {{x, 3, 2, 2, 3, x}, "C6/9"},
      {{x, 0, 2, 2, 2, 2}, "A6"},
      {{x, 3, 5, 5, x, x}, "C5"},
      {{x, 3, 2, 1, 1, x}, "C+"},
      // Jazz and drop voicings.
      {{x, 3, 2, 4, 3, x}, "Cmaj9"},
      {{x, 3, 2, 3, 3, x}, "C9"},
      {{x, 5, 4, 5, 5, x}, "D9"},
      {{x, 7, 6, 7, 8, x}, "E7#9"},
      {{3, x, 3, 4, 5, x}, "G13"},
      {{6, x, 6, 7, 8, x}, "Bb13"},
      {{x, 3, 5, 4, 5, x}, "Cmaj7"},
      {{x, 3, 1, 3, 4, x}, "Cm7"},
      {{8, x, 8, 8, 8, x}, "Cm7"},
      {{x, 3, 2, 3, 2, x}, "C7b9"},
      {{x, 3, x, 3, 5, 4}, "C7#5"},
      {{x, 3, 4, 3, 5, x}, "C7b5"},
      {{x, x, 0, 1, 1, 1}, "Dm7b5"},
      {{x, 0, 2, 1, 1, 0}, "Am(maj7)"},
      {{0, 2, 2, 0, 3, 2}, "Em9"},
      {{x, 0, 2, 0, 3, 0}, "A7sus4"},
      {{x, 3, 1, 2, 1, x}, "Cm6"},
      {{x, 3, 2, 3, 4, x}, "C7#9"},
      {{x, 3, 4, 4, 5, x}, "Cmaj7#11"},
      // Slash chords.
      {{x, 2, 0, 0, 3, 3}, "G/B"},
      {{2, x, 0, 2, 3, 2}, "D/F#"},
      {{3, x, 2, 2, 1, 0}, "Am7/G"},
      {{0, 3, 2, 0, 1, 0}, "C/E"},
      {{3, 3, 2, 0, 1, 0}, "C/G"},
      {{x, 5, x, 5, 5, 3}, "C/D"},
      // Readings once wrong: the minor-major seventh over its fifth (not an
      // augmented chord with an eleventh), a triad over its fourth (not a
      // sus2 with a major seventh), the 6/9 over its fifth (not an m11).
      {{3, 3, 5, 4, 4, 3}, "Cm(maj7)/G"},
      {{4, x, 5, 3, 4, 3}, "Eb/Ab"},
      {{1, x, 2, 0, 1, 0}, "C/F"},
      {{3, 3, 2, 2, 3, 3}, "C6/9/G"},
  };
  int wrong = 0;
  for (const Shape& shape : shapes) {
    std::string name = BestName(shape.frets);
    EXPECT_EQ(name, shape.name) << ::testing::PrintToString(shape.frets);
    wrong += name != shape.name;
  }
  EXPECT_EQ(wrong, 0);
}

// Honest ambiguities: both readings stand first and second, in either order.
TEST(BestName, honestAmbiguitiesStandFirstAndSecond) {
  struct Row {
    const char* what;
    std::vector<int> notes;  // the bass first
    std::set<std::string> firstTwo;
  };
  const Row rows[] = {
      {"C6 or Am7/C", {0, 4, 7, 9}, {"C6", "Am7/C"}},
      {"Bb/C or C9sus4", {0, 10, 2, 5}, {"Bb/C", "C9sus4"}},
      {"D/B or Bm7", {11, 2, 6, 9}, {"D/B", "Bm7"}},
  };
  for (const Row& row : rows) {
    std::vector<ChordReading> readings = ReadChord(row.notes, row.notes.front());
    ASSERT_GE(readings.size(), 2u) << row.what;
    std::set<std::string> firstTwo{WriteReading(readings[0], ChordNotation::Standard),
                                   WriteReading(readings[1], ChordNotation::Standard)};
    EXPECT_EQ(firstTwo, row.firstTwo) << row.what;
  }
  // A diminished seventh: two of its four names, each on a note it holds.
  std::vector<ChordReading> dim = ReadChord(std::vector<int>{0, 3, 6, 9}, 0);
  ASSERT_GE(dim.size(), 2u);
  EXPECT_EQ(WriteReading(dim[0], ChordNotation::Standard),
            "C\xC2\xB0"
            "7");
  EXPECT_EQ(dim[1].seventh, SeventhKind::Diminished);
}

// Over every set of two to six pitch classes and each bass: every reading
// sounds exactly the notes given, rooted readings come before rootless ones,
// the order is by cost, and every name written reads back as those notes.
TEST(BestName, everyReadingSoundsTheNotesGivenAndReadsBack) {
  for (int mask = 1; mask < (1 << 12); mask += 7) {
    std::vector<int> notes;
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
      if (mask & (1 << pitchClass)) notes.push_back(pitchClass);
    }
    if (notes.size() < 2 || notes.size() > 6) continue;
    const std::set<int> given(notes.begin(), notes.end());
    for (int bass : notes) {
      std::vector<ChordReading> readings = ReadChord(notes, bass);
      ASSERT_FALSE(readings.empty());
      EXPECT_EQ(readings.front().bass, bass);
      bool rootless = false;
      for (std::size_t i = 0; i < readings.size(); ++i) {
        const ChordReading& reading = readings[i];
        std::set<int> sounding;
        for (int interval : reading.Intervals()) sounding.insert((reading.root + interval) % 12);
        ASSERT_EQ(sounding, given) << WriteReading(reading, ChordNotation::Standard);
        if (i > 0) {
          ASSERT_LE(readings[i - 1].cost, reading.cost);
        }
        ASSERT_TRUE(!rootless || reading.rootless) << "a rooted reading after a rootless one";
        rootless = reading.rootless;
      }
      // The best name, typed back in the standard notation, is the same chord.
      ChordEntry entry;
      std::string best = WriteReading(readings.front(), ChordNotation::Standard);
      SymbolReading read = ReadTypedChord(entry, best, ChordNotation::Standard);
      if (read.tooManyNotes > 0) continue;
      std::set<int> typed{entry.state.bassPitchClass};
      for (int offset : FormulaOffsets(TrimBlanks(entry.state.chordFormula)))
        typed.insert((entry.state.rootPitchClass + offset) % 12);
      // A name leaves a missing fifth unsaid, as players write it, and an 11
      // or 13 names the chord whether or not its ninth sounds (G13 as
      // 3x345x); read back, those tones come in, and nothing else may.
      const ChordReading& first = readings.front();
      std::set<int> expected = given;
      if (first.fifth == FifthKind::Omitted) expected.insert((first.root + 7) % 12);
      bool seventh = first.seventh == SeventhKind::Minor || first.seventh == SeventhKind::Major;
      bool upper = std::any_of(first.tensions.begin(), first.tensions.end(),
                               [](int t) { return t == 5 || t == 9; });
      if (seventh && upper) expected.insert((first.root + 2) % 12);
      for (int pitchClass : typed)
        EXPECT_TRUE(expected.contains(pitchClass)) << best << " adds " << pitchClass;
      // A tone the reading had to leave out to fit six notes is reported.
      for (int pitchClass : given)
        EXPECT_TRUE(typed.contains(pitchClass) || !read.omitted.empty())
            << best << " loses " << pitchClass;
    }
  }
}

TEST(BestName, writesTheProgramsOwnWordsInItsNotation) {
  EXPECT_EQ(BestName({x, 3, 2, 0, 0, 0}, ChordNotation::Classic), "C7+");
  EXPECT_EQ(BestName({x, 3, 2, 3, 3, x}, ChordNotation::Classic), "C7/9");
  EXPECT_EQ(BestName({x, 3, 4, 2, 4, x}, ChordNotation::Classic), "C\xC2\xBA");  // º
  EXPECT_EQ(BestName({x, 7, 6, 7, 8, x}, ChordNotation::Classic), "E7/9+");
  EXPECT_EQ(BestName({x, 2, 3, 2, 3, x}, ChordNotation::Classic), "Bm/7/b5");
  EXPECT_EQ(BestName({x, 2, 0, 0, 3, 3}, ChordNotation::Classic), "G/B");
  EXPECT_EQ(BestName({x, 3, 2, 0, 3, 0}, ChordNotation::Classic), "Cadd9");
}

}  // namespace
}  // namespace corvanta
