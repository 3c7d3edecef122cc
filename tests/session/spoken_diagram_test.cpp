// Diagram names a screen reader speaks: chord names in words, strings as
// players name them, in English and Chinese.
#include "session/spoken_diagram.h"

#include <gtest/gtest.h>

#include "keyed_fingering.h"

namespace corvanta {
namespace {

constexpr int x = 99;  // a muted string in key values

TEST(SpokenDiagram, saysTheChordAndEveryStringAsAPlayerDoes) {
  const Instrument& guitar = *FindInstrument("guitar");
  EXPECT_EQ(SpokenDiagram("C", Keyed({x, 3, 2, 0, 1, 0}), guitar, SpokenLanguage::English),
            "C major, x 3 2 0 1 0: muted low E, A string fret 3, D string fret 2, G open, "
            "B string fret 1, high E open");
  EXPECT_EQ(SpokenDiagram("F", Keyed({-1, 3, 3, 2, 1, 1}), guitar, SpokenLanguage::English),
            "F major, 1 3 3 2 1 1: low E string fret 1, A string fret 3, D string fret 3, "
            "G string fret 2, B string fret 1, high E string fret 1, barre at fret 1");
  EXPECT_EQ(SpokenDiagram("Am", Keyed({x, 0, 2, 2, 1, 0}), guitar, SpokenLanguage::Chinese),
            "A小，x 0 2 2 1 0：低音E弦不弹，A弦空弦，D弦2品，G弦2品，B弦1品，高音E弦空弦");
}

TEST(SpokenDiagram, namesChordsInWords) {
  struct Row {
    const char* symbol;
    const char* spoken;
  } rows[] = {
      {"C#m7b5", "C sharp minor 7 flat 5"}, {"Bbmaj7", "B flat major 7"}, {"G/B", "G major over B"},
      {"Dsus4", "D suspended 4"},           {"Cadd9", "C add 9"},         {"E7#9", "E 7 sharp 9"},
      {"Fdim7", "F diminished 7"},          {"Am/G", "A minor over G"},   {"N.C.", "N.C."},
  };
  for (const Row& row : rows)
    EXPECT_EQ(SpokenChordName(row.symbol, SpokenLanguage::English), row.spoken) << row.symbol;
}

TEST(SpokenDiagram, namesStringsThatShareANoteByHeightOrOctave) {
  auto names = [](const char* instrument, const char* tuning) {
    return SpokenStringNames(*InNamedTuning(*FindInstrument(instrument), tuning),
                             SpokenLanguage::English);
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(names("ukulele", "G4 C4 E4 A4"), (Names{"G", "C", "E", "A"}));
  EXPECT_EQ(names("banjo", "G4 D3 G3 B3 D4"), (Names{"high G", "low D", "low G", "B", "high D"}));
  EXPECT_EQ(names("guitar", "D2 A2 D3 F#3 A3 D4"),
            (Names{"D2", "low A", "D3", "F#", "high A", "D4"}));
}

}  // namespace
}  // namespace corvanta
