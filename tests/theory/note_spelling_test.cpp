// Notes spelled by the chord: each degree takes its own letter from the root.
#include "theory/note_spelling.h"

#include <gtest/gtest.h>

#include "theory/note_names.h"

namespace corvanta {
namespace {

std::string Spelled(std::string_view root, std::initializer_list<std::pair<int, int>> tones) {
  std::string text;
  for (auto [semitones, degree] : tones)
    text += (text.empty() ? "" : " ") + SpellDegree(root, semitones, degree, false);
  return text;
}

TEST(NoteSpelling, eachDegreeTakesItsOwnLetter) {
  EXPECT_EQ(Spelled("C", {{0, 1}, {3, 3}, {7, 5}}), "C Eb G");
  EXPECT_EQ(Spelled("F#", {{0, 1}, {4, 3}, {7, 5}, {10, 7}}), "F# A# C# E");
  EXPECT_EQ(Spelled("Db", {{0, 1}, {4, 3}, {7, 5}}), "Db F Ab");
  EXPECT_EQ(Spelled("Ab", {{0, 1}, {3, 3}, {7, 5}, {10, 7}}), "Ab Cb Eb Gb");
  EXPECT_EQ(Spelled("F", {{0, 1}, {3, 3}, {7, 5}, {10, 7}, {2, 9}}), "F Ab C Eb G");
  // E7#9: the #9 is F double sharp, which players read as G.
  EXPECT_EQ(Spelled("E", {{0, 1}, {4, 3}, {10, 7}, {3, 9}}), "E G# D G");
  EXPECT_EQ(Spelled("Cb", {{0, 1}, {4, 3}, {7, 5}}), "Cb Eb Gb");
  EXPECT_EQ(Spelled("C#", {{0, 1}, {4, 3}, {7, 5}}), "C# E# G#");
  // A double accidental is read as the plain note: C°7's bb7 is A, D#+'s #5 is B.
  EXPECT_EQ(Spelled("C", {{0, 1}, {3, 3}, {6, 5}, {9, 7}}), "C Eb Gb A");
  EXPECT_EQ(SpellDegree("D#", 8, 5, false), "B");
  // A root that is no plain note name gives plain names.
  EXPECT_EQ(SpellDegree("H", 4, 3, true), "E");
}

TEST(NoteSpelling, inEveryKeyTheLettersFollowTheDegreesAndTheSoundIsKept) {
  constexpr std::string_view kLetters = "CDEFGAB";
  const std::pair<int, int> chordTones[] = {{0, 1}, {4, 3},  {3, 3},  {7, 5},  {6, 5},
                                            {8, 5}, {10, 7}, {11, 7}, {9, 6},  {2, 9},
                                            {1, 9}, {5, 11}, {6, 11}, {8, 13}, {9, 13}};
  for (Accidentals accidentals : {Accidentals::Sharps, Accidentals::Flats}) {
    for (int root = 0; root < kPitchClassCount; ++root) {
      std::string_view rootName = NoteNamesFor(accidentals)[root];
      for (auto [semitones, degree] : chordTones) {
        std::string note = SpellDegree(rootName, semitones, degree, false);
        ASSERT_EQ(PitchClassOfSpelling(note), WrapPitchClass(root + semitones))
            << rootName << " +" << semitones << " = " << note;
        // Double accidentals aside, the letter is the degree's.
        std::size_t letter = kLetters.find(rootName[0]);
        char expected = kLetters[(letter + static_cast<std::size_t>(degree - 1)) % 7];
        bool plain = note.size() == 1 ||
                     note == NoteNamesFor(Accidentals::Sharps)[PitchClassOfSpelling(note)] ||
                     note == NoteNamesFor(Accidentals::Flats)[PitchClassOfSpelling(note)];
        if (note[0] != expected) {
          ASSERT_TRUE(plain) << rootName << " degree " << degree << " = " << note;
        }
      }
    }
  }
}

TEST(NoteSpelling, spelledNotesReadBackAndPreferredRoots) {
  EXPECT_EQ(PitchClassOfSpelling("E#"), 5);
  EXPECT_EQ(PitchClassOfSpelling("Cb"), 11);
  EXPECT_EQ(PitchClassOfSpelling("Fbb"), 3);
  EXPECT_EQ(PitchClassOfSpelling("H"), kNoPitchClass);
  EXPECT_EQ(PitchClassOfSpelling("Cx"), kNoPitchClass);
  EXPECT_EQ(PreferredRootName(1, false), "Db");
  EXPECT_EQ(PreferredRootName(1, true), "C#");
  EXPECT_EQ(PreferredRootName(8, true), "G#");
  EXPECT_EQ(PreferredRootName(10, false), "Bb");
  EXPECT_EQ(PreferredRootName(12, false), "");
}

}  // namespace
}  // namespace corvanta
