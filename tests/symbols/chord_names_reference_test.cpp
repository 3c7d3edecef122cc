// Tests of chord naming against the plain reference.
#include <gtest/gtest.h>

#include <random>

#include "reference_names.h"
#include "symbols/chord_names.h"

namespace corvanta {
namespace {

std::string Describe(const std::vector<int>& notes, int bass) {
  std::string text = "notes";
  for (int note : notes) text += " " + std::to_string(note);
  return text + " bass " + std::to_string(bass);
}

// The worked examples, read from the plain reference: it must agree with
// what the rules say before it can judge the fast naming.
TEST(ChordNamesReference, readsTheWorkedExamples) {
  EXPECT_EQ(reference::ChordNames({0, 4, 7}, 0, Accidentals::Sharps),
            (std::vector<std::string>{"C", "Em5+/C", "G4/6/C (no3) (no5)", "G4/add13/C (no3) (no5)",
                                      "Gadd11/6/C (no3) (no5)", "Gadd11/add13/C (no3) (no5)",
                                      "Gsus4/6/C (no5)", "Gsus4/add13/C (no5)"}));
  auto dim = reference::ChordNames({0, 3, 6, 9}, 0, Accidentals::Sharps);
  ASSERT_GE(dim.size(), 4u);
  EXPECT_EQ(dim[0], "A/dim/C");
  EXPECT_EQ(dim[3], "Cdim");
  EXPECT_EQ(reference::ChordNames({0}, 0, Accidentals::Sharps),
            (std::vector<std::string>{"C (no3) (no5)"}));
}

// Every set of one to six distinct notes, from seeded draws, with a bass
// among them or outside, in both spellings.
TEST(ChordNamesReference, theNamingEqualsThePlainReference) {
  std::mt19937 random(6);
  for (int i = 0; i < 20000; ++i) {
    std::vector<int> pool{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::shuffle(pool.begin(), pool.end(), random);
    const std::size_t count = 1 + random() % 6;
    std::vector<int> notes(pool.begin(), pool.begin() + static_cast<long>(count));
    const int bass = random() % 3 == 0 ? static_cast<int>(random() % 12) : notes[random() % count];
    const Accidentals spelling = i % 2 == 0 ? Accidentals::Sharps : Accidentals::Flats;
    ASSERT_EQ(ListChordNames(notes, bass, spelling).ToStrings(),
              reference::ChordNames(notes, bass, spelling))
        << Describe(notes, bass);
  }
}

}  // namespace
}  // namespace corvanta
