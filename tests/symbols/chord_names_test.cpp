// Tests of the chord-name list.
#include "symbols/chord_names.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

using Names = std::vector<std::string>;

Names List(std::vector<int> notes, int bass, Accidentals names) {
  return ListChordNames(std::move(notes), bass, names).ToStrings();
}

TEST(ChordNameList, keepsEachNameWhole) {
  ChordNameList list;
  list.Add({"C"});
  list.Add({"Em5+", "/C"});
  list.Add({""});
  EXPECT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1], "Em5+/C");
  EXPECT_EQ(list[2], "");
  EXPECT_EQ(list.ToStrings(), (Names{"C", "Em5+/C", ""}));
}

TEST(ChordNames, listCMajorInByteOrder) {
  EXPECT_EQ(List({0, 4, 7}, 0, Accidentals::Sharps),
            (Names{"C", "Em5+/C", "G4/6/C (no3) (no5)", "G4/add13/C (no3) (no5)",
                   "Gadd11/6/C (no3) (no5)", "Gadd11/add13/C (no3) (no5)", "Gsus4/6/C (no5)",
                   "Gsus4/add13/C (no5)"}));
}

TEST(ChordNames, nameTheBassOnEveryRootButTheChordsOwn) {
  Names overE = List({0, 4, 7}, 4, Accidentals::Sharps);
  ASSERT_GE(overE.size(), 3u);
  EXPECT_EQ(overE[0], "C");
  EXPECT_EQ(overE[1], "Em5+");
  EXPECT_EQ(overE[2], "G4/6/E (no3) (no5)");
  Names overBb = List({0, 4, 7}, 10, Accidentals::Flats);
  EXPECT_EQ(overBb[0], "Bb/5-/add2/6 (no3)");  // the bass as a root keeps its first slash
}

TEST(ChordNames, giveTheDiminishedFormAndKeepTheFirstSlash) {
  Names names = List({0, 3, 6, 9}, 0, Accidentals::Sharps);
  const Names start{"A/dim/C", "Am5-/6/C",   "Am5-/add13/C", "Cdim",
                    "Cm5-/6",  "Cm5-/add13", "D#dim/C"};
  ASSERT_GE(names.size(), start.size());
  EXPECT_TRUE(std::equal(start.begin(), start.end(), names.begin()));
  Names flats = List({0, 3, 6, 9}, 0, Accidentals::Flats);
  EXPECT_NE(std::find(flats.begin(), flats.end(), "Ebdim/C"), flats.end());
}

TEST(ChordNames, rewriteSeventhsAndSeconds) {
  Names g7 = List({7, 11, 2, 5}, 7, Accidentals::Sharps);
  for (const char* name : {"G6+", "G7", "Gadd13+"}) {
    EXPECT_NE(std::find(g7.begin(), g7.end(), name), g7.end()) << name;
  }
  Names add2 = List({0, 2, 7}, 0, Accidentals::Sharps);
  EXPECT_EQ(add2.front(), "C/add2 (no3)");
  EXPECT_NE(std::find(add2.begin(), add2.end(), "Cadd9 (no3)"), add2.end());
}

TEST(ChordNames, nameASingleNoteAndTheNoNoteRoot) {
  EXPECT_EQ(List({0}, 0, Accidentals::Sharps), (Names{"C (no3) (no5)"}));
  Names none = List({12, 4, 7}, 12, Accidentals::Sharps);
  ASSERT_FALSE(none.empty());
  EXPECT_EQ(none[0], "");  // the root 12 has no name
  EXPECT_EQ(none[1], "Em5+/");
  EXPECT_EQ(List({}, 0, Accidentals::Sharps), (Names{"C (no3) (no5)"}));
}

TEST(ChordNames, finishQuicklyForEveryPitchClassAtOnce) {
  std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  Names names = List(all, 0, Accidentals::Sharps);
  EXPECT_GT(names.size(), 12u);
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

TEST(ChordNames, repeatedNotesNameTheSameAsTheDistinctNotes) {
  // Repeats once multiplied the name variants without bound (49 notes ran
  // for minutes); they name nothing new.
  std::vector<int> repeated{0};
  for (int i = 0; i < 40; ++i) repeated.insert(repeated.end(), {1, 2, 5, 6, 9, 10});
  EXPECT_EQ(List(repeated, 0, Accidentals::Sharps),
            List({0, 1, 2, 5, 6, 9, 10}, 0, Accidentals::Sharps));
  EXPECT_EQ(List({0, 4, 4, 7, 0}, 4, Accidentals::Flats), List({0, 4, 7}, 4, Accidentals::Flats));
}

}  // namespace
}  // namespace corvanta
